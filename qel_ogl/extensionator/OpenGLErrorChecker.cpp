#include "qel_ogl/extensionator/OpenGLErrorChecker.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include "qel_ogl/ExceptionOGL.h"

namespace QEL { namespace OGL {

namespace {

[[noreturn]] void throwGLError(const char* file, unsigned line, GLenum code)
{
    throw ExceptionOGL(file, line, reinterpret_cast<const char*>(gluErrorString(code)), code);
}

}

std::uint64_t OpenGLErrorChecker::gKeptResult_ = 0;
bool OpenGLErrorChecker::gHasKeptResult_ = false;

OpenGLErrorChecker::OpenGLErrorChecker()
    : bInBeginEnd_(false)
{
}

OpenGLErrorChecker::~OpenGLErrorChecker() = default;

void OpenGLErrorChecker::forgetResult()
{
    gHasKeptResult_ = false;
}

void OpenGLErrorChecker::checkError(const char* file, unsigned line) const
{
    const GLenum code = glGetError();
    if (code != GL_NO_ERROR)
        throwGLError(file, line, code);
}

void OpenGLErrorChecker::cgmBegin(const char* file, unsigned line, unsigned mode)
{
    if (bInBeginEnd_)
        throw ExceptionOGL(file, line, "Unbalanced glBegin()!", 0);
    bInBeginEnd_ = true;
    glBegin(mode);
}

// An error raised inside the pair, glBegin's own included, is reported here.
void OpenGLErrorChecker::cgmEnd(const char* file, unsigned line)
{
    if (!bInBeginEnd_)
        throw ExceptionOGL(file, line, "Unbalanced glEnd()!", 0);
    bInBeginEnd_ = false;
    glEnd();
    checkError(file, line);
}

}}
