#include "qel_core/float4.h"

#include "qel_core/InternalException.h"

namespace QEL {

float4::float4(float value)
    : x(value), y(value), z(value), w(value)
{
}

float4::float4(float x, float y, float z, float w)
    : x(x), y(y), z(z), w(w)
{
}

float& float4::operator[](unsigned i)
{
    return const_cast<float&>(static_cast<const float4&>(*this)[i]);
}

const float& float4::operator[](unsigned i) const
{
    static float float4::* const components[] = {&float4::x, &float4::y, &float4::z, &float4::w};
    if (i >= 4)
        throw InternalException(__FILE__, __LINE__, "Range error: i < 4");
    return this->*components[i];
}

bool float4::operator==(const float4& other) const
{
    return x == other.x && y == other.y && z == other.z && w == other.w;
}

bool float4::operator!=(const float4& other) const
{
    return !(*this == other);
}

}
