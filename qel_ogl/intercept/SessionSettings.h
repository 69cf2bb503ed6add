#pragma once

#include <functional>
#include <string>
#include <vector>

#include "qel_ogl/intercept/ErrorPolicy.h"

namespace QEL { namespace OGL {

// What the interception session is asked to do, as the environment of the program gives it: QEL_TRACE,
// QEL_RECORD, QEL_SNAPSHOT, QEL_FRAMES, QEL_ON_ERROR and QEL_LOG. An empty or unset variable asks for
// nothing; a value that makes no sense is left out and described in problems, so that the program runs on
// without it.
struct SessionSettings
{
    std::string tracePath;
    std::string recordFolder;
    std::string snapshotPrefix;
    unsigned long long frameLimit = 0;      // 0: every frame
    bool hasErrorPolicy = false;
    QelErrorPolicy errorPolicy = QEL_ERROR_REPORT;
    std::string logPath;
    std::vector<std::string> problems;

    // variable answers the value of an environment variable, empty when it is unset.
    static SessionSettings read(const std::function<std::string(const char*)>& variable);
    static SessionSettings fromEnvironment();
};

}}
