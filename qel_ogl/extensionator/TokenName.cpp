#include "qel_ogl/extensionator/TokenName.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

struct TokenRow
{
    GLenum value;
    const char* name;
};

// Written by tools/glgen from the registry, GLEW's header and the overlay tables: which name a shared value
// answers is decided there.
constexpr TokenRow kTokenRows[] = {
#include "qel_ogl/extensionator/generated/TokenTable.inc"
};

// The binary search below needs strictly ascending values; checked when the table is compiled.
constexpr bool ascendingByValue()
{
    for (std::size_t i = 1; i < std::size(kTokenRows); ++i) {
        if (kTokenRows[i - 1].value >= kTokenRows[i].value) {
            return false;
        }
    }
    return true;
}
static_assert(ascendingByValue(), "the token rows must be strictly ascending by value");

bool valueBelow(const TokenRow& row, GLenum value)
{
    return row.value < value;
}

}

extern "C" const char* TokenName(GLenum value)
{
    const TokenRow* const end = std::end(kTokenRows);
    const TokenRow* const row = std::lower_bound(std::begin(kTokenRows), end, value, valueBelow);
    return row != end && row->value == value ? row->name : "Unknown Token";
}

extern "C" const char* boolToString(bool value)
{
    return value ? "GL_TRUE" : "GL_FALSE";
}
