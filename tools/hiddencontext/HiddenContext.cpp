#include "HiddenContext.h"

HiddenContext::HiddenContext()
    : HiddenContext(64, 64, GLWindow::HIDDEN)
{
}

HiddenContext::HiddenContext(int width, int height, GLWindow::Visibility visibility,
                             const std::optional<PixelBits>& bits)
    : window_(width, height, visibility, bits), hGLRC_(wglCreateContext(window_.deviceContext()))
{
    if (hGLRC_ == nullptr)
        GLWindow::ThrowLastError("wglCreateContext");
    if (!wglMakeCurrent(window_.deviceContext(), hGLRC_))
    {
        const DWORD error = GetLastError();
        wglDeleteContext(hGLRC_);
        SetLastError(error);
        GLWindow::ThrowLastError("wglMakeCurrent");
    }
}

// Nothing is left current: the context goes before its window.
HiddenContext::~HiddenContext()
{
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(hGLRC_);
}

HWND HiddenContext::window() const
{
    return window_.window();
}

HDC HiddenContext::deviceContext() const
{
    return window_.deviceContext();
}

HGLRC HiddenContext::context() const
{
    return hGLRC_;
}
