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
            setStandardPixelFormat();
    }
    catch (...)
    {
        release();
        throw;
    }
}

// Once the window is made the object is complete, so its destructor releases it if the format fails.
GLWindow::GLWindow(int width, int height, Visibility visibility, const std::optional<PixelBits>& bits)
    : GLWindow(width, height, visibility, NO_PIXEL_FORMAT)
{
    if (bits)
        setPixelFormat(*bits);
    else
        setStandardPixelFormat();
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

namespace {

PIXELFORMATDESCRIPTOR describe(const PixelBits& bits)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (bits.doubleBuffered ? PFD_DOUBLEBUFFER : 0);
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = static_cast<BYTE>(bits.colour);
    pfd.cAlphaBits = static_cast<BYTE>(bits.alpha);
    pfd.cDepthBits = static_cast<BYTE>(bits.depth);
    pfd.cStencilBits = static_cast<BYTE>(bits.stencil);
    pfd.cAccumBits = static_cast<BYTE>(bits.accumulation);
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

bool hasBits(const PIXELFORMATDESCRIPTOR& pfd, const PixelBits& bits)
{
    const DWORD required = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    return (pfd.dwFlags & required) == required && pfd.iPixelType == PFD_TYPE_RGBA
           && pfd.cColorBits == bits.colour && pfd.cAlphaBits == bits.alpha && pfd.cDepthBits == bits.depth
           && pfd.cStencilBits == bits.stencil && pfd.cAccumBits == bits.accumulation
           && ((pfd.dwFlags & PFD_DOUBLEBUFFER) != 0) == bits.doubleBuffered;
}

// The first format of the device context with exactly these bits; 0 when there is none.
int exactFormat(HDC dc, const PixelBits& bits)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    const int count = DescribePixelFormat(dc, 1, sizeof pfd, &pfd);
    for (int format = 1; format <= count; ++format)
    {
        if (DescribePixelFormat(dc, format, sizeof pfd, &pfd) != 0 && hasBits(pfd, bits))
            return format;
    }
    return 0;
}

}

void GLWindow::setPixelFormat(const PIXELFORMATDESCRIPTOR& request, int format)
{
    if (format == 0)
        format = ChoosePixelFormat(hDC_, &request);
    if (format == 0)
        ThrowLastError("ChoosePixelFormat");
    if (!SetPixelFormat(hDC_, format, &request))
        ThrowLastError("SetPixelFormat");
}

void GLWindow::setStandardPixelFormat()
{
    setPixelFormat(describe(PixelBits{32, 0, 24, 8, 0, true}), 0);
}

void GLWindow::setPixelFormat(const PixelBits& bits)
{
    setPixelFormat(describe(bits), exactFormat(hDC_, bits));
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
