// How many bytes GL reads through a call's pointers: the generated rules evaluated for a call's arguments and
// the GL state, a few rows per kind of rule.

#include "qel_ogl/extensionator/PointerReads.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "qel_core/InternalException.h"
#include "qel_ogl/extensionator/EnumerantCounts.h"
#include "qel_ogl/extensionator/PointerReadRule.h"

using QEL::OGL::CallArgument;
using QEL::OGL::EnumerantCounts;
using QEL::OGL::PointerRead;
using QEL::OGL::PointerReadRule;
using QEL::OGL::PointerReads;
using QEL::OGL::PointerReadState;

namespace {

// Tokens, as GL defines them.
const unsigned kLight0 = 0x4000, kPosition = 0x1203, kSpotDirection = 0x1204, kSpotCutoff = 0x1206;
const unsigned kFront = 0x0404, kShininess = 0x1601, kAmbientAndDiffuse = 0x1602, kColorIndexes = 0x1603;
const unsigned kFogDensity = 0x0B62, kFogColor = 0x0B66;
const unsigned kTextureEnv = 0x2300, kTextureEnvMode = 0x2200, kTextureEnvColor = 0x2201;
const unsigned kS = 0x2000, kObjectPlane = 0x2501, kTextureGenMode = 0x2500;
const unsigned kTexture1D = 0x0DE0, kTexture2D = 0x0DE1, kTexture3D = 0x806F, kProxyTexture2D = 0x8064;
const unsigned kTextureMinFilter = 0x2801, kTextureBorderColor = 0x1004;
const unsigned kPointDistanceAttenuation = 0x8129, kLightModelAmbient = 0x0B53, kLightModelTwoSide = 0x0B52;
const unsigned kColorTable = 0x80D0, kColorTableScale = 0x80D6, kConvolution2D = 0x8011, kSeparable2D = 0x8012;
const unsigned kConvolutionBorderMode = 0x8013;
const unsigned kByte = 0x1400, kUnsignedByte = 0x1401, kUnsignedShort = 0x1403, kUnsignedInt = 0x1405;
const unsigned kFloat = 0x1406, k3Bytes = 0x1408, kBitmap = 0x1A00, kUnsignedShort565 = 0x8363;
const unsigned kColorIndex = 0x1900, kRGB = 0x1907, kRGBA = 0x1908, kLuminance = 0x1909;
const unsigned kTriangles = 0x0004, kArrayBuffer = 0x8892, kStaticDraw = 0x88E4, kCompressedRGBS3TC = 0x83F0;
const unsigned kPixelMapIToI = 0x0C70, kMap1Vertex3 = 0x0D97, kMap2Vertex4 = 0x0DB8, kModelviewMatrix = 0x0BA6;

const float kData[64] = {};
const std::size_t kPointer = sizeof(const void*);

PointerReadState unpackAlignment(int alignment)
{
    PointerReadState state;
    state.unpack.alignment = alignment;
    return state;
}

PointerReadState boundBuffers()
{
    PointerReadState state;
    state.unpack.bufferBound = true;
    state.arrayBufferBound = true;
    state.elementArrayBufferBound = true;
    return state;
}

const PointerReadRule& ruleOf(const char* operation, const char* parameter)
{
    const PointerReadRule* rule = PointerReads::find(operation, parameter);
    if (rule == nullptr)
        throw std::string("no rule for ") + operation + " " + parameter;
    return *rule;
}

PointerRead readOf(const char* operation, const char* parameter, const std::vector<CallArgument>& arguments,
                   const PointerReadState& state)
{
    return PointerReads::read(ruleOf(operation, parameter), arguments.data(), arguments.size(), state);
}

// A call, the state it runs in, and what GL does with one of its pointers.
struct Row
{
    const char* operation;
    const char* parameter;
    std::vector<CallArgument> arguments;
    PointerReadState state;
    PointerRead::Kind kind;
    std::int64_t bytes;
};

void expectRows(const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.operation) + " " + row.parameter);
        const PointerRead read = readOf(row.operation, row.parameter, row.arguments, row.state);
        EXPECT_EQ(row.kind, read.kind);
        EXPECT_EQ(row.bytes, read.bytes);
    }
}

