#include "ChildProcess.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace {

// Wine's own entry point for starting a program of the system it runs on; with wait set it answers the
// program's exit status, or an error status when the program could not be started.
using WineSpawn = LONG(WINAPI*)(char* const argv[], int wait);

WineSpawn wineSpawn()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr)
        return nullptr;
    return reinterpret_cast<WineSpawn>(reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "__wine_unix_spawnvp")));
}

}

unsigned long ChildProcess::RunProgram(const std::vector<std::string>& arguments)
{
    std::string commandLine = CommandLine(arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    std::fflush(nullptr);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        throw std::runtime_error("Cannot start " + arguments.front() + ", error " +
                                 std::to_string(GetLastError()));
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

unsigned long ChildProcess::RunHostProgram(const std::vector<std::string>& arguments, bool hostIsWindows)
{
    return hostIsWindows ? RunProgram(arguments) : RunUnderWine(arguments);
}

// An argument with blanks (a path) or none at all is quoted, so that it stays one argument; Windows paths
// hold no quotes. The others go as they are, which every program reads alike.
std::string ChildProcess::CommandLine(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments)
    {
        const bool quoted = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += (line.empty() ? "" : " ") + (quoted ? "\"" + argument + "\"" : argument);
    }
    return line;
}

// The shell sends the program's standard output to standard error, as RunProgram does.
unsigned long ChildProcess::RunUnderWine(const std::vector<std::string>& arguments)
{
    const WineSpawn spawn = wineSpawn();
    if (spawn == nullptr)
        throw std::runtime_error("Cannot start " + arguments.front() + ": it is a program of the build machine, " +
                                 "which only this tool run under Wine on that machine can start");
    std::vector<std::string> shell = {"/bin/sh", "-c", "exec \"$@\" 1>&2", "sh"};
    shell.insert(shell.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : shell)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    std::fflush(nullptr);
    return static_cast<unsigned long>(spawn(argv.data(), 1));
}
