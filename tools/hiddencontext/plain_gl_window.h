/*
 * A window with an OpenGL context made current on it, in plain C and raw WGL, for the C programs of the tests
 * and benchmarks. Each program compiles this source with its own settings (the interception header forced in
 * or not), so that its WGL calls are made the way the rest of the program makes them.
 */
#ifndef PLAIN_GL_WINDOW_H
#define PLAIN_GL_WINDOW_H

#include <windows.h>

typedef struct
{
    HWND window;
    HDC dc;
    HGLRC context;
} PLAIN_GL_WINDOW;

/* A popup of width by height pixels, shown or not, with a double-buffered RGBA pixel format and a depth
   buffer, and a context made current on it. Answers FALSE, with everything made so far released, when a
   step fails. */
BOOL OpenPlainGLWindow(PLAIN_GL_WINDOW *gl, const char *title, int width, int height, BOOL shown);

/* Leaves no context current, deletes the context and destroys the window. */
void ClosePlainGLWindow(PLAIN_GL_WINDOW *gl);

#endif