const PointerReadState kInitial;
const PointerRead::Kind READ = PointerRead::READ;
const PointerRead::Kind UNKNOWN = PointerRead::UNKNOWN;
const PointerRead::Kind OFFSET = PointerRead::OFFSET;
const PointerRead::Kind WRITTEN = PointerRead::WRITTEN;

}

TEST(PointerReads, ALightsPositionIsFourFloats)
{
    const float position[4] = {1, 2, 3, 0};
    // example: what GL reads through a pointer
    const PointerReadRule* rule = PointerReads::find("glLightfv", "params");
    const PointerRead read = PointerReads::read(*rule, {kLight0, kPosition, position}, PointerReadState());
    // read.kind is PointerRead::READ, read.bytes 16
    // end of example
    EXPECT_EQ(READ, read.kind);
    EXPECT_EQ(16, read.bytes);
}

TEST(PointerReads, FixedLengthsAndCountsOfOtherParameters)
{
    expectRows({
        {"glVertex3fv", "v", {kData}, kInitial, READ, 12},
        {"glLoadTransposeMatrixf", "m", {kData}, kInitial, READ, 64},
        {"glLoadMatrixd", "m", {kData}, kInitial, READ, 128},
        {"glClipPlane", "equation", {0x3000u, kData}, kInitial, READ, 32},
        {"glDeleteBuffers", "buffers", {5, kData}, kInitial, READ, 20},
        {"glUniform4fv", "value", {0, 2, kData}, kInitial, READ, 32},
        {"glUniformMatrix3fv", "value", {0, 2, static_cast<unsigned char>(0), kData}, kInitial, READ, 72},
        {"glBufferData", "data", {kArrayBuffer, std::ptrdiff_t{100}, kData, kStaticDraw}, kInitial, READ, 100},
        {"glDeleteTextures", "textures", {0, kData}, kInitial, READ, 0},
        {"glDeleteTextures", "textures", {-1, kData}, kInitial, UNKNOWN, -1},
    });
}

TEST(PointerReads, ParameterNamesTakeTheirTablesValues)
{
    expectRows({
        {"glLightfv", "params", {kLight0, kPosition, kData}, kInitial, READ, 16},
        {"glLightfv", "params", {kLight0, kSpotCutoff, kData}, kInitial, READ, 4},
        {"glLightiv", "params", {kLight0, kSpotDirection, kData}, kInitial, READ, 12},
        {"glMaterialfv", "params", {kFront, kShininess, kData}, kInitial, READ, 4},
        {"glMaterialfv", "params", {kFront, kAmbientAndDiffuse, kData}, kInitial, READ, 16},
        {"glMaterialiv", "params", {kFront, kColorIndexes, kData}, kInitial, READ, 12},
        {"glFogfv", "params", {kFogColor, kData}, kInitial, READ, 16},
        {"glFogiv", "params", {kFogDensity, kData}, kInitial, READ, 4},
        {"glTexEnvfv", "params", {kTextureEnv, kTextureEnvColor, kData}, kInitial, READ, 16},
        {"glTexEnviv", "params", {kTextureEnv, kTextureEnvMode, kData}, kInitial, READ, 4},
        {"glTexGendv", "params", {kS, kObjectPlane, kData}, kInitial, READ, 32},
        {"glTexGeniv", "params", {kS, kTextureGenMode, kData}, kInitial, READ, 4},
        {"glTexParameteriv", "params", {kTexture2D, kTextureBorderColor, kData}, kInitial, READ, 16},
        {"glTexParameterfv", "params", {kTexture2D, kTextureMinFilter, kData}, kInitial, READ, 4},
        {"glPointParameterfv", "params", {kPointDistanceAttenuation, kData}, kInitial, READ, 12},
        {"glLightModelfv", "params", {kLightModelAmbient, kData}, kInitial, READ, 16},
        {"glLightModeliv", "params", {kLightModelTwoSide, kData}, kInitial, READ, 4},
        {"glColorTableParameterfv", "params", {kColorTable, kColorTableScale, kData}, kInitial, READ, 16},
        {"glConvolutionParameteriv", "params", {kConvolution2D, kConvolutionBorderMode, kData}, kInitial, READ, 4},
        // A name that the light's table does not list (a material's).
        {"glLightfv", "params", {kLight0, kShininess, kData}, kInitial, UNKNOWN, -1},
    });
}

