#include "tools/replay/GLRekorderReplay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

TEST(makeFloat, GivesTheFloatOfTheBitPattern)
{
    EXPECT_EQ(1.0f, makeFloat(1065353216));
    EXPECT_EQ(-1.0f, makeFloat(-1082130432));
    EXPECT_EQ(0.5f, makeFloat(1056964608));
}

TEST(makeFloat, KeepsTheSignOfNegativeZero)
{
    const float value = makeFloat(-2147483648);
    EXPECT_EQ(0.0f, value);
    EXPECT_TRUE(std::signbit(value));
}

TEST(makeFloat, KeepsANotANumberPattern)
{
    EXPECT_TRUE(std::isnan(makeFloat(0x7FC00000)));
}

TEST(GLRekorderReplay, WindowSystemStatementsOutsideASessionThrow)
{
    EXPECT_THROW(addCurrentAppDC(nullptr), std::logic_error);
    EXPECT_THROW(GLRekorderSwapBuffers(nullptr), std::logic_error);
}
