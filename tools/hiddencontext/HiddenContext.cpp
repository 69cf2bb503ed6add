#include "HiddenContext.h"

#include <stdexcept>
#include <string>

namespace {

const char* const kWindowClass = "QelHiddenContext";

[[noreturn]] void throwLastError(const char* call)
{
    throw std::runtime_error(std::string(call) + " failed, error " + std::to_string(GetLastError()));
}

}

HiddenContext::HiddenContext()
{
    try
    {
        createWindow();
        createContext();
    }
    catch (...)
    {
        release();
        throw;
    }
}

HiddenContext::~HiddenContext()
{
    release();
}

HWND HiddenContext::window() const
{
    return hWnd_;
}

HDC HiddenContext::deviceContext() const
{
    return hDC_;
}

HGLRC HiddenContext::context() const
{
    return hGLRC_;
}

void HiddenContext::createWindow()
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    windowClass_ = RegisterClassExA(&wc);
    if (windowClass_ == 0)
        throwLastError("RegisterClassExA");

    // Without WS_VISIBLE and never passed to ShowWindow.
    hWnd_ = CreateWindowExA(0, kWindowClass, "HiddenContext", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN |
        WS_CLIPSIBLINGS, 0, 0, 64, 64, nullptr, nullptr, wc.hInstance, nullptr);
    if (hWnd_ == nullptr)
        throwLastError("CreateWindowExA");
    hDC_ = GetDC(hWnd_);
    if (hDC_ == nullptr)
        throwLastError("GetDC");
}

void HiddenContext::createContext()
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 24;
    pfd.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(hDC_, &pfd);
    if (format == 0)
        throwLastError("ChoosePixelFormat");
    if (!SetPixelFormat(hDC_, format, &pfd))
        throwLastError("SetPixelFormat");

    hGLRC_ = wglCreateContext(hDC_);
    if (hGLRC_ == nullptr)
        throwLastError("wglCreateContext");
    if (!wglMakeCurrent(hDC_, hGLRC_))
        throwLastError("wglMakeCurrent");
}

// Release cannot be reported from a destructor; each step is best effort and the handles are forgotten.
void HiddenContext::release()
{
    if (hGLRC_ != nullptr)
    {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(hGLRC_);
        hGLRC_ = nullptr;
    }
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
    if (windowClass_ != 0)
    {
        UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr));
        windowClass_ = 0;
    }
}
