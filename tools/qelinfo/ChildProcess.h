#pragma once

#include <string>
#include <vector>

// Runs another program to its end and answers its exit status; the program's standard output goes to this
// process's standard error, so that it never mixes with a report on standard output. Throws
// std::runtime_error when the program cannot be started.
class ChildProcess
{
public:
    ChildProcess() = delete;

    // A Windows program, arguments and all.
    static unsigned long RunProgram(const std::vector<std::string>& arguments);

    // A program of the machine the project was built on. That is Windows itself, unless the build ran on
    // another system and this program runs there under Wine: then Wine starts the host's program.
    static unsigned long RunHostProgram(const std::vector<std::string>& arguments, bool hostIsWindows);

private:
    static std::string CommandLine(const std::vector<std::string>& arguments);
    static unsigned long RunUnderWine(const std::vector<std::string>& arguments);
};
