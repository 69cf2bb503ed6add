// The texture enumerations' GL values, read in both directions, and the channel and byte-size rules.

#include "qel_ogl/ogl/Texture.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/extensionator/TokenName.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using QEL::InternalException;
using QEL::OGL::Texture;
using IF = Texture::InternalFormat;

namespace {

void expectThrownFromTexture(const std::optional<InternalException>& e, const std::string& text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/Texture.cpp", e->file());
    EXPECT_EQ(text, e->text());
}

std::string untranslated(const char* enumeration)
{
    return std::string("!\"") + enumeration + " enums are not all properly translated.\"";
}

// One translation pair: the GL values of enumerators 0, 1, 2, ... as the library's contract writes them.
template <class Enum>
struct Table
{
    const char* name;
    unsigned (*toGL)(Enum);
    Enum (*fromGL)(unsigned);
    std::vector<unsigned> gl;
    unsigned notInTable;
};

template <class Enum>
void expectTranslatesBothWays(const Table<Enum>& table)
{
    SCOPED_TRACE(table.name);
    for (std::size_t value = 0; value < table.gl.size(); ++value) {
        const auto enumerator = static_cast<Enum>(value);
        EXPECT_EQ(table.gl[value], table.toGL(enumerator)) << value;
        EXPECT_EQ(enumerator, table.fromGL(table.gl[value])) << value;
    }
    const auto past = static_cast<Enum>(table.gl.size());
    expectThrownFromTexture(thrownBy<InternalException>([&] { table.toGL(past); }), untranslated(table.name));
    expectThrownFromTexture(thrownBy<InternalException>([&] { table.fromGL(table.notInTable); }),
                            untranslated(table.name));
}

}

TEST(TextureTables, TranslateEveryEnumeratorBothWays)
{
    expectTranslatesBothWays<Texture::Target>(
        {"Target", &Texture::Target2GL, &Texture::GL2Target, {0x0DE0, 0x0DE1, 0x806F, 0x84F5}, 0x8513});
    expectTranslatesBothWays<Texture::TargetBinding>({"Target", &Texture::TargetBinding2GL,
                                                      &Texture::GL2TargetBinding,
                                                      {0x8068, 0x8069, 0x806A, 0x84F6}, 0x0DE1});
    expectTranslatesBothWays<Texture::Filter>({"Filter", &Texture::Filter2GL, &Texture::GL2Filter,
                                               {0x2600, 0x2601, 0x2700, 0x2701, 0x2702, 0x2703}, 0x2900});
    expectTranslatesBothWays<Texture::WrapMode>({"WrapMode", &Texture::WrapMode2GL, &Texture::GL2WrapMode,
                                                 {0x2900, 0x812D, 0x812F, 0x8370, 0x2901}, 0x2600});
    expectTranslatesBothWays<Texture::Format>(
        {"Format", &Texture::Format2GL, &Texture::GL2Format,
         {0x1900, 0x1903, 0x1904, 0x1905, 0x1906, 0x1907, 0x80E0, 0x1908, 0x80E1, 0x1909, 0x190A}, 0x8058});
    expectTranslatesBothWays<Texture::Type>(
        {"Type", &Texture::Type2GL, &Texture::GL2Type,
         {0x1401, 0x1400, 0x1A00, 0x1403, 0x1402, 0x1405, 0x1404, 0x1406, 0x8032, 0x8362, 0x8363,
          0x8364, 0x8033, 0x8365, 0x8034, 0x8366, 0x8035, 0x8367, 0x8036, 0x8368, 0x140B},
         0x140A});
    expectTranslatesBothWays<Texture::PixelStoreMode>(
        {"PixelStoreMode", &Texture::PixelStoreMode2GL, &Texture::GL2PixelStoreMode,
         {0x0D00, 0x0D01, 0x0D02, 0x806C, 0x0D04, 0x0D03, 0x806B, 0x0D05, 0x0CF0, 0x0CF1, 0x0CF2, 0x806E, 0x0CF4,
          0x0CF3, 0x806D, 0x0CF5},
         0x0D50});
    expectTranslatesBothWays<Texture::InternalFormat>(
        {"InternalFormat", &Texture::InternalFormat2GL, &Texture::GL2InternalFormat,
         {0x1906, 0x803B, 0x803C, 0x803D, 0x803E, 0x1909, 0x803F, 0x8040, 0x8041, 0x8042,
          0x190A, 0x8043, 0x8044, 0x8045, 0x8046, 0x8047, 0x8048, 0x8049, 0x804A, 0x804B,
          0x804C, 0x804D, 0x2A10, 0x1907, 0x804F, 0x8050, 0x8051, 0x8052, 0x8053, 0x8054,
          0x1908, 0x8055, 0x8056, 0x8057, 0x8058, 0x8059, 0x805A, 0x805B, 0x8814, 0x8815,
          0x8816, 0x8817, 0x8818, 0x8819, 0x881A, 0x881B, 0x881C, 0x881D, 0x881E, 0x881F},
         0x1900});
}

