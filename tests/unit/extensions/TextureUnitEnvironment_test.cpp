#include "qel_ogl/ogl/TextureUnit.h"

#include "qel_core/InternalException.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

using QEL::InternalException;
using QEL::OGL::TextureUnit;

namespace {

const char* const kUntranslated = "!\"Environment enums are not all properly translated.\"";

struct Mode
{
    TextureUnit::Environment environment;
    unsigned gl;
};

// The modes in the order of their fixed values (0 to 5), with GL's own numbers written out.
const Mode kModes[] = {
    {TextureUnit::ADD, 0x0104},     {TextureUnit::BLEND, 0x0BE2},   {TextureUnit::COMBINE, 0x8570},
    {TextureUnit::DECAL, 0x2101},   {TextureUnit::MODULATE, 0x2100}, {TextureUnit::REPLACE, 0x1E01},
};

void expectUntranslated(const std::optional<InternalException>& e)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/TextureUnit.cpp", e->file());
    EXPECT_STREQ(kUntranslated, e->text());
}

}

TEST(TextureUnitEnvironment, TranslatesEveryModeBothWays)
{
    int value = 0;
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.environment);
        EXPECT_EQ(value++, mode.environment);
        EXPECT_EQ(mode.gl, TextureUnit::Environment2GL(mode.environment));
        EXPECT_EQ(mode.environment, TextureUnit::GL2Environment(mode.gl));
    }
}

TEST(TextureUnitEnvironment, RefusesValuesOutsideTheTable)
{
    expectUntranslated(thrownBy<InternalException>(
        [] { TextureUnit::Environment2GL(static_cast<TextureUnit::Environment>(6)); }));
    // GL_ADD_SIGNED is a combiner function, not an environment mode.
    expectUntranslated(thrownBy<InternalException>([] { TextureUnit::GL2Environment(0x8574); }));
    expectUntranslated(thrownBy<InternalException>([] { TextureUnit::GL2Environment(0); }));
}
