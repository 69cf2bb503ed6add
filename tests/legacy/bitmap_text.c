/*
 * bitmap_text.c - lines of text over a shaded panel, drawn from display lists that wglUseFontBitmaps made.
 *
 * A Win32 OpenGL demo in the manner of its time: plain C, a window class of its own, ChoosePixelFormat and a
 * PeekMessage loop. A GDI font is selected into the window's device context, wglUseFontBitmaps turns its
 * printable characters into display lists, and each string is drawn with glRasterPos, glListBase and
 * glCallLists. The frame number in the text and the moving marker follow the frame count. Closing the window
 * ends the program with exit code 0; it answers 1 without a window, a context or the font's lists.
 */

#include <windows.h>
#include <GL/gl.h>

#define WIDTH 240
#define HEIGHT 96

/* The printable characters of the font, from the space on. */
#define FIRST_CHARACTER 32
#define CHARACTERS 96

static const char className[] = "BitmapText";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static HFONT font = NULL;
static HFONT previousFont = NULL;
static GLuint fontLists = 0;
static unsigned long frame = 0;

/* Display lists for the font's printable characters, each drawing its glyph and moving the raster position. */
static BOOL BuildFont(void)
{
    font = CreateFont(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
        CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_DONTCARE | DEFAULT_PITCH, "Courier New");
    if (font == NULL)
        return FALSE;
    previousFont = (HFONT)SelectObject(hDC, font);
    fontLists = glGenLists(CHARACTERS);
    return fontLists != 0 && wglUseFontBitmaps(hDC, FIRST_CHARACTER, CHARACTERS, fontLists);
}

static void Print(GLint x, GLint y, const char *text)
{
    glRasterPos2i(x, y);
    glListBase(fontLists - FIRST_CHARACTER);
    glCallLists(lstrlen(text), GL_UNSIGNED_BYTE, text);
}

static void ResizeScene(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, (GLdouble)width, 0.0, (GLdouble)height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static BOOL InitGL(void)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glShadeModel(GL_SMOOTH);
    return BuildFont();
}

static void DrawPanel(void)
{
    glBegin(GL_QUADS);
    glColor3f(0.1f, 0.2f, 0.5f);
    glVertex2i(8, 8);
    glVertex2i(WIDTH - 8, 8);
    glColor3f(0.3f, 0.1f, 0.3f);
    glVertex2i(WIDTH - 8, HEIGHT - 8);
    glVertex2i(8, HEIGHT - 8);
    glEnd();

    glColor3f(1.0f, 0.8f, 0.2f);
    glRectf((GLfloat)(16 + frame % 200), 14.0f, (GLfloat)(24 + frame % 200), 22.0f);
}

static void DrawScene(void)
{
    char line[32];

    glClear(GL_COLOR_BUFFER_BIT);
    DrawPanel();

    glColor3f(1.0f, 1.0f, 1.0f);
    Print(16, 66, "Bitmap fonts, 2000 style");
    glColor3f(0.5f, 1.0f, 0.6f);
    wsprintf(line, "Frame %lu", frame);
    Print(16, 46, line);
    glColor3f(1.0f, 0.5f, 0.5f);
    Print(16, 28, "glCallLists(GL_UNSIGNED_BYTE)");
    frame++;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        if (fontLists != 0)
            glDeleteLists(fontLists, CHARACTERS);
        wglMakeCurrent(NULL, NULL);
        wglDeleteContext(hRC);
        hRC = NULL;
    }
    if (hDC != NULL)
    {
        if (font != NULL)
        {
            SelectObject(hDC, previousFont);
            DeleteObject(font);
            font = NULL;
        }
        ReleaseDC(hWnd, hDC);
        hDC = NULL;
    }
}

static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        /* The first WM_SIZE arrives from CreateWindow, before there is a context. */
        if (hRC != NULL)
            ResizeScene(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        KillGL();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

static BOOL CreateGLWindow(HINSTANCE hInstance, const char *title, int width, int height)
{
    WNDCLASS wc;
    PIXELFORMATDESCRIPTOR pfd;
    RECT rect;
    int pixelFormat;
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

    ZeroMemory(&wc, sizeof(wc));
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIcon(NULL, IDI_WINLOGO);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = className;
    if (!RegisterClass(&wc))
        return FALSE;

    /* Sized so that the client area, which GL draws into, is width by height. */
    SetRect(&rect, 0, 0, width, height);
    AdjustWindowRect(&rect, style, FALSE);
    hWnd = CreateWindow(className, title, style, CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left,
        rect.bottom - rect.top, NULL, NULL, hInstance, NULL);
    if (hWnd == NULL)
        return FALSE;
    hDC = GetDC(hWnd);

    ZeroMemory(&pfd, sizeof(pfd));
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.iLayerType = PFD_MAIN_PLANE;
    pixelFormat = ChoosePixelFormat(hDC, &pfd);
    if (pixelFormat == 0 || !SetPixelFormat(hDC, pixelFormat, &pfd))
        return FALSE;

    hRC = wglCreateContext(hDC);
    if (hRC == NULL || !wglMakeCurrent(hDC, hRC))
        return FALSE;

    ShowWindow(hWnd, SW_SHOW);
    SetForegroundWindow(hWnd);
    GetClientRect(hWnd, &rect);
    ResizeScene(rect.right, rect.bottom);
    return TRUE;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    MSG msg;
    BOOL done = FALSE;

    UNREFERENCED_PARAMETER(hPrevInstance);
    UNREFERENCED_PARAMETER(lpCmdLine);
    UNREFERENCED_PARAMETER(nCmdShow);

    if (!CreateGLWindow(hInstance, "Bitmap text", WIDTH, HEIGHT) || !InitGL())
    {
        if (hWnd != NULL)
            DestroyWindow(hWnd);
        UnregisterClass(className, hInstance);
        return 1;
    }

    while (!done)
    {
        if (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                done = TRUE;
            else
            {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        }
        else if (hRC != NULL)
        {
            DrawScene();
            SwapBuffers(hDC);
        }
    }

    UnregisterClass(className, hInstance);
    return (int)msg.wParam;
}
