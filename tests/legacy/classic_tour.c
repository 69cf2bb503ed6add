/*
 * classic_tour.c - a tour of what GL 1.1 programs did besides triangles, with GLU's help.
 *
 * A Win32 OpenGL demo in the manner of its time: plain C, a window class of its own, ChoosePixelFormat, a
 * PeekMessage loop, and GLU for the projection, the camera, quadrics and mipmaps. Each frame picks an object
 * with the selection buffer and paints the picked one differently, reads a few pixels back and draws them
 * again, and uses a texture made by gluBuild2DMipmaps, texture-coordinate generation, a clip plane, a
 * polygon and a line stipple, a bitmap, glDrawPixels with a zoom, a Bezier surface from an evaluator and the
 * stencil buffer. Everything moves with the frame count, so that every run draws the same frames. Closing the
 * window ends the program with exit code 0; it answers 1 without a window or context.
 */

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#define WIDTH 240
#define HEIGHT 160
#define IMAGE_WIDTH 33
#define IMAGE_HEIGHT 17

static const char className[] = "ClassicTour";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static GLuint lists = 0;
static GLuint texture = 0;
static GLUquadricObj *quadric = NULL;
static unsigned long frame = 0;
static int viewWidth = WIDTH;
static int viewHeight = HEIGHT;

static const GLubyte letterF[13] = {
    0xc0, 0xc0, 0xc0, 0xc0, 0xc0, 0xc0, 0xff, 0xc0, 0xc0, 0xc0, 0xc0, 0xff, 0xff};

static GLubyte halftone[128];

static const GLfloat surface[4][4][3] = {
    {{-1.5f, -1.5f, 0.5f}, {-0.5f, -1.5f, 1.0f}, {0.5f, -1.5f, -0.5f}, {1.5f, -1.5f, 1.0f}},
    {{-1.5f, -0.5f, 0.5f}, {-0.5f, -0.5f, 1.5f}, {0.5f, -0.5f, 0.0f}, {1.5f, -0.5f, -0.5f}},
    {{-1.5f, 0.5f, 1.0f}, {-0.5f, 0.5f, 0.0f}, {0.5f, 0.5f, 1.5f}, {1.5f, 0.5f, 1.0f}},
    {{-1.5f, 1.5f, -1.0f}, {-0.5f, 1.5f, -0.5f}, {0.5f, 1.5f, 0.0f}, {1.5f, 1.5f, -0.5f}}};

static void Perspective(int width, int height)
{
    gluPerspective(45.0, (GLdouble)width / (GLdouble)height, 1.0, 40.0);
}

