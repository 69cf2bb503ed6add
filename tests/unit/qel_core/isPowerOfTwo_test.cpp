#include "qel_core/isPowerOfTwo.h"

#include <gtest/gtest.h>

using QEL::isPowerOfTwo;

TEST(isPowerOfTwo, EverySingleBitIsAPowerOfTwo)
{
    for (unsigned bit = 0; bit < 32; ++bit)
        EXPECT_TRUE(isPowerOfTwo(1u << bit)) << "bit " << bit;
}

TEST(isPowerOfTwo, ZeroAndSeveralBitsAreNot)
{
    for (unsigned n : {0u, 3u, 6u, 255u, 257u, 0x80000001u, 0xFFFFFFFFu})
        EXPECT_FALSE(isPowerOfTwo(n)) << n;
}
