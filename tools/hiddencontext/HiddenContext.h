#pragma once

#include <windows.h>

// A current OpenGL context on a hidden window, made with nothing but Win32 and raw WGL: a plain RGBA, 32-bit
// colour, double-buffered pixel format with a 24-bit depth buffer. The window is never shown. Construction
// throws std::runtime_error naming the call that failed; the destructor releases the context, the device
// context, the window and its class, in that order.
class HiddenContext
{
public:
    HiddenContext();
    ~HiddenContext();

    HiddenContext(const HiddenContext&) = delete;
    HiddenContext& operator=(const HiddenContext&) = delete;

    HWND window() const;
    HDC deviceContext() const;
    HGLRC context() const;

private:
    void createWindow();
    void createContext();
    // Undoes whatever has been made so far; the constructor calls it too when it fails half-way.
    void release();

    ATOM windowClass_ = 0;
    HWND hWnd_ = nullptr;
    HDC hDC_ = nullptr;
    HGLRC hGLRC_ = nullptr;
};
