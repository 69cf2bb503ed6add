#include "qel_ogl/extensionator/TokenName.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

namespace {

struct Row
{
    GLenum value;
    const char* name;
};

const char* const kUnknown = "Unknown Token";

// Every row of the generated table, as the library compiles it.
const Row kGeneratedRows[] = {
#include "qel_ogl/extensionator/generated/TokenTable.inc"
};

template <std::size_t N>
void expectRows(const Row (&rows)[N])
{
    for (const Row& row : rows) {
        EXPECT_STREQ(row.name, TokenName(row.value)) << std::hex << "value 0x" << row.value;
    }
}

// The values that the table names below 0x10000, counted in [first, last].
unsigned namedValues(GLenum first, GLenum last)
{
    unsigned count = 0;
    for (GLenum value = first; value <= last; ++value) {
        count += std::string(TokenName(value)) != kUnknown;
    }
    return count;
}

const Row kHighValues[] = {
    {0x00010000, "GL_EVAL_BIT"},
    {0x00020000, "GL_LIST_BIT"},
    {0x00040000, "GL_TEXTURE_BIT"},
    {0x00080000, "GL_SCISSOR_BIT"},
    {0x000FFFFF, "GL_ALL_ATTRIB_BITS"},
    {0x00100000, "GL_MAT_AMBIENT_BIT_PGI"},
    {0x00200000, "GL_MAT_AMBIENT_AND_DIFFUSE_BIT_PGI"},
    {0x00400000, "GL_MAT_DIFFUSE_BIT_PGI"},
    {0x00800000, "GL_MAT_EMISSION_BIT_PGI"},
    {0x01000000, "GL_MAT_COLOR_INDEXES_BIT_PGI"},
    {0x02000000, "GL_MAT_SHININESS_BIT_PGI"},
    {0x04000000, "GL_MAT_SPECULAR_BIT_PGI"},
    {0x08000000, "GL_NORMAL_BIT_PGI"},
    {0x10000000, "GL_TEXCOORD1_BIT_PGI"},
    {0x20000000, "GL_MULTISAMPLE_BIT"},
    {0x40000000, "GL_TEXCOORD3_BIT_PGI"},
    {0x80000000, "GL_TEXCOORD4_BIT_PGI"},
    {0xFFFFFFFF, "GL_CLIENT_ALL_ATTRIB_BITS"},
};

}

TEST(TokenName, ZeroAndOneAnswerPrimitiveAndAttributeNamesNotTruthValues)
{
    EXPECT_STREQ("GL_POINTS", TokenName(0x0000));
    EXPECT_STREQ("GL_CURRENT_BIT", TokenName(0x0001));
}

// gl.h order: accumulation operations and alpha functions before attribute bits, attribute bits before
// primitive modes, primitive modes before blending factors, booleans, draw buffers and error codes.
TEST(TokenName, SharedGL11ValuesAnswerTheFirstNameOfTheClassicHeader)
{
    const Row rows[] = {
        {0x0002, "GL_POINT_BIT"},
        {0x0003, "GL_LINE_STRIP"},
        {0x0004, "GL_LINE_BIT"},
        {0x0008, "GL_POLYGON_BIT"},
        {0x0100, "GL_ACCUM"},
        {0x0200, "GL_NEVER"},
        {0x0400, "GL_STENCIL_BUFFER_BIT"},
        {0x0800, "GL_VIEWPORT_BIT"},
        {0x1000, "GL_TRANSFORM_BIT"},
        {0x2000, "GL_ENABLE_BIT"},
        {0x4000, "GL_COLOR_BUFFER_BIT"},
        {0x8000, "GL_HINT_BIT"},
    };
    expectRows(rows);
}

TEST(TokenName, CoreNamesWinByVersionOverExtensionNames)
{
    const Row rows[] = {
        {0x8450, "GL_FOG_COORDINATE_SOURCE"},
        {0x8580, "GL_SOURCE0_RGB"},
        {0x889D, "GL_FOG_COORDINATE_ARRAY_BUFFER_BINDING"},
        {0x84C0, "GL_TEXTURE0"},
        {0x8892, "GL_ARRAY_BUFFER"},
        {0x8B31, "GL_VERTEX_SHADER"},
    };
    expectRows(rows);
}

TEST(TokenName, SharedExtensionValuesAnswerTheFirstExtensionInAsciiOrder)
{
    const Row rows[] = {
        {0x0506, "GL_INVALID_FRAMEBUFFER_OPERATION_EXT"},
        {0x140B, "GL_HALF_APPLE"},
        {0x84F5, "GL_TEXTURE_RECTANGLE_ARB"},
        {0x84F9, "GL_DEPTH_STENCIL_EXT"},
        {0x8620, "GL_VERTEX_PROGRAM_ARB"},
        {0x8742, "GL_MIRROR_CLAMP_ATI"},
        {0x8814, "GL_RGBA_FLOAT32_APPLE"},
        {0x8820, "GL_RGBA_FLOAT_MODE_ARB"},
        {0x8CA6, "GL_DRAW_FRAMEBUFFER_BINDING_EXT"},
        {0x8CAB, "GL_RENDERBUFFER_SAMPLES_EXT"},
        {0x88FD, "GL_VERTEX_ATTRIB_ARRAY_INTEGER_EXT"},
    };
    expectRows(rows);
}

TEST(TokenName, FloatFormatsTakeTheirAppleNames)
{
    for (GLenum value = 0x8814; value <= 0x881F; ++value) {
        const std::string name = TokenName(value);
        EXPECT_EQ("_APPLE", name.substr(name.size() - 6)) << name;
    }
}

