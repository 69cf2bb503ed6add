/*
 * other_thread.c - draws a few frames on its context and, between them, makes GL calls from a second thread
 * that has no context current, where they do nothing. The main thread waits for the second one before it
 * draws on, and the program ends by itself with exit code 0 (1 when it cannot make its window or its thread).
 */

#include <windows.h>
#include <GL/gl.h>

#include "plain_gl_window.h"

#define FRAMES_BEFORE_THREAD 2
#define FRAMES_AFTER_THREAD 2
/* Each of the second thread's three calls is made this often. */
#define THREAD_ROUNDS 3

static DWORD WINAPI CallWithoutContext(LPVOID unused)
{
    int round;

    UNREFERENCED_PARAMETER(unused);
    for (round = 0; round < THREAD_ROUNDS; round++)
    {
        glGetString(GL_VENDOR);
        glFlush();
        glGetError();
    }
    return 0;
}

static void DrawFrames(const PLAIN_GL_WINDOW *gl, int count)
{
    int frame;

    for (frame = 0; frame < count; frame++)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers(gl->dc);
    }
}

int main(void)
{
    PLAIN_GL_WINDOW gl;
    HANDLE thread;

    if (!OpenPlainGLWindow(&gl, "Other thread", 64, 64, FALSE))
        return 1;
    DrawFrames(&gl, FRAMES_BEFORE_THREAD);
    thread = CreateThread(NULL, 0, CallWithoutContext, NULL, 0, NULL);
    if (thread != NULL)
    {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    DrawFrames(&gl, FRAMES_AFTER_THREAD);
    ClosePlainGLWindow(&gl);
    return thread != NULL ? 0 : 1;
}
