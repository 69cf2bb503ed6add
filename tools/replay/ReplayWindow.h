#pragma once

#include <windows.h>

// A window to replay into: a popup whose client area has the given size, with an OpenGL pixel format set on
// its own device context (RGBA, 32-bit colour, 24-bit depth, 8-bit stencil, double-buffered). A recording
// program that draws into one gets the same kind of framebuffer as its replay. Shown without activation, so
// that the window system keeps its pixels. Construction throws std::runtime_error naming the call that
// failed; the destructor releases the device context and destroys the window.
class ReplayWindow
{
public:
    ReplayWindow(int width, int height);
    ~ReplayWindow();

    ReplayWindow(const ReplayWindow&) = delete;
    ReplayWindow& operator=(const ReplayWindow&) = delete;

    HWND window() const;
    HDC deviceContext() const;
    int width() const;
    int height() const;

private:
    void createWindow();
    void setPixelFormat();
    void release();

    int nWidth_;
    int nHeight_;
    HWND hWnd_ = nullptr;
    HDC hDC_ = nullptr;
};
