#include "CreatedWindows.h"

#include <gtest/gtest.h>

namespace {

CreatedWindows* gWatching = nullptr;

std::string classOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}

CreatedWindows::CreatedWindows(bool refuse)
    : bRefuse_(refuse), hHook_(SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId()))
{
    EXPECT_NE(nullptr, hHook_) << "SetWindowsHookExA failed, error " << GetLastError();
    EXPECT_EQ(nullptr, gWatching) << "one CreatedWindows at a time";
    gWatching = this;
}

CreatedWindows::~CreatedWindows()
{
    UnhookWindowsHookEx(hHook_);
    gWatching = nullptr;
}

const std::vector<std::string>& CreatedWindows::classNames() const
{
    return classNames_;
}

std::vector<std::string> CreatedWindows::hiddenWindowClasses() const
{
    std::vector<std::string> hidden;
    for (const std::string& name : classNames_) {
        if (name.rfind("OpenGL", 0) == 0)
            hidden.push_back(name);
    }
    return hidden;
}

bool CreatedWindows::ClassExists(const std::string& name)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    return GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &windowClass) != 0;
}

std::string CreatedWindows::ClassOf(HDC dc)
{
    return classOf(WindowFromDC(dc));
}

// The window exists already when the hook hears of it; a non-zero answer makes CreateWindowEx fail.
LRESULT CALLBACK CreatedWindows::hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && gWatching != nullptr) {
        gWatching->classNames_.push_back(classOf(reinterpret_cast<HWND>(wParam)));
        if (gWatching->bRefuse_)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
