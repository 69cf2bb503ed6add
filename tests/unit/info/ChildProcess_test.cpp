#include "ChildProcess.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

bool underWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

}

TEST(ChildProcess, WindowsProgramAnswersItsExitStatus)
{
    EXPECT_EQ(0u, ChildProcess::RunProgram({"cmd.exe", "/c", "exit", "0"}));
    EXPECT_EQ(3u, ChildProcess::RunProgram({"cmd.exe", "/c", "exit", "3"}));
}

TEST(ChildProcess, ProgramThatCannotStartThrows)
{
    EXPECT_THROW(ChildProcess::RunProgram({"no-such-program.exe"}), std::runtime_error);
}

TEST(ChildProcess, HostProgramOfAUnixBuildMachineRunsThroughWine)
{
    if (!underWine())
        GTEST_SKIP() << "the build machine's programs are reached through Wine";
    EXPECT_EQ(0u, ChildProcess::RunHostProgram({"/bin/sh", "-c", "exit 0"}, false));
    EXPECT_EQ(3u, ChildProcess::RunHostProgram({"/bin/sh", "-c", "exit 3"}, false));
    EXPECT_NE(0u, ChildProcess::RunHostProgram({"/no/such/program"}, false));
}
