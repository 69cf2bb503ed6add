#include "qel_ogl/intercept/SessionSettings.h"

#include <windows.h>

namespace QEL { namespace OGL {

namespace {

bool parseFrameLimit(const std::string& text, unsigned long long& limit)
{
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    limit = std::stoull(text);
    return limit > 0;
}

bool parseErrorPolicy(const std::string& text, QelErrorPolicy& policy)
{
    static const struct { const char* name; QelErrorPolicy policy; } kPolicies[] = {
        {"report", QEL_ERROR_REPORT}, {"break", QEL_ERROR_BREAK}, {"abort", QEL_ERROR_ABORT}};
    for (const auto& known : kPolicies) {
        if (text == known.name) {
            policy = known.policy;
            return true;
        }
    }
    return false;
}

std::string environmentVariable(const char* name)
{
    char value[4096];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

}

SessionSettings SessionSettings::read(const std::function<std::string(const char*)>& variable)
{
    SessionSettings settings;
    settings.tracePath = variable("QEL_TRACE");
    settings.recordFolder = variable("QEL_RECORD");
    settings.snapshotPrefix = variable("QEL_SNAPSHOT");
    settings.logPath = variable("QEL_LOG");
    const std::string frames = variable("QEL_FRAMES");
    if (!frames.empty() && !parseFrameLimit(frames, settings.frameLimit))
        settings.problems.push_back("QEL_FRAMES=" + frames + " is not a positive number of frames; every frame is taken");
    const std::string onError = variable("QEL_ON_ERROR");
    if (!onError.empty()) {
        settings.hasErrorPolicy = parseErrorPolicy(onError, settings.errorPolicy);
        if (!settings.hasErrorPolicy)
            settings.problems.push_back("QEL_ON_ERROR=" + onError + " is not report, break or abort; errors are reported");
    }
    return settings;
}

SessionSettings SessionSettings::fromEnvironment()
{
    return read(environmentVariable);
}

}}
