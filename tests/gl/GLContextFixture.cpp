#include "GLContextFixture.h"

namespace {

const char* const kWindowClass = "QelGLContextFixture";

}

void GLContextFixture::SetUp()
{
    // ASSERT_* leaves only the helper it fails in; stop here rather than build on a half-made context.
    createWindow();
    if (HasFatalFailure())
        return;
    createContext();
}

// Undoes whatever SetUp got as far as making, in reverse order.
void GLContextFixture::TearDown()
{
    if (hGLRC_)
    {
        EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
        EXPECT_TRUE(wglDeleteContext(hGLRC_));
        hGLRC_ = nullptr;
    }
    if (hDC_)
    {
        ReleaseDC(hWnd_, hDC_);
        hDC_ = nullptr;
    }
    if (hWnd_)
    {
        EXPECT_TRUE(DestroyWindow(hWnd_));
        hWnd_ = nullptr;
    }
    if (windowClass_)
    {
        EXPECT_TRUE(UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr)));
        windowClass_ = 0;
    }
}

HWND GLContextFixture::window() const
{
    return hWnd_;
}

HDC GLContextFixture::deviceContext() const
{
    return hDC_;
}

HGLRC GLContextFixture::context() const
{
    return hGLRC_;
}

void GLContextFixture::createWindow()
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    windowClass_ = RegisterClassExA(&wc);
    ASSERT_NE(0, windowClass_) << "RegisterClassExA failed, error " << GetLastError();

    // Without WS_VISIBLE and never passed to ShowWindow.
    hWnd_ = CreateWindowExA(0, kWindowClass, "GLContextFixture", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN |
        WS_CLIPSIBLINGS, 0, 0, 64, 64, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hWnd_) << "CreateWindowExA failed, error " << GetLastError();
    hDC_ = GetDC(hWnd_);
    ASSERT_NE(nullptr, hDC_) << "GetDC failed";
}

void GLContextFixture::createContext()
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
    ASSERT_NE(0, format) << "ChoosePixelFormat failed, error " << GetLastError();
    ASSERT_TRUE(SetPixelFormat(hDC_, format, &pfd)) << "SetPixelFormat failed, error " << GetLastError();

    hGLRC_ = wglCreateContext(hDC_);
    ASSERT_NE(nullptr, hGLRC_) << "wglCreateContext failed, error " << GetLastError();
    ASSERT_TRUE(wglMakeCurrent(hDC_, hGLRC_)) << "wglMakeCurrent failed, error " << GetLastError();
}
