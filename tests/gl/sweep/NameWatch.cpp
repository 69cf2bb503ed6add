#include "NameWatch.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>

#include "qel_ogl/extensionator/generated/glEntryPoints.h"

namespace {

// How one kind of name is taken, given back and asked after; 0 from take() when the kind is not loaded.
struct Kind
{
    const char* name;
    GLuint (*take)();
    void (*giveBack)(GLuint);
    bool (*names)(GLuint);
};

// The shader and program names share one space, so one probe covers both.
const Kind kKinds[] = {
    {"buffer",
     [] { GLuint n = 0; if (_cgmGenBuffers != nullptr) _cgmGenBuffers(1, &n); return n; },
     [](GLuint n) { _cgmDeleteBuffers(1, &n); },
     [](GLuint n) { return _cgmIsBuffer(n) != GL_FALSE; }},
    {"texture",
     [] { GLuint n = 0; glGenTextures(1, &n); return n; },
     [](GLuint n) { glDeleteTextures(1, &n); },
     [](GLuint n) { return glIsTexture(n) != GL_FALSE; }},
    {"renderbuffer",
     [] { GLuint n = 0; if (_cgmGenRenderbuffersEXT != nullptr) _cgmGenRenderbuffersEXT(1, &n); return n; },
     [](GLuint n) { _cgmDeleteRenderbuffersEXT(1, &n); },
     [](GLuint n) { return _cgmIsRenderbufferEXT(n) != GL_FALSE; }},
    {"framebuffer",
     [] { GLuint n = 0; if (_cgmGenFramebuffersEXT != nullptr) _cgmGenFramebuffersEXT(1, &n); return n; },
     [](GLuint n) { _cgmDeleteFramebuffersEXT(1, &n); },
     [](GLuint n) { return _cgmIsFramebufferEXT(n) != GL_FALSE; }},
    {"shader or program",
     [] { return _cgmCreateProgram != nullptr ? _cgmCreateProgram() : 0u; },
     [](GLuint n) { _cgmDeleteProgram(n); },
     [](GLuint n) { return _cgmIsProgram(n) != GL_FALSE || _cgmIsShader(n) != GL_FALSE; }},
};

GLuint probe(const Kind& kind)
{
    const GLuint name = kind.take();
    if (name != 0)
        kind.giveBack(name);
    return name;
}

}

NameWatch::NameWatch()
{
    for (const Kind& kind : kKinds)
        firstNames_.push_back(probe(kind));
}

std::string NameWatch::leftBehind() const
{
    std::string names;
    for (std::size_t index = 0; index < firstNames_.size(); ++index) {
        const Kind& kind = kKinds[index];
        const GLuint first = firstNames_[index];
        const GLuint last = probe(kind);
        if (first == 0 || last == 0)
            continue;
        for (GLuint name = std::min(first, last); name < std::max(first, last); ++name) {
            if (kind.names(name))
                names += (names.empty() ? "" : ", ") + std::string(kind.name) + " " + std::to_string(name);
        }
    }
    return names;
}
