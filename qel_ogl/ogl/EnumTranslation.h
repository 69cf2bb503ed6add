#pragma once

// Translations between the library's enumerations and GL values, kept as data: a table whose entry i is the GL
// value of enumerator i, read in both directions so that the two can never disagree. A value without an entry
// answers nothing; the caller throws its own text from its own file and line.

#include <cstddef>
#include <optional>

namespace QEL { namespace OGL {

template <class Enum, std::size_t N>
std::optional<unsigned> translateToGL(const unsigned (&table)[N], Enum value)
{
    const auto index = static_cast<std::size_t>(value);
    if (index >= N)
        return std::nullopt;
    return table[index];
}

// The enumerator whose entry is glValue; the first one where two share a value.
template <class Enum, std::size_t N>
std::optional<Enum> translateFromGL(const unsigned (&table)[N], unsigned glValue)
{
    for (std::size_t index = 0; index < N; ++index) {
        if (table[index] == glValue)
            return static_cast<Enum>(index);
    }
    return std::nullopt;
}

}}
