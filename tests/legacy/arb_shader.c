/*
 * arb_shader.c - a star and a ribbon drawn by a GLSL program from one vertex buffer.
 *
 * A Win32 OpenGL demo in the manner of its time: plain C, a window class of its own, ChoosePixelFormat and a
 * PeekMessage loop, with the ARB shader-object and vertex-buffer entry points fetched by wglGetProcAddress. The
 * vertex buffer is allocated empty, then filled anew every frame through glMapBufferARB; each shape is drawn
 * from its own offset into it. The program's transform and its palette (a uniform array) change every frame.
 * Everything moves with the frame count. Closing the window ends the program with exit code 0; it answers 1
 * without a window, a context, the entry points or a program that compiles and links.
 */

#include <windows.h>
#include <GL/gl.h>
#include <math.h>
#include <stddef.h>

#define WIDTH 160
#define HEIGHT 160

/* GL_ARB_shader_objects, GL_ARB_vertex_shader, GL_ARB_fragment_shader and GL_ARB_vertex_buffer_object are
   newer than the system's gl.h. */
#define GL_FRAGMENT_SHADER_ARB 0x8B30
#define GL_VERTEX_SHADER_ARB 0x8B31
#define GL_OBJECT_COMPILE_STATUS_ARB 0x8B81
#define GL_OBJECT_LINK_STATUS_ARB 0x8B82
#define GL_ARRAY_BUFFER_ARB 0x8892
#define GL_WRITE_ONLY_ARB 0x88B9
#define GL_STREAM_DRAW_ARB 0x88E0

typedef unsigned int GLhandleARB;
typedef char GLcharARB;
typedef ptrdiff_t GLsizeiptrARB;

typedef GLhandleARB (APIENTRY *PFNGLCREATESHADEROBJECTARBPROC)(GLenum shaderType);
typedef void (APIENTRY *PFNGLSHADERSOURCEARBPROC)(GLhandleARB shader, GLsizei count, const GLcharARB **string,
    const GLint *length);
typedef void (APIENTRY *PFNGLCOMPILESHADERARBPROC)(GLhandleARB shader);
typedef GLhandleARB (APIENTRY *PFNGLCREATEPROGRAMOBJECTARBPROC)(void);
typedef void (APIENTRY *PFNGLATTACHOBJECTARBPROC)(GLhandleARB container, GLhandleARB object);
typedef void (APIENTRY *PFNGLLINKPROGRAMARBPROC)(GLhandleARB program);
typedef void (APIENTRY *PFNGLUSEPROGRAMOBJECTARBPROC)(GLhandleARB program);
typedef void (APIENTRY *PFNGLGETOBJECTPARAMETERIVARBPROC)(GLhandleARB object, GLenum name, GLint *params);
typedef GLint (APIENTRY *PFNGLGETUNIFORMLOCATIONARBPROC)(GLhandleARB program, const GLcharARB *name);
typedef void (APIENTRY *PFNGLUNIFORM4FVARBPROC)(GLint location, GLsizei count, const GLfloat *value);
typedef void (APIENTRY *PFNGLUNIFORMMATRIX4FVARBPROC)(GLint location, GLsizei count, GLboolean transpose,
    const GLfloat *value);
typedef void (APIENTRY *PFNGLDELETEOBJECTARBPROC)(GLhandleARB object);
typedef void (APIENTRY *PFNGLGENBUFFERSARBPROC)(GLsizei n, GLuint *buffers);
typedef void (APIENTRY *PFNGLBINDBUFFERARBPROC)(GLenum target, GLuint buffer);
typedef void (APIENTRY *PFNGLBUFFERDATAARBPROC)(GLenum target, GLsizeiptrARB size, const void *data, GLenum usage);
typedef void *(APIENTRY *PFNGLMAPBUFFERARBPROC)(GLenum target, GLenum access);
typedef GLboolean (APIENTRY *PFNGLUNMAPBUFFERARBPROC)(GLenum target);
typedef void (APIENTRY *PFNGLDELETEBUFFERSARBPROC)(GLsizei n, const GLuint *buffers);

