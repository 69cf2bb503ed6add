// Runs a windowed program as a person does, for scripts: starts it in the current folder with the settings
// given added to the environment, waits for its window, lets it draw, closes the window from outside and
// answers the program's exit code. When the program shows no window or does not end, says so and answers 255.
//
// Usage: qel_close_after_drawing MILLISECONDS PROGRAM [NAME=value...]
//   MILLISECONDS  how long the program draws before its window is closed
//   PROGRAM       the program's path, relative to this tool's folder
//
// Under Wine, a program beside the interposer needs WINEDLLOVERRIDES=opengl32=n,b in this tool's own
// environment: Wine reads it from the environment a process starts with, which the program inherits.

#include "ChildProcess.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

const int kRunnerFailed = 255;

std::string currentFolder()
{
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder, length);
}

// NAME=value arguments as environment settings; false for an argument of another form.
bool settingsOf(int count, char** arguments, ChildProcess::Environment& settings)
{
    for (int i = 0; i < count; ++i)
    {
        const std::string argument = arguments[i];
        const std::string::size_type equals = argument.find('=');
        if (equals == std::string::npos || equals == 0)
            return false;
        settings.emplace_back(argument.substr(0, equals), argument.substr(equals + 1));
    }
    return true;
}

}

int main(int argc, char** argv)
{
    ChildProcess::Environment settings;
    if (argc < 3 || std::atoi(argv[1]) <= 0 || !settingsOf(argc - 3, argv + 3, settings))
    {
        std::fprintf(stderr, "usage: qel_close_after_drawing MILLISECONDS PROGRAM [NAME=value...]\n");
        return kRunnerFailed;
    }
    try
    {
        ChildProcess child(ProgramFolder() + argv[2], currentFolder(), settings);
        return static_cast<int>(child.closeAfterDrawing(static_cast<DWORD>(std::atoi(argv[1]))));
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "qel_close_after_drawing: %s\n", e.what());
        return kRunnerFailed;
    }
}
