#pragma once

#include "qel_core/qel_core_export.h"

namespace QEL {

// Four 32-bit floats, a plain value; also indexable, for code that walks the components.
class QEL_CORE_API float4
{
public:
    // Sets every component to value.
    explicit float4(float value = 0.0f);
    float4(float x, float y, float z, float w);

    // Component i in the order x, y, z, w; throws InternalException for i > 3.
    float& operator[](unsigned i);
    const float& operator[](unsigned i) const;

    // Component-wise and exact.
    bool operator==(const float4& other) const;
    bool operator!=(const float4& other) const;

    float x;
    float y;
    float z;
    float w;
};

}
