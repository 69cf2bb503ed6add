/*
 * lit_scene.c - a spinning, lit scene drawn with the fixed-function pipeline.
 *
 * Written the way Win32 OpenGL demos were written around the turn of the century: plain C, a window class of
 * its own, a pixel format from ChoosePixelFormat, a WGL context, a PeekMessage loop that draws whenever no
 * message waits, and the scene compiled into display lists once. Closing the window ends the program with
 * exit code 0; it answers 1 when it cannot make its window or its context.
 */

#include <windows.h>
#include <GL/gl.h>

/* GL 1.3 is newer than the system's gl.h: its entry points come from wglGetProcAddress. */
#ifndef GL_TEXTURE0
#define GL_TEXTURE0 0x84C0
#endif
typedef void (APIENTRY *SELECTTEXTUREUNITPROC)(GLenum texture);

typedef struct
{
    GLfloat ambient[4];
    GLfloat diffuse[4];
    GLfloat specular[4];
    GLfloat shininess;
} MATERIAL;

static const MATERIAL floorMaterial = {
    {0.05f, 0.10f, 0.05f, 1.0f}, {0.30f, 0.50f, 0.30f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, 0.0f};
static const MATERIAL redPlastic = {
    {0.10f, 0.0f, 0.0f, 1.0f}, {0.80f, 0.10f, 0.10f, 1.0f}, {0.70f, 0.60f, 0.60f, 1.0f}, 32.0f};
static const MATERIAL brass = {
    {0.33f, 0.22f, 0.03f, 1.0f}, {0.78f, 0.57f, 0.11f, 1.0f}, {0.99f, 0.94f, 0.81f, 1.0f}, 28.0f};

static const char className[] = "LitScene";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static GLuint sceneLists = 0;
static SELECTTEXTUREUNITPROC SelectTextureUnit = NULL;
static GLfloat angle = 0.0f;

static void SetMaterial(const MATERIAL *material)
{
    glMaterialfv(GL_FRONT, GL_AMBIENT, material->ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material->diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material->specular);
    glMaterialf(GL_FRONT, GL_SHININESS, material->shininess);
}

/* A grid of quads rather than one, so that the positional light shades it across. */
static void Floor(void)
{
    int i, j;

    glNormal3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    for (i = -5; i < 5; i++)
    {
        for (j = -5; j < 5; j++)
        {
            glVertex3f((GLfloat)i, 0.0f, (GLfloat)j);
            glVertex3f((GLfloat)i, 0.0f, (GLfloat)(j + 1));
            glVertex3f((GLfloat)(i + 1), 0.0f, (GLfloat)(j + 1));
            glVertex3f((GLfloat)(i + 1), 0.0f, (GLfloat)j);
        }
    }
    glEnd();
}

/* Corner i of the cube has x, y and z at +size where bit 0, 1 and 2 of i are set, at -size elsewhere. */
static void Cube(GLfloat size)
{
    static const GLfloat normals[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    static const int faces[6][4] = {{1, 3, 7, 5}, {0, 4, 6, 2}, {2, 6, 7, 3}, {0, 1, 5, 4}, {4, 5, 7, 6}, {0, 2, 3, 1}};
    int face, corner;

    glBegin(GL_QUADS);
    for (face = 0; face < 6; face++)
    {
        glNormal3fv(normals[face]);
        for (corner = 0; corner < 4; corner++)
        {
            int c = faces[face][corner];
            glVertex3f(c & 1 ? size : -size, c & 2 ? size : -size, c & 4 ? size : -size);
        }
    }
    glEnd();
}

/* Eight flat faces, one per octant; an odd number of negative axes turns a face's winding around. */
static void Octahedron(GLfloat size)
{
    int octant;

    glBegin(GL_TRIANGLES);
    for (octant = 0; octant < 8; octant++)
    {
        GLfloat x = octant & 1 ? -1.0f : 1.0f;
        GLfloat y = octant & 2 ? -1.0f : 1.0f;
        GLfloat z = octant & 4 ? -1.0f : 1.0f;

        glNormal3f(x * 0.57735f, y * 0.57735f, z * 0.57735f);
        glVertex3f(x * size, 0.0f, 0.0f);
        if (x * y * z > 0.0f)
        {
            glVertex3f(0.0f, y * size, 0.0f);
            glVertex3f(0.0f, 0.0f, z * size);
        }
        else
        {
            glVertex3f(0.0f, 0.0f, z * size);
            glVertex3f(0.0f, y * size, 0.0f);
        }
    }
    glEnd();
}

/* List sceneLists holds the floor, sceneLists + 1 the two objects that spin above it. */
static void BuildLists(void)
{
    sceneLists = glGenLists(2);

    glNewList(sceneLists, GL_COMPILE);
    SetMaterial(&floorMaterial);
    Floor();
    glEndList();

    glNewList(sceneLists + 1, GL_COMPILE);
    glPushMatrix();
    glTranslatef(-1.2f, 0.6f, 0.0f);
    SetMaterial(&redPlastic);
    Cube(0.6f);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(1.2f, 0.9f, 0.0f);
    SetMaterial(&brass);
    Octahedron(0.9f);
    glPopMatrix();
    glEndList();
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
    glFrustum(-0.5 * aspect, 0.5 * aspect, -0.5, 0.5, 1.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static BOOL InitGL(void)
{
    static const GLfloat lightAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    static const GLfloat lightDiffuse[] = {1.0f, 1.0f, 0.9f, 1.0f};
    static const GLfloat lightSpecular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    static const GLfloat sceneAmbient[] = {0.1f, 0.1f, 0.1f, 1.0f};

    glShadeModel(GL_SMOOTH);
    glClearColor(0.1f, 0.1f, 0.2f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);

    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, sceneAmbient);
    /* A mistake kept on purpose: two-sided lighting is a glLightModeli setting, not a capability, so the
       driver answers GL_INVALID_ENUM here and draws on. */
    glEnable(GL_LIGHT_MODEL_TWO_SIDE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    BuildLists();

    /* Through void (*)(void), which converts to any function pointer type without a warning. */
    SelectTextureUnit = (SELECTTEXTUREUNITPROC)(void (*)(void))wglGetProcAddress("glActiveTexture");
    return SelectTextureUnit != NULL;
}

static void DrawScene(void)
{
    static const GLfloat lightPosition[] = {2.0f, 4.0f, 3.0f, 1.0f};

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, -1.0f, -7.0f);
    glRotatef(20.0f, 1.0f, 0.0f, 0.0f);
    /* Given in eye space after the view transform, so that the light stays put while the objects spin. */
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);

    SelectTextureUnit(GL_TEXTURE0);
    glCallList(sceneLists);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    glCallList(sceneLists + 1);

    angle += 2.0f;
    if (angle >= 360.0f)
        angle -= 360.0f;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        if (sceneLists != 0)
            glDeleteLists(sceneLists, 2);
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

    /* The window is sized so that its client area, which GL draws into, is width by height. */
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

    if (!CreateGLWindow(hInstance, "Lit scene", 640, 480) || !InitGL())
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