static PFNGLCREATESHADEROBJECTARBPROC glCreateShaderObjectARB;
static PFNGLSHADERSOURCEARBPROC glShaderSourceARB;
static PFNGLCOMPILESHADERARBPROC glCompileShaderARB;
static PFNGLCREATEPROGRAMOBJECTARBPROC glCreateProgramObjectARB;
static PFNGLATTACHOBJECTARBPROC glAttachObjectARB;
static PFNGLLINKPROGRAMARBPROC glLinkProgramARB;
static PFNGLUSEPROGRAMOBJECTARBPROC glUseProgramObjectARB;
static PFNGLGETOBJECTPARAMETERIVARBPROC glGetObjectParameterivARB;
static PFNGLGETUNIFORMLOCATIONARBPROC glGetUniformLocationARB;
static PFNGLUNIFORM4FVARBPROC glUniform4fvARB;
static PFNGLUNIFORMMATRIX4FVARBPROC glUniformMatrix4fvARB;
static PFNGLDELETEOBJECTARBPROC glDeleteObjectARB;
static PFNGLGENBUFFERSARBPROC glGenBuffersARB;
static PFNGLBINDBUFFERARBPROC glBindBufferARB;
static PFNGLBUFFERDATAARBPROC glBufferDataARB;
static PFNGLMAPBUFFERARBPROC glMapBufferARB;
static PFNGLUNMAPBUFFERARBPROC glUnmapBufferARB;
static PFNGLDELETEBUFFERSARBPROC glDeleteBuffersARB;

/* The star's centre and ten rim points, the ribbon's twelve points; each point has a position and a colour. */
#define STAR_VERTICES 12
#define RIBBON_VERTICES 12
#define VERTICES (STAR_VERTICES + RIBBON_VERTICES)
#define PALETTE_SIZE 3

/* The buffer holds every position first, then every colour: three floats each. */
#define POSITIONS_OFFSET 0
#define RIBBON_OFFSET (STAR_VERTICES * 3 * sizeof(GLfloat))
#define COLOURS_OFFSET (VERTICES * 3 * sizeof(GLfloat))
#define BUFFER_SIZE (2 * VERTICES * 3 * sizeof(GLfloat))

static const GLcharARB *vertexSource =
    "uniform mat4 transform;\n"
    "uniform vec4 palette[3];\n"
    "varying vec4 colour;\n"
    "void main()\n"
    "{\n"
    "    gl_Position = transform * gl_Vertex;\n"
    "    colour = palette[0] * gl_Color.r + palette[1] * gl_Color.g + palette[2] * gl_Color.b;\n"
    "}\n";

static const GLcharARB *fragmentSource =
    "varying vec4 colour;\n"
    "void main()\n"
    "{\n"
    "    gl_FragColor = clamp(colour, 0.0, 1.0);\n"
    "}\n";

static const char className[] = "ArbShader";

static HWND hWnd = NULL;
static HDC hDC = NULL;
static HGLRC hRC = NULL;
static GLhandleARB program = 0;
static GLint transformLocation = -1;
static GLint paletteLocation = -1;
static GLuint vertexBuffer = 0;
static unsigned long frame = 0;

/* Through void (*)(void), which converts to any function pointer type without a warning. */
#define FETCH(type, name) (name = (type)(void (*)(void))wglGetProcAddress(#name)) != NULL