TEST(TokenName, TransformFeedbackValuesTakeTheirNVNames)
{
    for (GLenum value = 0x8C7F; value <= 0x8C8F; ++value) {
        const std::string name = TokenName(value);
        if (name != kUnknown) {
            EXPECT_EQ("_NV", name.substr(name.size() - 3)) << name;
        }
    }
    EXPECT_STREQ("GL_TRANSFORM_FEEDBACK_BUFFER_MODE_NV", TokenName(0x8C7F));
}

TEST(TokenName, GeometryShaderPrimitiveModesAreNamed)
{
    const Row rows[] = {
        {0x000A, "GL_LINES_ADJACENCY_EXT"},
        {0x000B, "GL_LINE_STRIP_ADJACENCY_EXT"},
        {0x000C, "GL_TRIANGLES_ADJACENCY_EXT"},
        {0x000D, "GL_TRIANGLE_STRIP_ADJACENCY_EXT"},
    };
    expectRows(rows);
}

TEST(TokenName, UnsuffixedExtensionNamesAreWrittenWithoutSuffix)
{
    const Row rows[] = {
        {0x83A0, "GL_RGB_S3TC"},
        {0x83A1, "GL_RGB4_S3TC"},
        {0x83A2, "GL_RGBA_S3TC"},
        {0x83A3, "GL_RGBA4_S3TC"},
        {0x83A4, "GL_RGBA_DXT5_S3TC"},
        {0x83A5, "GL_RGBA4_DXT5_S3TC"},
        {0x8C4C, "GL_COMPRESSED_SRGB_S3TC_DXT1"},
        {0x8C4D, "GL_COMPRESSED_SRGB_ALPHA_S3TC_DXT1"},
        {0x8C4E, "GL_COMPRESSED_SRGB_ALPHA_S3TC_DXT3"},
        {0x8C4F, "GL_COMPRESSED_SRGB_ALPHA_S3TC_DXT5"},
    };
    expectRows(rows);
}

TEST(TokenName, AllTextureUnitsAndDrawBuffersAreNamed)
{
    for (GLenum unit = 0; unit < 32; ++unit) {
        EXPECT_EQ("GL_TEXTURE" + std::to_string(unit), TokenName(0x84C0 + unit));
    }
    for (GLenum buffer = 0; buffer < 16; ++buffer) {
        EXPECT_EQ("GL_DRAW_BUFFER" + std::to_string(buffer), TokenName(0x8825 + buffer));
    }
    EXPECT_STREQ("GL_TEXTURE31", TokenName(0x84DF));
    EXPECT_STREQ("GL_DRAW_BUFFER15", TokenName(0x8834));
}

TEST(TokenName, OnlyTheEighteenListedValuesFrom0x10000UpwardAreNamed)
{
    expectRows(kHighValues);
    for (unsigned bit = 16; bit < 32; ++bit) {
        EXPECT_STRNE(kUnknown, TokenName(GLenum(1) << bit)) << "bit " << bit;
    }
    // Bit combinations, IBM's and PGI_misc_hints' values, NV_transform_feedback's negative ones.
    const GLenum unlisted[] = {0x00010001, 0x00030000, 0x000FFFFE, 0x0001A1F8, 0x00019262, 0x7FFFFFFF, 0xFFFFFFFE};
    for (GLenum value : unlisted) {
        EXPECT_STREQ(kUnknown, TokenName(value)) << std::hex << "value 0x" << value;
    }
}

TEST(TokenName, BitCombinationsAndValuesBetweenRowsAreUnknown)
{
    EXPECT_STREQ(kUnknown, TokenName(0x4100));
    EXPECT_STREQ(kUnknown, TokenName(0x000E));
    EXPECT_STREQ(kUnknown, TokenName(0x8E13));
    EXPECT_STREQ("GL_MULTISAMPLE_COVERAGE_MODES_NV", TokenName(0x8E12));
    EXPECT_EQ(0u, namedValues(0x8E13, 0xFFFF));
}

TEST(TokenName, ValuesBelow0x8000AreSpreadAsInGL11AndItsExtensions)
{
    EXPECT_EQ(18u, namedValues(0x0000, 0x00FF));
    EXPECT_EQ(423u, namedValues(0x0100, 0x7FFF));
}

TEST(TokenName, EveryGeneratedRowAnswersItsName)
{
    expectRows(kGeneratedRows);
}

TEST(TokenName, EveryNameAnswersOneValueOnly)
{
    std::set<std::string> names;
    unsigned rows = 0;
    for (GLenum value = 0; value <= 0xFFFF; ++value) {
        const std::string name = TokenName(value);
        if (name != kUnknown) {
            names.insert(name);
            ++rows;
        }
    }
    for (const Row& row : kHighValues) {
        names.insert(TokenName(row.value));
        ++rows;
    }
    EXPECT_EQ(rows, names.size());
}

TEST(BoolToString, ZeroIsFalseAndAnyOtherByteIsTrue)
{
    EXPECT_STREQ("GL_FALSE", boolToString(false));
    EXPECT_STREQ("GL_TRUE", boolToString(true));
    const GLboolean bytes[] = {0, 1, 2, 0xFF};
    const char* const expected[] = {"GL_FALSE", "GL_TRUE", "GL_TRUE", "GL_TRUE"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(expected[i], boolToString(bytes[i])) << "byte " << int(bytes[i]);
    }
}
