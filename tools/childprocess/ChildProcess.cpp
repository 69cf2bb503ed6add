#include "ChildProcess.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace {

// The pause between two looks for the window; short against a program's start-up.
const DWORD kPollMs = 20;
// Generous bounds for a loaded machine: they only keep a hanging program from hanging its caller.
const DWORD kWindowTimeoutMs = 60000;
const DWORD kEndTimeoutMs = 60000;

[[noreturn]] void throwLastError(const std::string& call)
{
    throw std::runtime_error(call + " failed, error " + std::to_string(GetLastError()));
}

bool sameName(const std::string& entry, const std::string& name)
{
    return entry.size() > name.size() && entry[name.size()] == '=' &&
           std::equal(name.begin(), name.end(), entry.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
           });
}

// The caller's environment with `environment` added, as the block CreateProcess takes: NAME=value strings,
// each ended by a null character, and one more null character at the end. Windows compares names without
// regard to case.
std::string environmentBlock(const ChildProcess::Environment& environment)
{
    std::vector<std::string> entries;
    char* const strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry != '\0'; entry += std::strlen(entry) + 1)
        entries.emplace_back(entry);
    FreeEnvironmentStringsA(strings);

    for (const auto& variable : environment)
    {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const std::string& entry) { return sameName(entry, variable.first); }),
                      entries.end());
        entries.push_back(variable.first + "=" + variable.second);
    }

    std::string block;
    for (const std::string& entry : entries)
        block += entry + '\0';
    return block + '\0';
}

// An inheritable handle of `path`, created empty, for the child's standard output and error.
HANDLE createOutputFile(const std::string& path)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throwLastError("CreateFileA " + path);
    return file;
}

struct WindowSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    // Hidden top-level windows of the process (Wine's IME window, a library's helper window) are not the one
    // a person would close.
    if (processId != search.processId || !IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

}

ChildProcess::ChildProcess(const std::string& program, const std::string& folder, const Environment& environment,
                           const std::string& outputFile)
    : program_(program)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    HANDLE output = nullptr;
    if (!outputFile.empty())
    {
        output = createOutputFile(folder + "\\" + outputFile);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    std::string commandLine = "\"" + program + "\"";
    std::string block = environmentBlock(environment);
    const BOOL started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, output != nullptr, 0,
                                        &block[0], folder.c_str(), &startup, &process_);
    const DWORD error = GetLastError();
    if (output != nullptr)
        CloseHandle(output);
    if (!started)
    {
        SetLastError(error);
        throwLastError("CreateProcessA " + program);
    }
}

ChildProcess::~ChildProcess()
{
    if (!hasEnded())
    {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND ChildProcess::waitForWindow(DWORD timeoutMs) const
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do
    {
        WindowSearch search = {process_.dwProcessId, nullptr};
        EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
    } while (WaitForSingleObject(process_.hProcess, kPollMs) == WAIT_TIMEOUT && GetTickCount64() < deadline);
    return nullptr;
}

bool ChildProcess::waitForExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        return true;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, INFINITE);
    return false;
}

DWORD ChildProcess::exitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

DWORD ChildProcess::closeAfterDrawing(DWORD drawingMs)
{
    const HWND window = waitForWindow(kWindowTimeoutMs);
    if (window == nullptr)
        throw std::runtime_error(program_ + " showed no window");
    Sleep(drawingMs);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!waitForExit(kEndTimeoutMs))
        throw std::runtime_error(program_ + " did not end and was killed");
    return exitCode();
}

bool ChildProcess::hasEnded() const
{
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        throwLastError("GetModuleFileNameA");
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}
