#include "qel_core/InternalException.h"
#include "qel_core/float2.h"
#include "qel_core/float3.h"
#include "qel_core/float4.h"

#include <gtest/gtest.h>

using namespace QEL;

TEST(FloatVectors, DefaultIsZeroAndOneValueFillsEveryComponent)
{
    EXPECT_EQ(float2(0.0f, 0.0f), float2());
    EXPECT_EQ(float3(0.0f, 0.0f, 0.0f), float3());
    EXPECT_EQ(float4(0.0f, 0.0f, 0.0f, 0.0f), float4());
    EXPECT_EQ(float2(1.5f, 1.5f), float2(1.5f));
    EXPECT_EQ(float3(-2.0f, -2.0f, -2.0f), float3(-2.0f));
    EXPECT_EQ(float4(0.25f, 0.25f, 0.25f, 0.25f), float4(0.25f));
}

TEST(FloatVectors, ComponentsTakeTheArgumentsInOrder)
{
    const float4 v(1.0f, 2.0f, 3.0f, 4.0f);
    EXPECT_EQ(1.0f, v.x);
    EXPECT_EQ(2.0f, v.y);
    EXPECT_EQ(3.0f, v.z);
    EXPECT_EQ(4.0f, v.w);
    const float3 u(5.0f, 6.0f, 7.0f);
    EXPECT_EQ(5.0f, u.x);
    EXPECT_EQ(6.0f, u.y);
    EXPECT_EQ(7.0f, u.z);
}

TEST(FloatVectors, EqualityComparesEveryComponent)
{
    const float4 v(1.0f, 2.0f, 3.0f, 4.0f);
    for (unsigned i = 0; i < 4; ++i)
    {
        float4 other = v;
        other[i] += 1.0f;
        EXPECT_NE(v, other) << "component " << i;
    }
    EXPECT_NE(float2(1.0f, 2.0f), float2(1.0f, 3.0f));
    EXPECT_NE(float3(1.0f, 2.0f, 3.0f), float3(1.0f, 2.0f, 4.0f));
}

TEST(float4, IndexAddressesTheNamedComponent)
{
    float4 v(1.0f, 2.0f, 3.0f, 4.0f);
    v[0] = 10.0f;
    v[3] = 40.0f;
    EXPECT_EQ(float4(10.0f, 2.0f, 3.0f, 40.0f), v);
    const float4& c = v;
    EXPECT_EQ(&v.y, &c[1]);
    EXPECT_EQ(&v.z, &v[2]);
}

// Thrown inside qel_core.dll and caught here: also proves that both modules share one C++ runtime.
TEST(float4, IndexPastTheLastComponentThrowsRangeError)
{
    const float4 v;
    try
    {
        (void)v[4];
        FAIL() << "nothing thrown";
    }
    catch (const InternalException& e)
    {
        EXPECT_STREQ("Range error: i < 4", e.text());
        EXPECT_STREQ("qel_core/float4.cpp", e.file());
    }
}
