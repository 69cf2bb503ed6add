#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Watches the windows created on the calling thread while it lives (a thread hook that Windows calls before
// each window is created): it records their class names and, when told to, refuses their creation. One at a
// time.
class CreatedWindows
{
public:
    explicit CreatedWindows(bool refuse = false);
    ~CreatedWindows();
    CreatedWindows(const CreatedWindows&) = delete;
    CreatedWindows& operator=(const CreatedWindows&) = delete;

    // In order of creation, repeats included.
    const std::vector<std::string>& classNames() const;
    // Those of the library's hidden windows: "OpenGL" and an address.
    std::vector<std::string> hiddenWindowClasses() const;

    // Whether a class of that name is registered for the process's executable.
    static bool ClassExists(const std::string& name);
    // The class name of the window whose device context this is.
    static std::string ClassOf(HDC dc);

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);

    bool bRefuse_;
    HHOOK hHook_;
    std::vector<std::string> classNames_;
};
