#pragma once

#include <windows.h>

// A hidden top-level window for one context (a window takes a pixel format only once). By default its class has
// no device context of its own, so every GetDC hands out one of the system's shared device contexts, which
// must be given back; with ownDC the window has one device context for its lifetime, destroyed with it.
class TestWindow
{
public:
    explicit TestWindow(bool ownDC = false);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const;
    // Destroys the window before the object goes.
    void destroy();

    // The windows that exist on the calling thread, whoever made them.
    static int countOnThisThread();

private:
    HWND hWnd_;
};
