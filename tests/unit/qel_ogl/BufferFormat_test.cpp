#include "qel_ogl/ogl/BufferFormat.h"

#include "qel_core/InternalException.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

#include <array>

using QEL::InternalException;
using QEL::OGL::BufferFormat;

namespace {

// red, green, blue, alpha, stencil, depth, floating-point colour
using Bits = std::array<unsigned, 7>;

Bits bitsOf(const BufferFormat& format)
{
    return {format.redBits(), format.greenBits(), format.blueBits(), format.alphaBits(), format.stencilBits(),
            format.depthBits(), format.floatingPointColor()};
}

}

// One format of each channel layout, and the last of each triple with depth and stencil.
TEST(BufferFormat, PredefinedFormatsGiveTheirChannels)
{
    EXPECT_EQ((Bits{16, 0, 0, 0, 0, 0, 1}), bitsOf(BufferFormat::R16F));
    EXPECT_EQ((Bits{32, 0, 0, 0, 8, 24, 1}), bitsOf(BufferFormat::R32F_D24_S8));
    EXPECT_EQ((Bits{32, 32, 0, 0, 0, 24, 1}), bitsOf(BufferFormat::RG32F_D24));
    EXPECT_EQ((Bits{8, 8, 8, 0, 0, 0, 0}), bitsOf(BufferFormat::RGB8));
    EXPECT_EQ((Bits{8, 8, 8, 8, 8, 24, 0}), bitsOf(BufferFormat::RGBA8_D24_S8));
    EXPECT_EQ((Bits{16, 16, 16, 16, 0, 24, 1}), bitsOf(BufferFormat::RGBA16F_D24));
}

TEST(BufferFormat, RgbaFloatFormatsAreTheSixteenBitOnes)
{
    EXPECT_EQ(bitsOf(BufferFormat::RGBA16F), bitsOf(BufferFormat::RGBA_FLOAT));
    EXPECT_EQ(bitsOf(BufferFormat::RGBA16F_D24), bitsOf(BufferFormat::RGBA_FLOAT_D24));
    EXPECT_EQ(bitsOf(BufferFormat::RGBA16F_D24_S8), bitsOf(BufferFormat::RGBA_FLOAT_D24_S8));
}

TEST(BufferFormat, ChannelsAreStoredUnchanged)
{
    EXPECT_EQ((Bits{10, 10, 10, 2, 0, 24, 0}), bitsOf(BufferFormat(10, 10, 10, 2, 0, 24, false)));
}

TEST(BufferFormat, ValueOutsideThePredefinedFormatsThrows)
{
    for (const int value : {24, 1000, -1})
    {
        const auto e = thrownBy<InternalException>(
            [value] { BufferFormat(static_cast<BufferFormat::tePredefined>(value)); });
        ASSERT_TRUE(e.has_value());
        EXPECT_STREQ("qel_ogl/ogl/BufferFormat.cpp", e->file());
        EXPECT_EQ(127, e->line());
        EXPECT_STREQ("Trying to construct an buffer-format not recognized by this method", e->text());
    }
}
