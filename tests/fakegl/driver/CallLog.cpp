#include "tests/fakegl/driver/CallLog.h"

#include <algorithm>
#include <utility>

namespace fakegl {

namespace {

bool hasName(const std::string& entry, const std::string& name)
{
    return entry.compare(0, name.size(), name) == 0 &&
        (entry.size() == name.size() || entry[name.size()] == '(');
}

} // namespace

void CallLog::add(std::string entry)
{
    entries_.push_back(std::move(entry));
}

const std::string& CallLog::text()
{
    text_.clear();
    for (const std::string& entry : entries_)
        text_ += entry + '\n';
    return text_;
}

unsigned CallLog::count(const std::string& name) const
{
    return static_cast<unsigned>(std::count_if(entries_.begin(), entries_.end(),
        [&name](const std::string& entry) { return hasName(entry, name); }));
}

void CallLog::clear()
{
    entries_.clear();
}

} // namespace fakegl
