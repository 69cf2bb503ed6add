#include "GLWindow.h"

#include <stdexcept>
#include <string>

namespace {

const char* const kWindowClass = "QelGLWindow";

// Registered once for the process and left registered: windows of it come and go, several at a time.
void registerWindowClass()
{
    static const ATOM windowClass = [] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExA(&wc);
    }();
    if (windowClass == 0)
        GLWindow::ThrowLastError("RegisterClassExA");
}

}

GLWindow::GLWindow(int width, int height, Visibility visibility, PixelFormat pixelFormat)
    : nWidth_(width), nHeight_(height)
{
    try
    {
        createWindow(visibility);
        if (pixelFormat == STANDARD_PIXEL_FORMAT)
            setPixelFormat();
    }
    catch (...)
    {
        release();
        throw;
    }
}

GLWindow::~GLWindow()
{
    release();
}

HWND GLWindow::window() const
{
    return hWnd_;
}

HDC GLWindow::deviceContext() const
{
    return hDC_;
}

int GLWindow::width() const
{
    return nWidth_;
}

int GLWindow::height() const
{
    return nHeight_;
}

void GLWindow::ThrowLastError(const char* call)
{
    throw std::runtime_error(std::string(call) + " failed, error " + std::to_string(GetLastError()));
}

// A popup has no frame, so its client area is the whole window.
void GLWindow::createWindow(Visibility visibility)
{
    registerWindowClass();
    hWnd_ = CreateWindowExA(0, kWindowClass, "OpenGL", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                            nWidth_, nHeight_, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hWnd_ == nullptr)
        ThrowLastError("CreateWindowExA");
    if (visibility == SHOWN)
        ShowWindow(hWnd_, SW_SHOWNOACTIVATE);
    hDC_ = GetDC(hWnd_);
    if (hDC_ == nullptr)
        ThrowLastError("GetDC");
}

void GLWindow::setPixelFormat()
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 24;
    pfd.cStencilBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(hDC_, &pfd);
    if (format == 0)
        ThrowLastError("ChoosePixelFormat");
    if (!SetPixelFormat(hDC_, format, &pfd))
        ThrowLastError("SetPixelFormat");
}

// Release cannot be reported from a destructor; each step is best effort.
void GLWindow::release()
{
    if (hDC_ != nullptr)
    {
        ReleaseDC(hWnd_, hDC_);
        hDC_ = nullptr;
    }
    if (hWnd_ != nullptr)
    {
        DestroyWindow(hWnd_);
        hWnd_ = nullptr;
    }
}