TEST(PointerReads, ListsAndIndicesByTheirType)
{
    expectRows({
        {"glCallLists", "lists", {3, kUnsignedShort, kData}, kInitial, READ, 6},
        {"glCallLists", "lists", {2, k3Bytes, kData}, kInitial, READ, 6},
        {"glCallLists", "lists", {2, kFloat, kData}, kInitial, READ, 8},
        {"glCallLists", "lists", {2, kBitmap, kData}, kInitial, UNKNOWN, -1},
        {"glDrawElements", "indices", {kTriangles, 6, kUnsignedShort, kData}, kInitial, READ, 12},
        {"glDrawElements", "indices", {kTriangles, 6, kUnsignedInt, kData}, kInitial, READ, 24},
        {"glDrawElements", "indices", {kTriangles, 6, kByte, kData}, kInitial, UNKNOWN, -1},
        {"glDrawElements", "indices", {kTriangles, 6, kUnsignedInt, kData}, boundBuffers(), OFFSET, 0},
        {"glDrawRangeElements", "indices", {kTriangles, 0u, 9u, 3, kUnsignedByte, kData}, kInitial, READ, 3},
        // Three modes eight bytes apart: the last one's four bytes end the read.
        {"glMultiModeDrawArraysIBM", "mode", {kData, kData, kData, 3, 8}, kInitial, READ, 20},
    });
}

