#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// A program started from outside, as a person or a script starts it: in a working folder of its own, with the
// caller's environment plus some variables, its standard output and error going to a file if asked. The
// destructor kills it if it still runs, so that a failed test leaves no program behind.
class ChildProcess
{
public:
    // Variables that are added to the caller's environment or replace those of the same name.
    using Environment = std::vector<std::pair<std::string, std::string>>;

    // Throws std::runtime_error when the program cannot be started. `outputFile`, when not empty, is created
    // (or emptied) in `folder` and receives the program's standard output and error.
    ChildProcess(const std::string& program, const std::string& folder, const Environment& environment,
                 const std::string& outputFile = "");
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The program's first visible top-level window, waited for up to timeoutMs; nullptr when none showed
    // before then or the program ended first.
    HWND waitForWindow(DWORD timeoutMs) const;

    // Waits up to timeoutMs for the program to end; false, with the program killed, when it did not.
    bool waitForExit(DWORD timeoutMs);

    // The exit code of an ended program.
    DWORD exitCode() const;

    // Closes the program as a person closes it: waits for its window, lets it draw for drawingMs, posts
    // WM_CLOSE to the window and waits for the program to end. Answers its exit code. Throws std::runtime_error
    // when no window shows or the program does not end in time (it is killed then).
    DWORD closeAfterDrawing(DWORD drawingMs);

private:
    bool hasEnded() const;

    std::string program_;
    PROCESS_INFORMATION process_ = {};
};

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();