// Channels and bytes per channel of every internal format; 0 bytes where SizeInBytes refuses the format.
TEST(TextureTables, SizeEveryInternalFormat)
{
    struct Layout
    {
        unsigned channels;
        unsigned bytes;
    };
    const Layout layouts[] = {
        {1, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 2}, {1, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 2}, {2, 1}, {2, 0}, {2, 0},
        {2, 1}, {2, 0}, {2, 0}, {2, 2}, {1, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 2}, {3, 0}, {3, 1}, {3, 0}, {3, 0},
        {3, 1}, {3, 0}, {3, 0}, {3, 2}, {4, 1}, {4, 0}, {4, 0}, {4, 0}, {4, 1}, {4, 0}, {4, 0}, {4, 2}, {4, 4},
        {3, 4}, {1, 4}, {1, 4}, {1, 4}, {2, 4}, {4, 2}, {3, 2}, {1, 2}, {1, 2}, {1, 2}, {2, 2}};
    ASSERT_EQ(50u, sizeof layouts / sizeof layouts[0]);
    for (int value = 0; value < 50; ++value) {
        SCOPED_TRACE(value);
        const auto format = static_cast<IF>(value);
        EXPECT_EQ(layouts[value].channels, Texture::Channels(format));
        if (layouts[value].bytes != 0) {
            EXPECT_EQ(static_cast<int>(layouts[value].bytes * layouts[value].channels * 6),
                      Texture::SizeInBytes(format, 3, 2, 1));
        } else {
            expectThrownFromTexture(
                thrownBy<InternalException>([&] { Texture::SizeInBytes(format, 3, 2, 1); }),
                std::string("Texture::SizeInBytes Unknown color channels for format ") +
                    TokenName(Texture::InternalFormat2GL(format)));
        }
    }
}

TEST(TextureTables, SizesTheExamplesAndNamesTheRefusedFormat)
{
    EXPECT_EQ(64, Texture::SizeInBytes(IF::RGBA8, 4, 4, 1));
    EXPECT_EQ(24, Texture::SizeInBytes(IF::RGB16F, 2, 2, 1));
    EXPECT_EQ(16, Texture::SizeInBytes(IF::RGBA32F, 1, 1, 1));
    expectThrownFromTexture(thrownBy<InternalException>([] { Texture::SizeInBytes(IF::RGB5, 4, 4, 1); }),
                            "Texture::SizeInBytes Unknown color channels for format GL_RGB5");
    EXPECT_EQ(3u, Texture::Channels(IF::RGB4));
    EXPECT_EQ(2u, Texture::Channels(IF::LUMINANCE_ALPHA32F));
    EXPECT_EQ(4u, Texture::Channels(Texture::Format::BGRA));
}

// A size above INT_MAX is refused rather than wrapped around (16 x 65536 x 65536 is 0 in 32 bits).
TEST(TextureTables, RefusesSizesThatDoNotFitAnInt)
{
    EXPECT_EQ(INT_MAX, Texture::SizeInBytes(IF::ALPHA8, INT_MAX, 1, 1));
    const char* const tooLarge = "Texture size does not fit in 32 bits";
    expectThrownFromTexture(thrownBy<InternalException>([] { Texture::SizeInBytes(IF::RGBA32F, 65536, 65536, 1); }),
                            tooLarge);
    expectThrownFromTexture(thrownBy<InternalException>([] { Texture::SizeInBytes(IF::ALPHA8, 1u << 31, 1, 1); }),
                            tooLarge);
    expectThrownFromTexture(
        thrownBy<InternalException>([] { Texture::SizeInBytes(IF::RGBA8, UINT_MAX, UINT_MAX, UINT_MAX); }), tooLarge);
}

TEST(TextureTables, RefusesChannelQuestionsOutsideTheEnumerations)
{
    const char* const notSized = "InternalFormat enums are not all properly sized.";
    expectThrownFromTexture(thrownBy<InternalException>([] { Texture::Channels(static_cast<IF>(50)); }), notSized);
    expectThrownFromTexture(thrownBy<InternalException>([] { Texture::Channels(static_cast<Texture::Format>(11)); }),
                            notSized);
    expectThrownFromTexture(
        thrownBy<InternalException>([] { Texture::SizeInBytes(static_cast<IF>(-1), 1, 1, 1); }), notSized);
}
