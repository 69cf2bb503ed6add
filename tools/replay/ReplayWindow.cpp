#include "tools/replay/ReplayWindow.h"

#include <stdexcept>
#include <string>

namespace {

const char* const kWindowClass = "QelReplayWindow";

[[noreturn]] void throwLastError(const char* call)
{
    throw std::runtime_error(std::string(call) + " failed, error " + std::to_string(GetLastError()));
}

// Registered once for the process and left registered: windows of it come and go during a replay.
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
        throwLastError("RegisterClassExA");
}

}

ReplayWindow::ReplayWindow(int width, int height)
    : nWidth_(width), nHeight_(height)
{
    try
    {
        createWindow();
        setPixelFormat();
    }
    catch (...)
    {
        release();
        throw;
    }
}

ReplayWindow::~ReplayWindow()
{
    release();
}

HWND ReplayWindow::window() const
{
    return hWnd_;
}

HDC ReplayWindow::deviceContext() const
{
    return hDC_;
}

int ReplayWindow::width() const
{
    return nWidth_;
}

int ReplayWindow::height() const
{
    return nHeight_;
}

// A popup has no frame, so its client area is the whole window.
void ReplayWindow::createWindow()
{
    registerWindowClass();
    hWnd_ = CreateWindowExA(0, kWindowClass, "Replay", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                            nWidth_, nHeight_, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hWnd_ == nullptr)
        throwLastError("CreateWindowExA");
    ShowWindow(hWnd_, SW_SHOWNOACTIVATE);
    hDC_ = GetDC(hWnd_);
    if (hDC_ == nullptr)
        throwLastError("GetDC");
}

void ReplayWindow::setPixelFormat()
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
        throwLastError("ChoosePixelFormat");
    if (!SetPixelFormat(hDC_, format, &pfd))
        throwLastError("SetPixelFormat");
}

// Release cannot be reported from a destructor; each step is best effort.
void ReplayWindow::release()
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