static BOOL FetchEntryPoints(void)
{
    return FETCH(PFNGLCREATESHADEROBJECTARBPROC, glCreateShaderObjectARB) &&
        FETCH(PFNGLSHADERSOURCEARBPROC, glShaderSourceARB) && FETCH(PFNGLCOMPILESHADERARBPROC, glCompileShaderARB) &&
        FETCH(PFNGLCREATEPROGRAMOBJECTARBPROC, glCreateProgramObjectARB) &&
        FETCH(PFNGLATTACHOBJECTARBPROC, glAttachObjectARB) && FETCH(PFNGLLINKPROGRAMARBPROC, glLinkProgramARB) &&
        FETCH(PFNGLUSEPROGRAMOBJECTARBPROC, glUseProgramObjectARB) &&
        FETCH(PFNGLGETOBJECTPARAMETERIVARBPROC, glGetObjectParameterivARB) &&
        FETCH(PFNGLGETUNIFORMLOCATIONARBPROC, glGetUniformLocationARB) &&
        FETCH(PFNGLUNIFORM4FVARBPROC, glUniform4fvARB) && FETCH(PFNGLUNIFORMMATRIX4FVARBPROC, glUniformMatrix4fvARB) &&
        FETCH(PFNGLDELETEOBJECTARBPROC, glDeleteObjectARB) && FETCH(PFNGLGENBUFFERSARBPROC, glGenBuffersARB) &&
        FETCH(PFNGLBINDBUFFERARBPROC, glBindBufferARB) && FETCH(PFNGLBUFFERDATAARBPROC, glBufferDataARB) &&
        FETCH(PFNGLMAPBUFFERARBPROC, glMapBufferARB) && FETCH(PFNGLUNMAPBUFFERARBPROC, glUnmapBufferARB) &&
        FETCH(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB);
}

/* Attaches a shader of `type` compiled from `source` to the program; FALSE when it does not compile. */
static BOOL AttachShader(GLenum type, const GLcharARB *source)
{
    const GLhandleARB shader = glCreateShaderObjectARB(type);
    GLint compiled = 0;

    glShaderSourceARB(shader, 1, &source, NULL);
    glCompileShaderARB(shader);
    glGetObjectParameterivARB(shader, GL_OBJECT_COMPILE_STATUS_ARB, &compiled);
    if (compiled)
        glAttachObjectARB(program, shader);
    /* Attached, it lives on with the program. */
    glDeleteObjectARB(shader);
    return compiled != 0;
}

static BOOL BuildProgram(void)
{
    GLint linked = 0;

    program = glCreateProgramObjectARB();
    if (!AttachShader(GL_VERTEX_SHADER_ARB, vertexSource) || !AttachShader(GL_FRAGMENT_SHADER_ARB, fragmentSource))
        return FALSE;
    glLinkProgramARB(program);
    glGetObjectParameterivARB(program, GL_OBJECT_LINK_STATUS_ARB, &linked);
    if (!linked)
        return FALSE;
    transformLocation = glGetUniformLocationARB(program, "transform");
    paletteLocation = glGetUniformLocationARB(program, "palette");
    return transformLocation != -1 && paletteLocation != -1;
}

static void SetVertex(GLfloat *vertices, int index, float x, float y, float red, float green, float blue)
{
    GLfloat *position = vertices + index * 3;
    GLfloat *colour = vertices + VERTICES * 3 + index * 3;

    position[0] = x;
    position[1] = y;
    position[2] = 0.0f;
    colour[0] = red;
    colour[1] = green;
    colour[2] = blue;
}

/* This frame's star (a fan) and ribbon (a strip), written straight into the mapped buffer. */
static void FillVertices(GLfloat *vertices)
{
    const float phase = (float)frame * 0.25f;
    int i;

    SetVertex(vertices, 0, 0.0f, 0.3f, 1.0f, 1.0f, 1.0f);
    for (i = 1; i < STAR_VERTICES; i++)
    {
        const float angle = (float)(i - 1) * 6.2831853f / (STAR_VERTICES - 2);
        const float radius = (i & 1) ? 0.55f : 0.25f + 0.05f * sinf(phase);

        SetVertex(vertices, i, radius * sinf(angle), 0.3f + radius * cosf(angle), (i & 1) ? 1.0f : 0.0f,
            (i & 1) ? 0.0f : 1.0f, 0.0f);
    }
    for (i = 0; i < RIBBON_VERTICES; i++)
    {
        const float x = -0.9f + 1.8f * (float)(i / 2) / (RIBBON_VERTICES / 2 - 1);
        const float y = -0.6f + 0.12f * sinf(3.0f * x + phase) + ((i & 1) ? 0.15f : 0.0f);

        SetVertex(vertices, STAR_VERTICES + i, x, y, 0.0f, (float)(i & 1), 1.0f);
    }
}

