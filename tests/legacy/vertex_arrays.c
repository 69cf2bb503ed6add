/*
 * vertex_arrays.c - a rippling, lit sheet, a spinning cube and a pulsing fan, all drawn from client arrays.
 *
 * A Win32 OpenGL demo in the manner of its time: plain C, a window class of its own, ChoosePixelFormat and a
 * PeekMessage loop. The sheet's positions, normals and colours are computed anew on the CPU every frame and
 * drawn with glDrawElements and 16-bit indices; the cube takes 32-bit indices; the fan comes from
 * glInterleavedArrays and glDrawArrays; the sheet's edge is drawn with glArrayElement between glBegin and
 * glEnd. Everything moves with the frame count. Closing the window ends the program with exit code 0; it
 * answers 1 without a window or context.
 */

#include <windows.h>
#include <GL/gl.h>
#include <math.h>

#define WIDTH 200
#define HEIGHT 150

/* The sheet: SIDE by SIDE vertices, two triangles per cell. */
#define SIDE 17
#define SHEET_VERTICES (SIDE * SIDE)
#define SHEET_INDICES ((SIDE - 1) * (SIDE - 1) * 6)
#define EDGE_VERTICES (4 * (SIDE - 1))
#define FAN_VERTICES 8

typedef struct
{
    GLubyte colour[4];
    GLfloat position[3];
} FAN_VERTEX;

static const char className[] = "VertexArrays";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static GLuint checker = 0;
static unsigned long frame = 0;

static GLfloat sheetPositions[SHEET_VERTICES][3];
static GLfloat sheetNormals[SHEET_VERTICES][3];
static GLubyte sheetColours[SHEET_VERTICES][4];
static GLfloat sheetTexCoords[SHEET_VERTICES][2];
static GLushort sheetIndices[SHEET_INDICES];
static GLushort edge[EDGE_VERTICES];
static FAN_VERTEX fan[FAN_VERTICES];

/* Corner i of the cube has x, y and z at +1 where bit 0, 1 and 2 of i are set, at -1 elsewhere. */
static GLfloat cubePositions[8][3];
static GLfloat cubeColours[8][3];
static const GLuint cubeIndices[36] = {
    1, 3, 7, 1, 7, 5, 0, 4, 6, 0, 6, 2, 2, 6, 7, 2, 7, 3, 0, 1, 5, 0, 5, 4, 4, 5, 7, 4, 7, 6, 0, 2, 3, 0, 3, 1};

/* The parts of the arrays that never change: texture coordinates, the index lists, the cube. */
static void BuildFixedArrays(void)
{
    int row, column, corner, side, n = 0;

    for (row = 0; row < SIDE; row++)
    {
        for (column = 0; column < SIDE; column++)
        {
            sheetTexCoords[row * SIDE + column][0] = (GLfloat)column / 4.0f;
            sheetTexCoords[row * SIDE + column][1] = (GLfloat)row / 4.0f;
        }
    }
    for (row = 0; row < SIDE - 1; row++)
    {
        for (column = 0; column < SIDE - 1; column++)
        {
            const GLushort corner00 = (GLushort)(row * SIDE + column);
            const GLushort corner01 = (GLushort)(corner00 + SIDE);

            sheetIndices[n++] = corner00;
            sheetIndices[n++] = corner01;
            sheetIndices[n++] = (GLushort)(corner00 + 1);
            sheetIndices[n++] = (GLushort)(corner00 + 1);
            sheetIndices[n++] = corner01;
            sheetIndices[n++] = (GLushort)(corner01 + 1);
        }
    }
    /* Round the edge: along the first row, up the last column, back along the last row, down the first. */
    for (side = 0; side < SIDE - 1; side++)
    {
        edge[side] = (GLushort)side;
        edge[SIDE - 1 + side] = (GLushort)(SIDE - 1 + side * SIDE);
        edge[2 * (SIDE - 1) + side] = (GLushort)(SHEET_VERTICES - 1 - side);
        edge[3 * (SIDE - 1) + side] = (GLushort)((SIDE - 1 - side) * SIDE);
    }
    for (corner = 0; corner < 8; corner++)
    {
        cubePositions[corner][0] = corner & 1 ? 1.0f : -1.0f;
        cubePositions[corner][1] = corner & 2 ? 1.0f : -1.0f;
        cubePositions[corner][2] = corner & 4 ? 1.0f : -1.0f;
        cubeColours[corner][0] = corner & 1 ? 1.0f : 0.2f;
        cubeColours[corner][1] = corner & 2 ? 1.0f : 0.2f;
        cubeColours[corner][2] = corner & 4 ? 1.0f : 0.2f;
    }
}