TEST(PointerReads, ImagesUnderTheUnpackState)
{
    PointerReadState rowsApart = unpackAlignment(4);
    rowsApart.unpack.skipRows = 2;
    PointerReadState imagesApart = unpackAlignment(1);
    imagesApart.unpack.imageHeight = 3;
    expectRows({
        // Rows of nine bytes padded to twelve, the last one not: 21 bytes.
        {"glTexImage2D", "pixels", {kTexture2D, 0, kRGB, 3, 2, 0, kRGB, kUnsignedByte, kData}, kInitial, READ, 21},
        {"glTexImage2D", "pixels", {kTexture2D, 0, kRGB, 3, 2, 0, kRGB, kUnsignedByte, kData}, unpackAlignment(1),
         READ, 18},
        {"glTexImage2D", "pixels", {kProxyTexture2D, 0, kRGB, 3, 2, 0, kRGB, kUnsignedByte, kData}, kInitial, READ, 0},
        {"glTexImage2D", "pixels", {kTexture2D, 0, kRGB, 3, 2, 0, kRGB, kUnsignedByte, kData}, boundBuffers(), OFFSET,
         0},
        {"glTexImage2D", "pixels", {kTexture2D, 0, kRGB, -3, 2, 0, kRGB, kUnsignedByte, kData}, kInitial, UNKNOWN, -1},
        {"glTexImage2D", "pixels", {kTexture2D, 0, kRGB, 3, 2, 0, 0x1234u, kUnsignedByte, kData}, kInitial, UNKNOWN,
         -1},
        {"glTexSubImage2D", "pixels", {kTexture2D, 0, 1, 1, 3, 2, kRGB, kUnsignedShort565, kData}, kInitial, READ,
         8 + 6},
        {"glDrawPixels", "pixels", {2, 2, kRGBA, kFloat, kData}, kInitial, READ, 64},
        {"glDrawPixels", "pixels", {16, 2, kColorIndex, kBitmap, kData}, kInitial, READ, 4 + 2},
        {"glDrawPixels", "pixels", {16, 2, kRGB, kBitmap, kData}, kInitial, UNKNOWN, -1},
        {"glTexImage1D", "pixels", {kTexture1D, 0, kLuminance, 5, 0, kLuminance, kUnsignedByte, kData}, kInitial,
         READ, 5},
        {"glTexImage1D", "pixels", {kTexture1D, 0, kLuminance, 5, 0, kLuminance, kUnsignedByte, kData}, rowsApart,
         READ, 2 * 8 + 5},
        {"glTexImage3D", "pixels", {kTexture3D, 0, kRGBA, 2, 2, 2, 0, kRGBA, kUnsignedByte, kData}, kInitial, READ,
         32},
        {"glTexSubImage3D", "pixels", {kTexture3D, 0, 0, 0, 0, 2, 2, 2, kRGBA, kUnsignedByte, kData}, imagesApart,
         READ, 24 + 16},
        {"glColorTable", "table", {kColorTable, kRGB, 256, kRGB, kUnsignedByte, kData}, kInitial, READ, 768},
        {"glColorSubTable", "data", {kColorTable, 4, 10, kRGBA, kUnsignedByte, kData}, kInitial, READ, 40},
        {"glConvolutionFilter2D", "image", {kConvolution2D, kLuminance, 3, 3, kLuminance, kFloat, kData}, kInitial,
         READ, 36},
        {"glSeparableFilter2D", "row", {kSeparable2D, kRGBA, 5, 3, kRGBA, kFloat, kData, kData}, kInitial, READ, 80},
        {"glSeparableFilter2D", "column", {kSeparable2D, kRGBA, 5, 3, kRGBA, kFloat, kData, kData}, kInitial, READ,
         48},
    });
}

TEST(PointerReads, BitmapsStipplesCompressedImagesAndPixelMaps)
{
    PointerReadState longRows = unpackAlignment(1);
    longRows.unpack.rowLength = 48;
    expectRows({
        // Rows of ten bits take two bytes, padded to four.
        {"glBitmap", "bitmap", {10, 3, 0.0f, 0.0f, 0.0f, 0.0f, kData}, kInitial, READ, 4 + 4 + 2},
        {"glPolygonStipple", "mask", {kData}, kInitial, READ, 128},
        {"glPolygonStipple", "mask", {kData}, unpackAlignment(1), READ, 128},
        {"glPolygonStipple", "mask", {kData}, unpackAlignment(8), READ, 31 * 8 + 4},
        {"glPolygonStipple", "mask", {kData}, longRows, READ, 31 * 6 + 4},
        {"glPolygonStipple", "mask", {kData}, boundBuffers(), OFFSET, 0},
        {"glCompressedTexImage2D", "data", {kTexture2D, 0, kCompressedRGBS3TC, 16, 16, 0, 128, kData}, kInitial, READ,
         128},
        {"glCompressedTexImage2D", "data", {kProxyTexture2D, 0, kCompressedRGBS3TC, 16, 16, 0, 128, kData}, kInitial,
         READ, 0},
        {"glCompressedTexImage2D", "data", {kTexture2D, 0, kCompressedRGBS3TC, 16, 16, 0, 128, kData},
         boundBuffers(), OFFSET, 0},
        {"glPixelMapfv", "values", {kPixelMapIToI, 4, kData}, kInitial, READ, 16},
    });
}

