#include "qel_core/float3.h"

namespace QEL {

float3::float3(float value)
    : x(value), y(value), z(value)
{
}

float3::float3(float x, float y, float z)
    : x(x), y(y), z(z)
{
}

bool float3::operator==(const float3& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

bool float3::operator!=(const float3& other) const
{
    return !(*this == other);
}

}
