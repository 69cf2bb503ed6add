/*
 * mipmap_textures.c - a tiled floor and a spinning badge, textured from RGB images of odd sizes.
 *
 * A Win32 OpenGL demo in the manner of its time: plain C, a window class of its own, ChoosePixelFormat and a
 * PeekMessage loop. Its images are 3 bytes a pixel with rows padded to the default unpack alignment of 4, the
 * floor's mipmap levels are made and uploaded one by one, a small patch of the floor is painted anew every
 * frame with glTexSubImage2D, and the badge blends with a constant colour and clamps to a border colour.
 * Everything moves with the frame count. Closing the window ends the program with exit code 0; it answers 1
 * without a window or context.
 */

#include <windows.h>
#include <GL/gl.h>

#define WIDTH 200
#define HEIGHT 150

/* The floor's image and its mipmap levels, down to 1 by 1. */
#define TILES_WIDTH 37
#define TILES_HEIGHT 21
#define BADGE_WIDTH 13
#define BADGE_HEIGHT 7
#define PATCH_WIDTH 5
#define PATCH_HEIGHT 3

/* Rows of 3-byte pixels start on 4-byte boundaries, as GL reads them at the default alignment. */
#define ROW_BYTES(width) (((width) * 3 + 3) & ~3)

static const char className[] = "MipmapTextures";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static GLuint textures[2] = {0, 0};
static unsigned long frame = 0;

/* Enough for the largest image with padded rows. */
static GLubyte image[ROW_BYTES(TILES_WIDTH) * TILES_HEIGHT];

static void PutTexel(GLubyte *pixels, int width, int x, int y, GLubyte red, GLubyte green, GLubyte blue)
{
    GLubyte *pixel = pixels + y * ROW_BYTES(width) + x * 3;

    pixel[0] = red;
    pixel[1] = green;
    pixel[2] = blue;
}

/* Checked tiles, tinted per level, so that the levels that GL picks show on the floor. */
static void MakeTilesLevel(int width, int height, int level)
{
    static const GLubyte tints[6][3] = {
        {230, 200, 160}, {160, 220, 170}, {170, 180, 240}, {240, 170, 200}, {220, 220, 120}, {150, 230, 230}};
    const int cell = (4 >> level) > 0 ? 4 >> level : 1;
    int x, y;

    for (y = 0; y < height; y++)
    {
        for (x = 0; x < width; x++)
        {
            const int dark = ((x / cell) + (y / cell)) & 1;
            const GLubyte *tint = tints[level];

            PutTexel(image, width, x, y, (GLubyte)(tint[0] >> dark), (GLubyte)(tint[1] >> dark),
                (GLubyte)(tint[2] >> dark));
        }
    }
}

/* A ring on a dark ground; GL_BLEND mixes the constant colour in by the image's brightness. */
static void MakeBadge(void)
{
    int x, y;

    for (y = 0; y < BADGE_HEIGHT; y++)
    {
        for (x = 0; x < BADGE_WIDTH; x++)
        {
            const int dx = 2 * x - (BADGE_WIDTH - 1), dy = 4 * y - 2 * (BADGE_HEIGHT - 1);
            const int distance = dx * dx + dy * dy;
            const GLubyte level = (GLubyte)(distance > 40 && distance < 120 ? 255 : 40);

            PutTexel(image, BADGE_WIDTH, x, y, level, (GLubyte)(level / 2), (GLubyte)(x * 19));
        }
    }
}

static void LoadTextures(void)
{
    static const GLfloat envColour[] = {0.2f, 0.9f, 0.4f, 1.0f};
    static const GLfloat borderColour[] = {0.9f, 0.3f, 0.1f, 1.0f};
    int width = TILES_WIDTH, height = TILES_HEIGHT, level = 0;

    glGenTextures(2, textures);

    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    for (;;)
    {
        MakeTilesLevel(width, height, level);
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, image);
        if (width == 1 && height == 1)
            break;
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
        level++;
    }

    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, borderColour);
    MakeBadge();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, BADGE_WIDTH, BADGE_HEIGHT, 0, GL_RGB, GL_UNSIGNED_BYTE, image);
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, envColour);
}

/* Paints a patch of the floor's top level in a colour of this frame, at a place that wanders with it. */
static void PaintPatch(void)
{
    static GLubyte patch[ROW_BYTES(PATCH_WIDTH) * PATCH_HEIGHT];
    int x, y;

    for (y = 0; y < PATCH_HEIGHT; y++)
        for (x = 0; x < PATCH_WIDTH; x++)
            PutTexel(patch, PATCH_WIDTH, x, y, (GLubyte)(frame * 40), (GLubyte)(255 - x * 40), (GLubyte)(y * 120));
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glTexSubImage2D(GL_TEXTURE_2D, 0, (int)(frame * 3 % (TILES_WIDTH - PATCH_WIDTH)),
        (int)(frame % (TILES_HEIGHT - PATCH_HEIGHT)), PATCH_WIDTH, PATCH_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, patch);
}

static void ResizeScene(int width, int height)
{
    GLdouble aspect;

    if (height == 0)
        height = 1;
    aspect = (GLdouble)width / (GLdouble)height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5 * aspect, 0.5 * aspect, -0.5, 0.5, 1.0, 60.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static void InitGL(void)
{
    glClearColor(0.05f, 0.05f, 0.1f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    LoadTextures();
}

static void DrawFloor(void)
{
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-8.0f, -1.0f, 0.0f);
    glTexCoord2f(6.0f, 0.0f);
    glVertex3f(8.0f, -1.0f, 0.0f);
    glTexCoord2f(6.0f, 20.0f);
    glVertex3f(8.0f, -1.0f, -50.0f);
    glTexCoord2f(0.0f, 20.0f);
    glVertex3f(-8.0f, -1.0f, -50.0f);
    glEnd();
}

/* Texture coordinates beyond 0 to 1 show the border colour around the badge. */
static void DrawBadge(void)
{
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
    glColor3f(0.3f, 0.3f, 0.8f);
    glPushMatrix();
    glTranslatef(0.0f, 0.3f, -3.0f);
    glRotatef((GLfloat)(frame % 90) * 4.0f, 0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(-0.25f, -0.5f);
    glVertex2f(-1.0f, -0.6f);
    glTexCoord2f(1.25f, -0.5f);
    glVertex2f(1.0f, -0.6f);
    glTexCoord2f(1.25f, 1.5f);
    glVertex2f(1.0f, 0.6f);
    glTexCoord2f(-0.25f, 1.5f);
    glVertex2f(-1.0f, 0.6f);
    glEnd();
    glPopMatrix();
}

static void DrawScene(void)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    PaintPatch();
    DrawFloor();
    DrawBadge();
    frame++;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        glDeleteTextures(2, textures);
        wglMakeCurrent(NULL, NULL);
        wglDeleteContext(hRC);
        hRC = NULL;
    }
    if (hDC != NULL)
    {
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
    pfd.cDepthBits = 16;
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

    if (!CreateGLWindow(hInstance, "Mipmapped textures", WIDTH, HEIGHT))
    {
        if (hWnd != NULL)
            DestroyWindow(hWnd);
        UnregisterClass(className, hInstance);
        return 1;
    }
    InitGL();

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
