#pragma once

#include <cstdio>
#include <string>

namespace QEL { namespace OGL {

// Where the interception layer's reports and its summary go: the host's callback when it set one, else the
// session's log file, else standard error. Each report is one line, written and flushed at once so that it
// survives a process that ends right after it.
class InterceptLog
{
public:
    InterceptLog() = delete;

    using Callback = void (*)(const char* line, void* context);

    static void write(const std::string& line);
    static void setCallback(Callback callback, void* context);
    // Not owned; null for standard error.
    static void setFile(std::FILE* file);
};

}}
