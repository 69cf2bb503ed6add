#pragma once

#include "qel_core/qel_core_export.h"

namespace QEL {

// Two 32-bit floats, a plain value.
class QEL_CORE_API float2
{
public:
    // Sets every component to value.
    explicit float2(float value = 0.0f);
    float2(float x, float y);

    // Component-wise and exact.
    bool operator==(const float2& other) const;
    bool operator!=(const float2& other) const;

    float x;
    float y;
};

}
