/*
 * fog_lights.c - rows of lit columns fading into fog, with a positional and a directional light.
 *
 * A Win32 OpenGL demo in the manner of its time: plain C, a window class of its own, ChoosePixelFormat, a
 * PeekMessage loop, materials and the scene compiled into display lists, and a perspective from glFrustum with
 * the aspect ratio of the client area. Everything moves with the frame count, so that every run draws the same
 * frames. Closing the window ends the program with exit code 0; it answers 1 without a window or context.
 */

#include <windows.h>
#include <GL/gl.h>

#define WIDTH 240
#define HEIGHT 160
#define ROWS 4
#define COLUMNS 3

typedef struct
{
    GLfloat ambient[4];
    GLfloat diffuse[4];
    GLfloat specular[4];
    GLfloat emission[4];
    GLfloat shininess;
} MATERIAL;

static const MATERIAL materials[COLUMNS] = {
    {{0.20f, 0.05f, 0.05f, 1.0f}, {0.80f, 0.20f, 0.15f, 1.0f}, {0.9f, 0.9f, 0.9f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, 60.0f},
    {{0.05f, 0.15f, 0.05f, 1.0f}, {0.25f, 0.70f, 0.30f, 1.0f}, {0.2f, 0.2f, 0.2f, 1.0f}, {0.0f, 0.05f, 0.0f, 1.0f}, 8.0f},
    {{0.25f, 0.20f, 0.05f, 1.0f}, {0.75f, 0.60f, 0.20f, 1.0f}, {1.0f, 0.9f, 0.6f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, 25.0f}};
static const MATERIAL ground = {
    {0.10f, 0.10f, 0.12f, 1.0f}, {0.40f, 0.40f, 0.45f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, 0.0f};

static const char className[] = "FogLights";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static GLuint lists = 0;
static unsigned long frame = 0;

static void SetMaterial(const MATERIAL *material)
{
    glMaterialfv(GL_FRONT, GL_AMBIENT, material->ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material->diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material->specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material->emission);
    glMaterialf(GL_FRONT, GL_SHININESS, material->shininess);
}

/* A square column of unit height around the y axis, with its top. Side i runs from corner i to corner i + 1
   of the ring, counter-clockwise seen from outside. */
static void Column(GLfloat half)
{
    static const GLfloat ring[5][2] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    static const GLfloat normals[4][3] = {{0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}};
    int side;

    glBegin(GL_QUADS);
    for (side = 0; side < 4; side++)
    {
        glNormal3fv(normals[side]);
        glVertex3f(ring[side][0] * half, 0.0f, ring[side][1] * half);
        glVertex3f(ring[side + 1][0] * half, 0.0f, ring[side + 1][1] * half);
        glVertex3f(ring[side + 1][0] * half, 1.0f, ring[side + 1][1] * half);
        glVertex3f(ring[side][0] * half, 1.0f, ring[side][1] * half);
    }
    glNormal3f(0.0f, 1.0f, 0.0f);
    for (side = 0; side < 4; side++)
        glVertex3f(ring[side][0] * half, 1.0f, ring[side][1] * half);
    glEnd();
}

/* Strips across the ground, so that the positional light and the fog shade it along its depth. */
static void Ground(void)
{
    int z;

    glNormal3f(0.0f, 1.0f, 0.0f);
    for (z = 2; z > -24; z--)
    {
        glBegin(GL_QUADS);
        glVertex3d(-6.0, 0.0, (GLdouble)z);
        glVertex3d(6.0, 0.0, (GLdouble)z);
        glVertex3d(6.0, 0.0, (GLdouble)(z - 1));
        glVertex3d(-6.0, 0.0, (GLdouble)(z - 1));
        glEnd();
    }
}

/* List `lists` holds the ground, lists + 1 + c a column of material c. */
static void BuildLists(void)
{
    int c;

    lists = glGenLists(1 + COLUMNS);
    glNewList(lists, GL_COMPILE);
    SetMaterial(&ground);
    Ground();
    glEndList();
    for (c = 0; c < COLUMNS; c++)
    {
        glNewList(lists + 1 + c, GL_COMPILE);
        SetMaterial(&materials[c]);
        Column(0.35f);
        glEndList();
    }
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
    glFrustum(-0.4 * aspect, 0.4 * aspect, -0.4, 0.4, 1.0, 40.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static void InitGL(void)
{
    static const GLfloat sceneAmbient[] = {0.15f, 0.15f, 0.18f, 1.0f};
    static const GLfloat fogColour[] = {0.55f, 0.60f, 0.70f, 1.0f};
    static const GLfloat lampDiffuse[] = {1.0f, 0.85f, 0.6f, 1.0f};
    static const GLfloat sunDiffuse[] = {0.35f, 0.40f, 0.55f, 1.0f};
    static const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};

    glShadeModel(GL_SMOOTH);
    glClearColor(fogColour[0], fogColour[1], fogColour[2], fogColour[3]);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);

    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, sceneAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lampDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 0.6f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.08f);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, sunDiffuse);
    glLightfv(GL_LIGHT1, GL_SPECULAR, sunDiffuse);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);

    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_START, 4.0f);
    glFogf(GL_FOG_END, 22.0f);
    glHint(GL_FOG_HINT, GL_NICEST);
    glEnable(GL_FOG);

    BuildLists();
}

static void DrawScene(void)
{
    /* The lamp circles above the columns; w = 0 makes the second light a direction, like the sun. */
    GLfloat lampPosition[] = {0.0f, 1.6f, -6.0f, 1.0f};
    static const GLfloat sunDirection[] = {-0.5f, 1.0f, 0.3f, 0.0f};
    const double turn = (double)(frame % 120) * 3.0;
    int row, c;

    lampPosition[0] = (GLfloat)(frame % 60) / 10.0f - 3.0f;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslated(0.0, -1.2, -2.5);
    glRotated(12.0, 1.0, 0.0, 0.0);
    glLightfv(GL_LIGHT0, GL_POSITION, lampPosition);
    glLightfv(GL_LIGHT1, GL_POSITION, sunDirection);

    glCallList(lists);
    for (row = 0; row < ROWS; row++)
    {
        for (c = 0; c < COLUMNS; c++)
        {
            glPushMatrix();
            glTranslated(2.0 * (c - 1), 0.0, -3.0 - 5.0 * row);
            glRotated(turn + 30.0 * row, 0.0, 1.0, 0.0);
            glScaled(1.0, 1.0 + 0.5 * c, 1.0);
            glCallList(lists + 1 + c);
            glPopMatrix();
        }
    }
    frame++;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        if (lists != 0)
            glDeleteLists(lists, 1 + COLUMNS);
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

    if (!CreateGLWindow(hInstance, "Fog and lights", WIDTH, HEIGHT))
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
