// The report program of the main job: makes a GL context on a hidden window and prints a short report of the
// driver, every GL call made through the checked chain, as a host would call it. Exits 0 when the whole
// report was made, 1 with a message on stderr otherwise.

#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "HiddenContext.h"
#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"

using QEL::OGL::ExceptionOGL;
using QEL::OGL::OpenGLInterceptor;

namespace {

// An invalid texture target: the driver must answer GL_INVALID_ENUM.
const unsigned kInvalidTarget = 0x1234;

void printString(OpenGLInterceptor* gl, const char* label, unsigned name)
{
    const unsigned char* value = gl->cgmGetString(__FILE__, __LINE__, name);
    if (value == nullptr)
        throw std::runtime_error(std::string("glGetString answered null for the ") + label);
    std::printf("%-9s %s\n", (std::string(label) + ":").c_str(), reinterpret_cast<const char*>(value));
}

void printDriverStrings(OpenGLInterceptor* gl)
{
    printString(gl, "vendor", GL_VENDOR);
    printString(gl, "renderer", GL_RENDERER);
    printString(gl, "version", GL_VERSION);
}

// The chain reports a GL error as an exception carrying the file and line of the call in this source.
void printFailingCall(OpenGLInterceptor* gl)
{
    std::printf("\nchecked call: glBindTexture(0x%04X, 1), an invalid target\n", kInvalidTarget);
    try
    {
        gl->cgmBindTexture(__FILE__, __LINE__, kInvalidTarget, 1);
    }
    catch (const ExceptionOGL& e)
    {
        std::printf("caught:       %s\n", e.what());
        std::printf("error number: 0x%04X\n", e.errorNumber());
        return;
    }
    throw std::runtime_error("glBindTexture with an invalid target was not reported as an error");
}

void report()
{
    HiddenContext context;
    OpenGLInterceptor* gl = OpenGLInterceptor::Instance();
    std::printf("OpenGL driver report\n\n");
    printDriverStrings(gl);
    printFailingCall(gl);
    // The chain goes before the context it was used with.
    OpenGLInterceptor::destroy();
}

}

int main()
{
    try
    {
        report();
    }
    catch (const std::exception& e)
    {
        std::fflush(stdout);
        std::fprintf(stderr, "qelinfo: %s\n", e.what());
        return 1;
    }
    return 0;
}
