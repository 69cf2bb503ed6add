#include "GLState.h"

#include "TestWindow.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>
#include <sstream>

#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/TokenName.h"

namespace {

const GLenum kBindings[] = {
    GL_ARRAY_BUFFER_BINDING,        GL_ELEMENT_ARRAY_BUFFER_BINDING, GL_PIXEL_PACK_BUFFER_BINDING,
    GL_PIXEL_UNPACK_BUFFER_BINDING, GL_RENDERBUFFER_BINDING,         GL_DRAW_FRAMEBUFFER_BINDING,
    GL_READ_FRAMEBUFFER_BINDING,    GL_CURRENT_PROGRAM,              GL_ACTIVE_TEXTURE,
    GL_CLIENT_ACTIVE_TEXTURE,       GL_ATTRIB_STACK_DEPTH,           GL_CLIENT_ATTRIB_STACK_DEPTH,
};

const GLenum kPixelStore[] = {
    GL_PACK_SWAP_BYTES,    GL_PACK_LSB_FIRST,    GL_PACK_ROW_LENGTH,     GL_PACK_IMAGE_HEIGHT,
    GL_PACK_SKIP_PIXELS,   GL_PACK_SKIP_ROWS,    GL_PACK_SKIP_IMAGES,    GL_PACK_ALIGNMENT,
    GL_UNPACK_SWAP_BYTES,  GL_UNPACK_LSB_FIRST,  GL_UNPACK_ROW_LENGTH,   GL_UNPACK_IMAGE_HEIGHT,
    GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS,  GL_UNPACK_SKIP_IMAGES,  GL_UNPACK_ALIGNMENT,
};

// The texture targets with the query of what is bound there.
const GLenum kTargets[][2] = {
    {GL_TEXTURE_1D, GL_TEXTURE_BINDING_1D},
    {GL_TEXTURE_2D, GL_TEXTURE_BINDING_2D},
    {GL_TEXTURE_3D, GL_TEXTURE_BINDING_3D},
    {GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_BINDING_RECTANGLE_ARB},
};

long long integer(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

long long handle(const void* pointer)
{
    return static_cast<long long>(reinterpret_cast<std::uintptr_t>(pointer));
}

std::string unitKey(GLint unit, GLenum name)
{
    return "unit " + std::to_string(unit) + " " + TokenName(name);
}

}

GLState GLState::read()
{
    GLState state;
    state["current context"] = handle(wglGetCurrentContext());
    state["current device context"] = handle(wglGetCurrentDC());
    state["library on"] = QEL::OGL::Library::isExtensionatorInitialized();
    state["windows of the thread"] = TestWindow::countOnThisThread();
    if (wglGetCurrentContext() != nullptr)
        state.readContextState();
    return state;
}

void GLState::readContextState()
{
    for (const GLenum name : kBindings)
        (*this)[TokenName(name)] = integer(name);
    for (const GLenum name : kPixelStore)
        (*this)[TokenName(name)] = integer(name);
    readTextureUnits();
}

// Bindings exist on every image unit; enabled targets and the environment only on the fixed-function ones.
void GLState::readTextureUnits()
{
    // Through void (*)(): the one cast between function pointer types that draws no warning.
    const auto activeTexture = reinterpret_cast<PFNGLACTIVETEXTUREPROC>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("glActiveTexture")));
    const GLint active = static_cast<GLint>(integer(GL_ACTIVE_TEXTURE));
    const GLint imageUnits = static_cast<GLint>(integer(GL_MAX_TEXTURE_IMAGE_UNITS));
    const GLint fixedUnits = static_cast<GLint>(integer(GL_MAX_TEXTURE_UNITS));
    for (GLint unit = 0; unit < imageUnits; ++unit) {
        activeTexture(GL_TEXTURE0 + unit);
        for (const auto& target : kTargets) {
            (*this)[unitKey(unit, target[1])] = integer(target[1]);
            if (unit < fixedUnits)
                (*this)[unitKey(unit, target[0])] = glIsEnabled(target[0]);
        }
        if (unit < fixedUnits) {
            GLint mode = 0;
            glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
            (*this)[unitKey(unit, GL_TEXTURE_ENV_MODE)] = mode;
        }
    }
    activeTexture(static_cast<GLenum>(active));
}

long long& GLState::operator[](const std::string& key)
{
    return values_[key];
}

std::string GLState::differences(const GLState& expected, const GLState& actual)
{
    std::ostringstream text;
    std::map<std::string, long long> keys = expected.values_;
    keys.insert(actual.values_.begin(), actual.values_.end());
    for (const auto& entry : keys) {
        const auto was = expected.values_.find(entry.first);
        const auto is = actual.values_.find(entry.first);
        const std::string before = was == expected.values_.end() ? "(none)" : std::to_string(was->second);
        const std::string after = is == actual.values_.end() ? "(none)" : std::to_string(is->second);
        if (before != after)
            text << entry.first << ": " << before << " -> " << after << "\n";
    }
    return text.str();
}