static BOOL InitGL(void)
{
    if (!FetchEntryPoints() || !BuildProgram())
        return FALSE;

    glGenBuffersARB(1, &vertexBuffer);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
    glBufferDataARB(GL_ARRAY_BUFFER_ARB, BUFFER_SIZE, NULL, GL_STREAM_DRAW_ARB);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);

    glClearColor(0.15f, 0.1f, 0.2f, 1.0f);
    return TRUE;
}

/* A turn about the z axis and a small shift, as GL takes a matrix: column by column. */
static void SetTransform(void)
{
    const float angle = (float)(frame % 80) * 0.0785398f;
    GLfloat matrix[16] = {0};

    matrix[0] = cosf(angle);
    matrix[1] = sinf(angle) * 0.3f;
    matrix[4] = -sinf(angle) * 0.3f;
    matrix[5] = cosf(angle);
    matrix[10] = 1.0f;
    matrix[12] = 0.05f * sinf(angle);
    matrix[15] = 1.0f;
    glUniformMatrix4fvARB(transformLocation, 1, GL_FALSE, matrix);
}

/* What the red, green and blue of a vertex colour stand for in this frame. */
static void SetPalette(void)
{
    const float pulse = 0.5f + 0.5f * sinf((float)frame * 0.4f);
    const GLfloat palette[PALETTE_SIZE * 4] = {
        1.0f, 0.4f * pulse, 0.1f, 1.0f,
        0.2f, 0.9f, 0.3f + 0.5f * pulse, 1.0f,
        0.1f, 0.3f, 1.0f - 0.4f * pulse, 1.0f};

    glUniform4fvARB(paletteLocation, PALETTE_SIZE, palette);
}

static void DrawScene(void)
{
    GLfloat *vertices;

    glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
    vertices = (GLfloat *)glMapBufferARB(GL_ARRAY_BUFFER_ARB, GL_WRITE_ONLY_ARB);
    if (vertices != NULL)
    {
        FillVertices(vertices);
        glUnmapBufferARB(GL_ARRAY_BUFFER_ARB);
    }

    glClear(GL_COLOR_BUFFER_BIT);
    glUseProgramObjectARB(program);
    SetTransform();
    SetPalette();

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, (const GLvoid *)POSITIONS_OFFSET);
    glColorPointer(3, GL_FLOAT, 0, (const GLvoid *)COLOURS_OFFSET);
    glDrawArrays(GL_TRIANGLE_FAN, 0, STAR_VERTICES);
    /* The ribbon's points follow the star's in both halves of the buffer. */
    glVertexPointer(3, GL_FLOAT, 0, (const GLvoid *)RIBBON_OFFSET);
    glColorPointer(3, GL_FLOAT, 0, (const GLvoid *)(COLOURS_OFFSET + RIBBON_OFFSET));
    glDrawArrays(GL_TRIANGLE_STRIP, 0, RIBBON_VERTICES);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);

    glUseProgramObjectARB(0);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    frame++;
}

/* Called while the window still exists (WM_DESTROY), so that the device context can still be released. */
static void KillGL(void)
{
    if (hRC != NULL)
    {
        if (vertexBuffer != 0)
            glDeleteBuffersARB(1, &vertexBuffer);
        if (program != 0)
            glDeleteObjectARB(program);
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
            glViewport(0, 0, LOWORD(lParam), HIWORD(lParam));
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
    glViewport(0, 0, rect.right, rect.bottom);
    return TRUE;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    MSG msg;
    BOOL done = FALSE;

    UNREFERENCED_PARAMETER(hPrevInstance);
    UNREFERENCED_PARAMETER(lpCmdLine);
    UNREFERENCED_PARAMETER(nCmdShow);

    if (!CreateGLWindow(hInstance, "ARB shader", WIDTH, HEIGHT) || !InitGL())
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
