#pragma once

#include <algorithm>
#include <cstdint>

namespace QEL { namespace OGL {

// Byte counts of client data stop at kSaturatedSize: above every size a data record can hold, and small enough
// that sums of a few such values do not overflow. Platform-free.
const std::int64_t kSaturatedSize = std::int64_t{1} << 40;

// a * b for non-negative factors, saturated at kSaturatedSize.
inline std::int64_t saturatedProduct(std::int64_t a, std::int64_t b)
{
    if (a != 0 && b > kSaturatedSize / a)
        return kSaturatedSize;
    return std::min(a * b, kSaturatedSize);
}

}}
