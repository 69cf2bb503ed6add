#include "plain_gl_window.h"

static const char className[] = "PlainGLWindow";

static BOOL RegisterPlainClass(HINSTANCE instance)
{
    WNDCLASS wc;

    ZeroMemory(&wc, sizeof(wc));
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = className;
    return RegisterClass(&wc) != 0;
}

static BOOL SetPlainPixelFormat(HDC dc)
{
    PIXELFORMATDESCRIPTOR pfd;
    int format;

    ZeroMemory(&pfd, sizeof(pfd));
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 24;
    pfd.iLayerType = PFD_MAIN_PLANE;
    format = ChoosePixelFormat(dc, &pfd);
    return format != 0 && SetPixelFormat(dc, format, &pfd);
}

BOOL OpenPlainGLWindow(PLAIN_GL_WINDOW *gl, const char *title, int width, int height, BOOL shown)
{
    HINSTANCE instance = GetModuleHandle(NULL);

    ZeroMemory(gl, sizeof(*gl));
    if (!RegisterPlainClass(instance))
        return FALSE;
    gl->window = CreateWindow(className, title, WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, width, height,
        NULL, NULL, instance, NULL);
    if (gl->window == NULL)
        return FALSE;
    gl->dc = GetDC(gl->window);
    if (SetPlainPixelFormat(gl->dc))
        gl->context = wglCreateContext(gl->dc);
    if (gl->context == NULL || !wglMakeCurrent(gl->dc, gl->context))
    {
        ClosePlainGLWindow(gl);
        return FALSE;
    }
    if (shown)
        ShowWindow(gl->window, SW_SHOWNOACTIVATE);
    return TRUE;
}

void ClosePlainGLWindow(PLAIN_GL_WINDOW *gl)
{
    if (gl->context != NULL)
    {
        wglMakeCurrent(NULL, NULL);
        wglDeleteContext(gl->context);
    }
    if (gl->dc != NULL)
        ReleaseDC(gl->window, gl->dc);
    if (gl->window != NULL)
        DestroyWindow(gl->window);
    UnregisterClass(className, GetModuleHandle(NULL));
    ZeroMemory(gl, sizeof(*gl));
}
