/*
 * immediate_mode.c - draws a fixed number of frames in immediate mode, a few thousand glColor3f and
 * glVertex2f calls each, and prints their average time. The interposer benchmark runs it plain and beside the
 * interposer and compares what it prints.
 */

#include <windows.h>
#include <GL/gl.h>
#include <stdio.h>

#include "plain_gl_window.h"

#define WIDTH 640
#define HEIGHT 480
/* Frames drawn before the clock starts: the driver compiles its shaders on the first ones. */
#define WARM_UP_FRAMES 20
#define FRAMES 300
/* GRID strips of 2 * (GRID + 1) vertices each: 2112 vertices a frame. */
#define GRID 32

static void DrawFrame(int frame)
{
    const GLfloat step = 2.0f / GRID;
    const GLfloat shift = (GLfloat)(frame % 100) / 100.0f;
    int row, column;

    glClear(GL_COLOR_BUFFER_BIT);
    for (row = 0; row < GRID; row++)
    {
        const GLfloat y = -1.0f + row * step;

        glBegin(GL_TRIANGLE_STRIP);
        for (column = 0; column <= GRID; column++)
        {
            const GLfloat x = -1.0f + column * step;

            glColor3f((GLfloat)column / GRID, shift, (GLfloat)row / GRID);
            glVertex2f(x, y);
            glColor3f((GLfloat)column / GRID, 1.0f - shift, (GLfloat)(row + 1) / GRID);
            glVertex2f(x, y + step);
        }
        glEnd();
    }
}

/* Keeps the window answering while the frames are drawn. */
static void HandleMessages(void)
{
    MSG msg;

    while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

int main(void)
{
    PLAIN_GL_WINDOW gl;
    LARGE_INTEGER frequency, start, end;
    int frame;

    if (!OpenPlainGLWindow(&gl, "Immediate mode", WIDTH, HEIGHT, TRUE))
    {
        fprintf(stderr, "immediate_mode: no OpenGL window\n");
        return 1;
    }
    glViewport(0, 0, WIDTH, HEIGHT);

    QueryPerformanceFrequency(&frequency);
    for (frame = 0; frame < WARM_UP_FRAMES + FRAMES; frame++)
    {
        if (frame == WARM_UP_FRAMES)
        {
            glFinish();
            QueryPerformanceCounter(&start);
        }
        HandleMessages();
        DrawFrame(frame);
        SwapBuffers(gl.dc);
    }
    glFinish();
    QueryPerformanceCounter(&end);

    printf("average frame time: %.1f us\n",
        (double)(end.QuadPart - start.QuadPart) * 1e6 / (double)frequency.QuadPart / FRAMES);
    ClosePlainGLWindow(&gl);
    return 0;
}
