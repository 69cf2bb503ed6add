// PixelUnpackParameters as a value: its defaults, its setters and the alignment given in bytes.

#include "qel_core/InternalException.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

using QEL::InternalException;
using QEL::OGL::PixelUnpackParameters;

TEST(PixelUnpackParameters, DefaultDescribesTightlyPackedRows)
{
    const PixelUnpackParameters parameters;
    EXPECT_FALSE(parameters.swapBytes());
    EXPECT_FALSE(parameters.isFirstLSB());
    EXPECT_EQ(0u, parameters.rowLength());
    EXPECT_EQ(0u, parameters.imageHeight());
    EXPECT_EQ(0u, parameters.skipPixels());
    EXPECT_EQ(0u, parameters.skipRows());
    EXPECT_EQ(0u, parameters.skipImages());
    EXPECT_EQ(PixelUnpackParameters::ALIGNMENT_1, parameters.alignment());
}

TEST(PixelUnpackParameters, EachSetterKeepsItsOwnField)
{
    PixelUnpackParameters parameters;
    parameters.enableSwapBytes();
    parameters.makeFirstLSB();
    parameters.setRowLength(1);
    parameters.setImageHeight(2);
    parameters.setSkipPixels(3);
    parameters.setSkipRows(4);
    parameters.setSkipImages(5);
    parameters.setAlignment(PixelUnpackParameters::ALIGNMENT_8);

    const PixelUnpackParameters copy = parameters;
    EXPECT_TRUE(copy.swapBytes());
    EXPECT_TRUE(copy.isFirstLSB());
    EXPECT_EQ(1u, copy.rowLength());
    EXPECT_EQ(2u, copy.imageHeight());
    EXPECT_EQ(3u, copy.skipPixels());
    EXPECT_EQ(4u, copy.skipRows());
    EXPECT_EQ(5u, copy.skipImages());
    EXPECT_EQ(PixelUnpackParameters::ALIGNMENT_8, copy.alignment());

    parameters.disableSwapBytes();
    parameters.makeFirstMSB();
    EXPECT_FALSE(parameters.swapBytes());
    EXPECT_FALSE(parameters.isFirstLSB());
}

TEST(PixelUnpackParameters, AlignmentInBytesPicksItsEnumerator)
{
    const struct { unsigned bytes; PixelUnpackParameters::teAlignment alignment; } cases[] = {
        {8, PixelUnpackParameters::ALIGNMENT_8},
        {4, PixelUnpackParameters::ALIGNMENT_4},
        {2, PixelUnpackParameters::ALIGNMENT_2},
        {1, PixelUnpackParameters::ALIGNMENT_1},
    };
    PixelUnpackParameters parameters;
    for (const auto& c : cases) {
        parameters.setAlignment(c.bytes);
        EXPECT_EQ(c.alignment, parameters.alignment()) << c.bytes;
    }
}

TEST(PixelUnpackParameters, OtherAlignmentsThrowAndKeepTheStoredOne)
{
    for (const unsigned bytes : {0u, 3u, 5u, 16u, 0xFFFFFFFFu}) {
        PixelUnpackParameters parameters;
        parameters.setAlignment(PixelUnpackParameters::ALIGNMENT_4);
        const auto e = thrownBy<InternalException>([&] { parameters.setAlignment(bytes); });
        ASSERT_TRUE(e.has_value()) << bytes;
        EXPECT_STREQ("qel_ogl/ogl/PixelUnpackParameters.cpp", e->file());
        EXPECT_STREQ("!\"Unsupported aligment in PixelUnpackParameters::setAlignment!\"", e->text());
        EXPECT_EQ(PixelUnpackParameters::ALIGNMENT_4, parameters.alignment()) << bytes;
    }
}
