// PixelUnpackParameters without GL: the alignment given in bytes.

#include "qel_core/InternalException.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

using QEL::InternalException;
using QEL::OGL::PixelUnpackParameters;

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
