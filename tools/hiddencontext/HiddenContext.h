#pragma once

#include <windows.h>

#include "GLWindow.h"

// A current OpenGL context made behind the library's back, with nothing but Win32 and raw WGL, on a window
// of its own (GLWindow): by default a hidden 64 x 64 window, or a window of the given size and visibility
// for a program whose frames are read back. Construction throws std::runtime_error naming the call that
// failed; the destructor releases the context, then the window.
class HiddenContext
{
public:
    HiddenContext();
    HiddenContext(int width, int height, GLWindow::Visibility visibility,
                  const std::optional<PixelBits>& bits = std::nullopt);
    ~HiddenContext();

    HiddenContext(const HiddenContext&) = delete;
    HiddenContext& operator=(const HiddenContext&) = delete;

    HWND window() const;
    HDC deviceContext() const;
    HGLRC context() const;

private:
    GLWindow window_;
    HGLRC hGLRC_;
};
