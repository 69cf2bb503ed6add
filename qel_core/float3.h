#pragma once

#include "qel_core/qel_core_export.h"

namespace QEL {

// Three 32-bit floats, a plain value.
class QEL_CORE_API float3
{
public:
    // Sets every component to value.
    explicit float3(float value = 0.0f);
    float3(float x, float y, float z);

    // Component-wise and exact.
    bool operator==(const float3& other) const;
    bool operator!=(const float3& other) const;

    float x;
    float y;
    float z;
};

}
