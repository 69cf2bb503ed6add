#include "tools/replay/UnsupportedCalls.h"

#include <ostream>

UnsupportedCalls::UnsupportedCalls(std::ostream& report)
    : report_(report)
{
}

void UnsupportedCalls::add(const char* text)
{
    ++nCalls_;
    if (kinds_.insert(text).second)
        report_ << "Not replayed: " << text << "\n";
}

std::size_t UnsupportedCalls::count() const
{
    return nCalls_;
}

void UnsupportedCalls::summarize() const
{
    if (nCalls_ != 0)
        report_ << nCalls_ << " recorded calls of " << kinds_.size() << " kinds were not replayed\n";
}
