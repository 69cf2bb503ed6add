#pragma once

#include <cstddef>
#include <iosfwd>
#include <set>
#include <string>

// The recorded calls that a replay cannot repeat (the recorder wrote them as OpenGLRekorderUnsupported). Each
// kind is reported once, when it first occurs, so that a call made every frame does not flood the report;
// every occurrence is counted for the summary.
class UnsupportedCalls
{
public:
    explicit UnsupportedCalls(std::ostream& report);

    void add(const char* text);

    std::size_t count() const;
    // One line with the count of calls and of kinds; nothing when every call was replayed.
    void summarize() const;

private:
    std::ostream& report_;
    std::set<std::string> kinds_;
    std::size_t nCalls_ = 0;
};
