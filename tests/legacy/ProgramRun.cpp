#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

// A generous bound for a loaded machine: it only keeps a hanging program from hanging the test run.
const DWORD kEndTimeoutMs = 60000;
// Long enough for many frames, so that every call of the render loop has been made.
const DWORD kDrawingMs = 1000;

unsigned long waitForEnd(ChildProcess& child, const std::string& program)
{
    if (child.waitForExit(kEndTimeoutMs))
        return child.exitCode();
    ADD_FAILURE() << program << " did not end and was killed";
    return kNoExitCode;
}

}

std::string freshFolder(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::absolute(name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

unsigned long runUntilClosed(const std::string& program, const std::string& folder,
                             const ChildProcess::Environment& environment)
{
    ChildProcess child(program, folder, environment);
    try
    {
        return child.closeAfterDrawing(kDrawingMs);
    }
    catch (const std::runtime_error& e)
    {
        ADD_FAILURE() << e.what();
        return kNoExitCode;
    }
}

unsigned long runToEnd(const std::string& program, const std::string& folder,
                       const ChildProcess::Environment& environment)
{
    ChildProcess child(program, folder, environment);
    return waitForEnd(child, program);
}

std::vector<std::string> fileLines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