/* The sheet's ripple and colours at this frame; the normals follow the slope of the ripple. */
static void AnimateSheet(void)
{
    const float phase = (float)frame * 0.3f;
    int row, column;

    for (row = 0; row < SIDE; row++)
    {
        for (column = 0; column < SIDE; column++)
        {
            const int i = row * SIDE + column;
            const float x = (float)column / (SIDE - 1) * 4.0f - 2.0f;
            const float z = (float)row / (SIDE - 1) * 4.0f - 2.0f;
            const float wave = 1.5f * x + 1.1f * z + phase;
            const float length = sqrtf(1.0f + 0.0625f * (1.5f * 1.5f + 1.1f * 1.1f) * cosf(wave) * cosf(wave));

            sheetPositions[i][0] = x;
            sheetPositions[i][1] = 0.25f * sinf(wave);
            sheetPositions[i][2] = z;
            sheetNormals[i][0] = -0.25f * 1.5f * cosf(wave) / length;
            sheetNormals[i][1] = 1.0f / length;
            sheetNormals[i][2] = -0.25f * 1.1f * cosf(wave) / length;
            sheetColours[i][0] = (GLubyte)(128 + 127 * sinf(wave));
            sheetColours[i][1] = (GLubyte)(column * 15);
            sheetColours[i][2] = (GLubyte)(255 - row * 15);
            sheetColours[i][3] = 255;
        }
    }
}

/* A hexagon-like fan whose rim pulses and whose colours turn with the frame. */
static void AnimateFan(void)
{
    const float radius = 0.45f + 0.1f * sinf((float)frame * 0.5f);
    int i;

    fan[0].colour[0] = fan[0].colour[1] = fan[0].colour[2] = fan[0].colour[3] = 255;
    fan[0].position[0] = fan[0].position[1] = fan[0].position[2] = 0.0f;
    for (i = 1; i < FAN_VERTICES; i++)
    {
        const float angle = (float)(i - 1) * 6.2831853f / (FAN_VERTICES - 2);

        fan[i].colour[0] = (GLubyte)((i * 60 + frame * 10) & 255);
        fan[i].colour[1] = (GLubyte)((i * 110) & 255);
        fan[i].colour[2] = (GLubyte)((255 - i * 30 - frame * 10) & 255);
        fan[i].colour[3] = 255;
        fan[i].position[0] = radius * cosf(angle);
        fan[i].position[1] = radius * sinf(angle);
        fan[i].position[2] = 0.0f;
    }
}

static void MakeCheckerTexture(void)
{
    GLubyte texels[4][4][4];
    int x, y;

    for (y = 0; y < 4; y++)
    {
        for (x = 0; x < 4; x++)
        {
            const GLubyte value = (GLubyte)((x + y) & 1 ? 255 : 150);

            texels[y][x][0] = texels[y][x][1] = texels[y][x][2] = value;
            texels[y][x][3] = 255;
        }
    }
    glGenTextures(1, &checker);
    glBindTexture(GL_TEXTURE_2D, checker);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 4, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
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
    glFrustum(-0.5 * aspect, 0.5 * aspect, -0.5, 0.5, 1.0, 30.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

static void InitGL(void)
{
    static const GLfloat lightPosition[] = {1.0f, 3.0f, 2.0f, 0.0f};

    glClearColor(0.1f, 0.1f, 0.15f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glEnable(GL_LIGHT0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    BuildFixedArrays();
    MakeCheckerTexture();
}

static void DrawSheet(void)
{
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, sheetPositions);
    glNormalPointer(GL_FLOAT, 0, sheetNormals);
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, sheetColours);
    glTexCoordPointer(2, GL_FLOAT, 0, sheetTexCoords);
    glDrawElements(GL_TRIANGLES, SHEET_INDICES, GL_UNSIGNED_SHORT, sheetIndices);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
}

/* The vertex array still points at the sheet: its edge, vertex by vertex. */
static void DrawSheetEdge(void)
{
    int i;

    glColor3f(1.0f, 1.0f, 0.6f);
    glBegin(GL_LINE_LOOP);
    for (i = 0; i < EDGE_VERTICES; i++)
        glArrayElement(edge[i]);
    glEnd();
}

static void DrawCube(void)
{
    glPushMatrix();
    glTranslatef(-1.4f, 0.9f, 0.0f);
    glRotatef((GLfloat)(frame % 72) * 5.0f, 0.3f, 1.0f, 0.2f);
    glScalef(0.35f, 0.35f, 0.35f);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, cubePositions);
    glColorPointer(3, GL_FLOAT, 0, cubeColours);
    glDrawElements(GL_TRIANGLES, 36, GL_UNSIGNED_INT, cubeIndices);
    glDisableClientState(GL_COLOR_ARRAY);
    glPopMatrix();
}

/* glInterleavedArrays sets the colour and vertex arrays and turns the others off. */
static void DrawFan(void)
{
    glPushMatrix();
    glTranslatef(1.3f, 0.9f, 0.0f);
    glInterleavedArrays(GL_C4UB_V3F, 0, fan);
    glDrawArrays(GL_TRIANGLE_FAN, 0, FAN_VERTICES);
    glDisableClientState(GL_COLOR_ARRAY);
    glPopMatrix();
}

static void DrawScene(void)
{
    AnimateSheet();
    AnimateFan();

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, -0.4f, -5.0f);
    glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
    DrawSheet();
    DrawSheetEdge();
    DrawCube();
    DrawFan();
    glDisableClientState(GL_VERTEX_ARRAY);
    frame++;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        glDeleteTextures(1, &checker);
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

    if (!CreateGLWindow(hInstance, "Vertex arrays", WIDTH, HEIGHT))
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
