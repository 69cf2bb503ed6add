/*
 * error_policy.c - makes one GL error on a current context and otherwise ends normally, with exit code 0.
 *
 * A breakpoint that nobody handles ends the process with exit code 42 instead of the system's crash handling,
 * so that whoever runs the program sees that the call stopped where a debugger would have stopped.
 */

#include <windows.h>
#include <GL/gl.h>

#include "plain_gl_window.h"

#define STOPPED_AT_BREAKPOINT 42

static LONG WINAPI EndAtBreakpoint(EXCEPTION_POINTERS *exception)
{
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_BREAKPOINT)
        ExitProcess(STOPPED_AT_BREAKPOINT);
    return EXCEPTION_CONTINUE_SEARCH;
}

int main(void)
{
    PLAIN_GL_WINDOW gl;

    SetUnhandledExceptionFilter(EndAtBreakpoint);
    if (!OpenPlainGLWindow(&gl, "Error policy", 64, 64, FALSE))
        return 1;
    /* Not a capability: GL_INVALID_ENUM. */
    glEnable(GL_LIGHT_MODEL_TWO_SIDE);
    ClosePlainGLWindow(&gl);
    return 0;
}
