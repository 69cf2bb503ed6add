#pragma once

#include <windows.h>

#include "qel_ogl/intercept/generated/InterceptOp.h"

namespace QEL { namespace OGL {

// The system's own functions, for the calls that go straight to the driver: the system folder's opengl32.dll,
// loaded on the first call that needs it (the interposer, named opengl32.dll itself, is never asked), and GDI's
// SwapBuffers. A function after OpenGL 1.1 is the driver's answer to wglGetProcAddress. A driver or function
// that is missing is reported once in the interception log; the call then answers zero.
class SystemDriver
{
public:
    SystemDriver() = delete;

    using Function = void (*)();

    // The system's function for op; null when it cannot be had.
    static Function entry(InterceptOp op);

    // Keeps the driver's answer to the program's wglGetProcAddress for op.
    static void remember(InterceptOp op, PROC address);

private:
    static Function resolve(InterceptOp op);
    static HMODULE openGLModule();
};

}}
