#pragma once

#include <windows.h>

#include <optional>

#include "PixelBits.h"

// A window for an OpenGL context, made with nothing but Win32: a popup whose client area has the given size,
// with its own device context. By default a pixel format is set on it (RGBA, 32-bit colour, 24-bit depth,
// 8-bit stencil, double-buffered); without one, a context class chooses its own. A shown window is shown
// without activation, so that the window system keeps its pixels; a hidden one is never shown. Construction
// throws std::runtime_error naming the call that failed; the destructor releases the device context and
// destroys the window.
class GLWindow
{
public:
    enum Visibility { HIDDEN, SHOWN };
    enum PixelFormat { STANDARD_PIXEL_FORMAT, NO_PIXEL_FORMAT };

    GLWindow(int width, int height, Visibility visibility, PixelFormat pixelFormat = STANDARD_PIXEL_FORMAT);
    // A window whose pixel format has exactly the given bits when the driver offers one (the closest that
    // ChoosePixelFormat finds otherwise); the standard format without bits.
    GLWindow(int width, int height, Visibility visibility, const std::optional<PixelBits>& bits);
    ~GLWindow();

    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    HWND window() const;
    HDC deviceContext() const;
    int width() const;
    int height() const;

    // Throws std::runtime_error: "<call> failed, error <GetLastError()>".
    [[noreturn]] static void ThrowLastError(const char* call);

private:
    void createWindow(Visibility visibility);
    void setPixelFormat(const PIXELFORMATDESCRIPTOR& request, int format);
    void setStandardPixelFormat();
    void setPixelFormat(const PixelBits& bits);
    void release();

    int nWidth_;
    int nHeight_;
    HWND hWnd_ = nullptr;
    HDC hDC_ = nullptr;
};