TEST(PointerReads, EvaluatorMapsReadTheirControlPointsThroughTheStrides)
{
    expectRows({
        // Four points three floats apart, each of three values.
        {"glMap1f", "points", {kMap1Vertex3, 0.0f, 1.0f, 3, 4, kData}, kInitial, READ, (3 * 3 + 3) * 4},
        {"glMap1f", "points", {kMap1Vertex3, 0.0f, 1.0f, 5, 2, kData}, kInitial, READ, (5 + 3) * 4},
        {"glMap2d", "points", {kMap2Vertex4, 0.0, 1.0, 4, 2, 0.0, 1.0, 8, 3, kData}, kInitial, READ,
         (4 + 2 * 8 + 4) * 8},
        {"glMap1f", "points", {kMap1Vertex3, 0.0f, 1.0f, 3, 0, kData}, kInitial, UNKNOWN, -1},
        {"glMap1f", "points", {kModelviewMatrix, 0.0f, 1.0f, 3, 4, kData}, kInitial, UNKNOWN, -1},
    });
}

TEST(PointerReads, StringsEndAtTheirNul)
{
    expectRows({
        {"glGetUniformLocation", "name", {1u, "color"}, kInitial, READ, 6},
        {"glBindAttribLocation", "name", {1u, 0u, ""}, kInitial, READ, 1},
        {"glGetUniformLocation", "name", {1u, nullptr}, kInitial, UNKNOWN, -1},
        {"glStringMarkerGREMEDY", "string", {3, "frame"}, kInitial, READ, 3},
        {"glStringMarkerGREMEDY", "string", {0, "frame"}, kInitial, READ, 6},
    });
}

TEST(PointerReads, ShaderSourcesAreArraysOfStringsWithTheirLengths)
{
    const char* const sources[] = {"void main", "() {}"};
    const int lengths[] = {4, -1};
    const PointerReadRule& rule = ruleOf("glShaderSource", "string");
    const std::vector<CallArgument> withLengths = {1u, 2, sources, lengths};
    const PointerRead array = PointerReads::read(rule, withLengths.data(), withLengths.size(), kInitial);
    EXPECT_EQ(READ, array.kind);
    EXPECT_EQ(2, array.pointers);
    EXPECT_EQ(static_cast<std::int64_t>(2 * kPointer), array.bytes);
    EXPECT_EQ(4, PointerReads::readElement(rule, 0, {1u, 2, sources, lengths}, kInitial).bytes);
    EXPECT_EQ(6, PointerReads::readElement(rule, 1, {1u, 2, sources, lengths}, kInitial).bytes);
    EXPECT_EQ(10, PointerReads::readElement(rule, 0, {1u, 2, sources, nullptr}, kInitial).bytes);
    EXPECT_EQ(8, readOf("glShaderSource", "length", withLengths, kInitial).bytes);
}

TEST(PointerReads, MultiDrawsReadEachIndexArrayUnlessAnElementBufferIsBound)
{
    const int counts[] = {3, 5};
    const void* const indices[] = {kData, kData};
    const PointerReadRule& rule = ruleOf("glMultiDrawElements", "indices");
    const std::vector<CallArgument> call = {kTriangles, counts, kUnsignedInt, indices, 2};
    EXPECT_EQ(2, PointerReads::read(rule, call.data(), call.size(), kInitial).pointers);
    EXPECT_EQ(20, PointerReads::readElement(rule, 1, call.data(), call.size(), kInitial).bytes);
    // The array of offsets is still the caller's.
    EXPECT_EQ(READ, PointerReads::read(rule, call.data(), call.size(), boundBuffers()).kind);
    EXPECT_EQ(OFFSET, PointerReads::readElement(rule, 1, call.data(), call.size(), boundBuffers()).kind);
    EXPECT_EQ(UNKNOWN, PointerReads::readElement(rule, 0, {kTriangles, nullptr, kUnsignedInt, indices, 2},
                                                 kInitial).kind);
}

