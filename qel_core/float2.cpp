#include "qel_core/float2.h"

namespace QEL {

float2::float2(float value)
    : x(value), y(value)
{
}

float2::float2(float x, float y)
    : x(x), y(y)
{
}

bool float2::operator==(const float2& other) const
{
    return x == other.x && y == other.y;
}

bool float2::operator!=(const float2& other) const
{
    return !(*this == other);
}

}
