#pragma once

#include "ChildProcess.h"

#include <string>
#include <vector>

// Whole programs run from outside for the end-to-end tests, each in a working folder of its own. A program
// that shows no window or does not end in time fails the test, is killed and answers kNoExitCode.

const unsigned long kNoExitCode = 0xFFFFFFFFu;

// The folder `name` under the test's working folder, made empty; answers its absolute path.
std::string freshFolder(const std::string& name);

// Runs `program` until a person closes it: waits for its window, lets it draw for a moment, posts WM_CLOSE
// to the window from outside and waits for the program to end. Answers its exit code.
unsigned long runUntilClosed(const std::string& program, const std::string& folder,
                             const ChildProcess::Environment& environment);

// Runs a program that ends by itself; answers its exit code.
unsigned long runToEnd(const std::string& program, const std::string& folder,
                       const ChildProcess::Environment& environment);

// The lines of a text file; none when it cannot be read.
std::vector<std::string> fileLines(const std::string& path);
