#pragma once

#include <string>
#include <vector>

namespace fakegl {

// The calls made into the stand-in, in order. An entry is a function name, optionally followed by a detail
// in parentheses ("wglGetProcAddress(glActiveTexture)"); counting by name ignores the detail.
class CallLog
{
public:
    void add(std::string entry);
    // One entry per line, each ending in '\n'. Valid until the next call of text().
    const std::string& text();
    unsigned count(const std::string& name) const;
    void clear();

private:
    std::vector<std::string> entries_;
    std::string text_;
};

} // namespace fakegl
