#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

const char* registerClass(const char* name, UINT style)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    EXPECT_NE(0, RegisterClassExA(&wc)) << "RegisterClassExA failed, error " << GetLastError();
    return name;
}

// Registered on first use and left registered until the process ends.
const char* windowClass(bool ownDC)
{
    static const char* const shared = registerClass("QelContextTestWindow", 0);
    static const char* const own = registerClass("QelContextTestWindowOwnDC", CS_OWNDC);
    return ownDC ? own : shared;
}

BOOL CALLBACK countWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}

// Never shown: no WS_VISIBLE, no ShowWindow.
TestWindow::TestWindow(bool ownDC)
    : hWnd_(CreateWindowExA(0, windowClass(ownDC), "TestWindow",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 64, 64, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr))
{
    EXPECT_NE(nullptr, hWnd_) << "CreateWindowExA failed, error " << GetLastError();
}

TestWindow::~TestWindow()
{
    destroy();
}

HWND TestWindow::handle() const
{
    return hWnd_;
}

void TestWindow::destroy()
{
    if (hWnd_ != nullptr)
        DestroyWindow(hWnd_);
    hWnd_ = nullptr;
}

int TestWindow::countOnThisThread()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
