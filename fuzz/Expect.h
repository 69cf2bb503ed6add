#pragma once

#include <cstdio>
#include <cstdlib>

namespace QEL { namespace OGL { namespace Fuzz {

// Stops the fuzz run with a report when a property of the code under test does not hold; libFuzzer keeps the
// input that broke it.
inline void expect(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "Property does not hold: %s\n", property);
        std::abort();
    }
}

}}}