TEST(PointerReads, VertexArraysAreKeptForTheDrawsOrAreOffsets)
{
    const PointerRead kept = readOf("glVertexPointer", "pointer", {3, kFloat, 0, kData}, kInitial);
    EXPECT_EQ(PointerRead::KEPT, kept.kind);
    EXPECT_STRNE("", kept.reason);
    EXPECT_EQ(OFFSET, readOf("glVertexPointer", "pointer", {3, kFloat, 0, kData}, boundBuffers()).kind);
    // Parallel arrays: GL takes an array of four pointers at the call and reads through them at the draws.
    const void* const components[] = {kData, kData, kData, kData};
    const PointerReadRule& parallel = ruleOf("glVertexPointervINTEL", "pointer");
    EXPECT_EQ(4, PointerReads::read(parallel, {3, kFloat, components}, kInitial).pointers);
    EXPECT_EQ(PointerRead::KEPT, PointerReads::readElement(parallel, 2, {3, kFloat, components}, kInitial).kind);
}

TEST(PointerReads, PointersThatGLOnlyWritesAreWrittenWithTheirSizeWhereKnown)
{
    expectRows({
        {"glGenTextures", "textures", {4, kData}, kInitial, WRITTEN, 16},
        {"glGetFloatv", "data", {kModelviewMatrix, kData}, kInitial, WRITTEN, -1},
        {"glReadPixels", "pixels", {0, 0, 2, 2, kRGBA, kUnsignedByte, kData}, kInitial, WRITTEN, -1},
        {"glSelectBuffer", "buffer", {64, kData}, kInitial, WRITTEN, 256},
    });
    EXPECT_STREQ("written while the render mode is selection",
                 readOf("glSelectBuffer", "buffer", {64, kData}, kInitial).reason);
}

TEST(PointerReads, UnknownReadsSayWhy)
{
    const PointerRead read = readOf("glVariantfvEXT", "addr", {1u, kData}, kInitial);
    EXPECT_EQ(UNKNOWN, read.kind);
    EXPECT_STREQ("the components of the symbol id are GL state", read.reason);
}

TEST(PointerReads, RulesAreFoundByOperationAndPointerParameter)
{
    EXPECT_EQ(nullptr, PointerReads::find("glLightfv", "pname"));
    EXPECT_EQ(nullptr, PointerReads::find("glNoSuchCall", "params"));
    const PointerReadRule& rule = ruleOf("glLightfv", "params");
    EXPECT_EQ(2, rule.index);
    EXPECT_EQ(3, rule.parameterCount);
    EXPECT_EQ(&rule, &PointerReads::rule(&rule - &PointerReads::rule(0)));
    EXPECT_EQ(899u, PointerReads::ruleCount());
}

TEST(PointerReads, ArgumentsMustMatchTheOperationsParameters)
{
    const PointerReadRule& rule = ruleOf("glLightfv", "params");
    EXPECT_THROW(PointerReads::read(rule, {kPosition, kData}, kInitial), QEL::InternalException);
    EXPECT_THROW(PointerReads::rule(PointerReads::ruleCount()), QEL::InternalException);
    const PointerReadRule& sources = ruleOf("glShaderSource", "string");
    EXPECT_THROW(PointerReads::readElement(sources, 2, {1u, 2, kData, nullptr}, kInitial), QEL::InternalException);
}

TEST(EnumerantCounts, TablesAnswerTheirCountsAndZeroForWhatTheyDoNotList)
{
    EXPECT_EQ(4, EnumerantCounts::count(EnumerantCounts::LIGHT, kPosition));
    EXPECT_EQ(0, EnumerantCounts::count(EnumerantCounts::LIGHT, kShininess));
    EXPECT_EQ(1, EnumerantCounts::count(EnumerantCounts::MATERIAL, kShininess));
    EXPECT_EQ(1, EnumerantCounts::count(EnumerantCounts::PIXEL_TYPE, kBitmap));
    EXPECT_EQ(0, EnumerantCounts::count(EnumerantCounts::NO_TABLE, kPosition));
    EXPECT_EQ(0, EnumerantCounts::count(EnumerantCounts::TABLE_COUNT, kPosition));
}