static void ResizeScene(int width, int height)
{
    if (height == 0)
        height = 1;
    viewWidth = width;
    viewHeight = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    Perspective(width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

/* A checkerboard with a red diagonal, odd in both sizes, tightly packed: rows of 99 bytes. */
static void MakeTexture(void)
{
    static GLubyte image[IMAGE_HEIGHT][IMAGE_WIDTH][3];
    int i, j;

    for (i = 0; i < IMAGE_HEIGHT; i++)
    {
        for (j = 0; j < IMAGE_WIDTH; j++)
        {
            const GLubyte c = (GLubyte)((((i & 4) == 0) ^ ((j & 4) == 0)) ? 230 : 40);
            image[i][j][0] = (GLubyte)(i == j / 2 ? 255 : c);
            image[i][j][1] = c;
            image[i][j][2] = (GLubyte)(c / 2 + j * 3);
        }
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, IMAGE_WIDTH, IMAGE_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, image);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

static void InitGL(void)
{
    static const GLfloat lightPosition[4] = {2.0f, 4.0f, 6.0f, 1.0f};
    static const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int i;

    for (i = 0; i < 128; i++)
        halftone[i] = (GLubyte)((i / 4) % 2 == 0 ? 0xAA : 0x55);

    glClearColor(0.1f, 0.12f, 0.2f, 0.0f);
    glClearStencil(0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMateriali(GL_FRONT, GL_SHININESS, 40);
    glShadeModel(GL_SMOOTH);

    MakeTexture();

    quadric = gluNewQuadric();
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricTexture(quadric, GL_TRUE);

    glMap2f(GL_MAP2_VERTEX_3, 0.0f, 1.0f, 3, 4, 0.0f, 1.0f, 12, 4, &surface[0][0][0]);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_AUTO_NORMAL);
    glMapGrid2f(8, 0.0f, 1.0f, 8, 0.0f, 1.0f);

    lists = glGenLists(2);
    glNewList(lists, GL_COMPILE);
    gluSphere(quadric, 0.8, 16, 12);
    glEndList();
    glNewList(lists + 1, GL_COMPILE);
    gluCylinder(quadric, 0.5, 0.2, 1.2, 12, 3);
    glEndList();
}

/* The two objects, each under its selection name. */
static void Objects(double turn, int picked)
{
    static const GLdouble plane[4] = {0.0, -1.0, 0.0, 0.6};

    glPushMatrix();
    glTranslated(-1.2, 0.0, 0.0);
    glRotated(turn, 0.0, 1.0, 0.0);
    glLoadName(1);
    glColor3f(picked == 1 ? 1.0f : 0.6f, 0.6f, 0.6f);
    glEnable(GL_TEXTURE_2D);
    glCallList(lists);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();

    glPushMatrix();
    glTranslated(1.2, -0.4, 0.0);
    glRotated(-90.0, 1.0, 0.0, 0.0);
    glLoadName(2);
    glColor3f(0.3f, picked == 2 ? 1.0f : 0.6f, 0.3f);
    glClipPlane(GL_CLIP_PLANE0, plane);
    glEnable(GL_CLIP_PLANE0);
    glCallList(lists + 1);
    glDisable(GL_CLIP_PLANE0);
    glPopMatrix();
}

/* Which object lies under the moving pick point: the nearest hit of the selection buffer, 0 for none. */
static int Pick(double turn)
{
    GLuint hits[64];
    GLint viewport[4];
    GLint found, i;
    GLuint nearest = 0xFFFFFFFFu;
    int picked = 0;
    const int x = (int)(viewWidth / 2 + viewWidth / 3 * (frame % 20 < 10 ? -1 : 1));

    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(64, hits);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix((GLdouble)x, (GLdouble)(viewHeight / 2), 5.0, 5.0, viewport);
    Perspective(viewWidth, viewHeight);
    glMatrixMode(GL_MODELVIEW);
    Objects(turn, 0);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    found = glRenderMode(GL_RENDER);
    for (i = 0; i < found; i++)
    {
        /* Each hit: the count of names, the nearest and farthest depth, then the names. */
        if (hits[i * 4 + 1] < nearest)
        {
            nearest = hits[i * 4 + 1];
            picked = (int)hits[i * 4 + 3];
        }
    }
    return picked;
}

static void Overlays(void)
{
    static GLubyte patch[8][8][4];
    GLubyte corner[4 * 4 * 4];
    int i, j;

    for (i = 0; i < 8; i++)
        for (j = 0; j < 8; j++)
        {
            patch[i][j][0] = (GLubyte)(i * 32);
            patch[i][j][1] = (GLubyte)(j * 32);
            patch[i][j][2] = (GLubyte)((frame * 16) & 0xFF);
            patch[i][j][3] = 255;
        }

    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0.0, (GLdouble)viewWidth, 0.0, (GLdouble)viewHeight);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glColor3f(1.0f, 1.0f, 0.2f);
    glRasterPos2i(8, 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBitmap(8, 13, 0.0f, 0.0f, 10.0f, 0.0f, letterF);
    glBitmap(8, 13, 0.0f, 0.0f, 10.0f, 0.0f, letterF);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    glRasterPos2i(viewWidth - 40, 8);
    glPixelZoom(3.0f, 2.0f);
    glDrawPixels(8, 8, GL_RGBA, GL_UNSIGNED_BYTE, patch);
    glPixelZoom(1.0f, 1.0f);

    /* A corner of the frame so far, read back and drawn again at the top left. */
    glReadPixels(viewWidth / 2, viewHeight / 2, 4, 4, GL_RGBA, GL_UNSIGNED_BYTE, corner);
    glRasterPos2i(4, viewHeight - 12);
    glPixelZoom(2.0f, 2.0f);
    glDrawPixels(4, 4, GL_RGBA, GL_UNSIGNED_BYTE, corner);
    glPixelZoom(1.0f, 1.0f);

    glEnable(GL_POLYGON_STIPPLE);
    glPolygonStipple(halftone);
    glColor3f(0.9f, 0.3f, 0.9f);
    glRecti(viewWidth - 60, viewHeight - 30, viewWidth - 10, viewHeight - 10);
    glDisable(GL_POLYGON_STIPPLE);

    glEnable(GL_LINE_STIPPLE);
    glLineStipple(2, (GLushort)(0x0F0F << (frame % 8)));
    glBegin(GL_LINES);
    glVertex2i(10, viewHeight - 40);
    glVertex2i(viewWidth - 10, viewHeight - 40);
    glEnd();
    glDisable(GL_LINE_STIPPLE);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}

static void DrawScene(void)
{
    static const GLfloat plane[4] = {0.5f, 0.0f, 0.5f, 0.0f};
    const double turn = 7.0 * (double)frame;
    int picked;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(0.0, 1.5, 6.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

    picked = Pick(turn);

    /* The surface marks the stencil buffer; the objects draw where it did not. */
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glPushMatrix();
    glTranslated(0.0, -1.2, -2.0);
    glRotated(-70.0, 1.0, 0.0, 0.0);
    glScaled(1.2, 1.2, 0.6);
    glColor3f(0.4f, 0.5f, 0.9f);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGenfv(GL_S, GL_OBJECT_PLANE, plane);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_2D);
    glEvalMesh2(GL_FILL, 0, 8, 0, 8);
    glPopMatrix();
    glPopAttrib();

    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 1, 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    Objects(turn, picked);
    glDisable(GL_STENCIL_TEST);

    Overlays();
    frame++;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        if (lists != 0)
            glDeleteLists(lists, 2);
        if (texture != 0)
            glDeleteTextures(1, &texture);
        if (quadric != NULL)
            gluDeleteQuadric(quadric);
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
    pfd.cDepthBits = 24;
    pfd.cStencilBits = 8;
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

    if (!CreateGLWindow(hInstance, "A tour of GL 1.1", WIDTH, HEIGHT))
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
