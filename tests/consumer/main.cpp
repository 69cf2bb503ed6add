// A host of the installed package: turns the library on for a context of its own, makes checked calls with
// QEL_CHECKED (one through the entry-point table, one that GL refuses), traces a call, asks qel_core and binds a
// class constant to a reference. Prints what it saw and exits 0 when everything behaved as a host expects.

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <sstream>
#include <string>

#include "HiddenContext.h"
#include "qel_ogl/qel_ogl.h"

using QEL::OGL::ContextWrapped;
using QEL::OGL::ExceptionOGL;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLTracer;
using QEL::OGL::Texture;

namespace {

const GLenum kTexture1 = 0x84C1;

// GL's refusal reaches the host as an ExceptionOGL that names the call's file and line.
bool refusalIsThrown()
{
    try
    {
        QEL_CHECKED(BindTexture)(0x1234, 1);
    }
    catch (const ExceptionOGL& e)
    {
        std::printf("refused: %s\n", e.what());
        return e.errorNumber() == GL_INVALID_ENUM;
    }
    return false;
}

std::string traceOfAClear()
{
    std::ostringstream trace;
    OpenGLTracer tracer(trace);
    OpenGLInterceptor::Instance()->addInterceptor(&tracer);
    QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT);
    OpenGLInterceptor::Instance()->popInterceptor();
    return trace.str();
}

// A host binds the unit constant to a reference (std::max takes its arguments so), which needs its definition
// in the library. The address that the reference holds is kept volatile, so that the optimiser cannot fold the
// constant's value in and leave the definition unused.
bool unitConstantBindsToAReference()
{
    const int other = -2;
    const int* volatile larger = &std::max(Texture::CURRENT_UNIT, other);
    return larger == &Texture::CURRENT_UNIT;
}

bool run()
{
    HiddenContext hidden;
    ContextWrapped context(hidden.deviceContext(), hidden.context());
    Library::initializeExtensionator(&context, ExtensionManager::InitOptions());
    std::printf("renderer: %s\n", QEL_CHECKED(GetString)(GL_RENDERER));

    const bool tableLoaded = ExtensionManager::Instance()->isSupported(ExtensionManager::OPEN_GL_1_3) &&
                             _cgmActiveTexture != nullptr;
    if (tableLoaded)
        QEL_CHECKED(ActiveTexture)(kTexture1);
    std::printf("OpenGL 1.3 loaded: %s\n", tableLoaded ? "yes" : "no");
    const bool refused = refusalIsThrown();
    const std::string trace = traceOfAClear();
    std::printf("trace: %s", trace.c_str());

    Library::terminateExtensionator();
    OpenGLInterceptor::destroy();
    return tableLoaded && refused && trace.find(": glClear(16384)\n") != std::string::npos &&
           QEL::isPowerOfTwo(64) && !QEL::isPowerOfTwo(48) && unitConstantBindsToAReference();
}

}

int main()
{
    try
    {
        const bool ok = run();
        std::printf("consumer: %s\n", ok ? "ok" : "FAILED");
        return ok ? 0 : 1;
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "consumer: %s\n", e.what());
        return 1;
    }
}
