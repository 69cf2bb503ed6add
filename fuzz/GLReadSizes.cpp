#include "fuzz/GLReadSizes.h"

#include <algorithm>

namespace QEL { namespace OGL { namespace Fuzz {

namespace {

const GLenum kTextureBorderColor = 0x1004;
const GLenum kTextureSwizzleRGBA = 0x8E46;
const GLenum kTextureMinFilter = 0x2801;

// The components of each pixel format. GL_RGB8 and GL_RGBA8 are internal formats, which GL refuses as pixel
// formats; the recorder accepts them as their base formats, and an application that passes them has sized its
// array for those.
struct Format
{
    GLenum value;
    int components;
};

const Format kFormats[] = {
    {0x1900, 1}, {0x1901, 1}, {0x1902, 1}, {0x1903, 1}, {0x1904, 1}, {0x1905, 1}, {0x1906, 1},  // index..alpha
    {0x1907, 3}, {0x1908, 4}, {0x1909, 1}, {0x190A, 2},  // RGB, RGBA, LUMINANCE, LUMINANCE_ALPHA
    {0x80E0, 3}, {0x80E1, 4}, {0x8000, 4},               // BGR, BGRA, ABGR_EXT
    {0x8051, 3}, {0x8058, 4},                            // RGB8, RGBA8
};

// The bytes of one element of each pixel type; a packed type holds a whole pixel in one element.
struct Type
{
    GLenum value;
    int bytes;
    bool packed;
};

const Type kTypes[] = {
    {0x1400, 1, false}, {0x1401, 1, false}, {0x1402, 2, false}, {0x1403, 2, false},  // (UNSIGNED_)BYTE, SHORT
    {0x1404, 4, false}, {0x1405, 4, false}, {0x1406, 4, false}, {0x140B, 2, false},  // (UNSIGNED_)INT, FLOAT, HALF
    {0x8032, 1, true}, {0x8362, 1, true},                                            // 3_3_2, 2_3_3_REV
    {0x8363, 2, true}, {0x8364, 2, true}, {0x8033, 2, true}, {0x8365, 2, true},      // 5_6_5, 4_4_4_4
    {0x8034, 2, true}, {0x8366, 2, true},                                            // 5_5_5_1
    {0x8035, 4, true}, {0x8367, 4, true}, {0x8036, 4, true}, {0x8368, 4, true},      // 8_8_8_8, 10_10_10_2
};

// Beyond any array a caller could hold; below it every product here fits in 64 bits.
const std::int64_t kLargest = std::int64_t{1} << 24;

template <class Row, std::size_t N>
const Row* find(const Row (&rows)[N], GLenum value)
{
    const auto row = std::find_if(rows, rows + N, [value](const Row& r) { return r.value == value; });
    return row != rows + N ? row : nullptr;
}

template <class Row, std::size_t N>
std::vector<GLenum> values(const Row (&rows)[N])
{
    std::vector<GLenum> all;
    for (const Row& row : rows)
        all.push_back(row.value);
    return all;
}

}

std::int64_t GLReadSizes::texParameterValues(GLenum pname)
{
    return pname == kTextureBorderColor || pname == kTextureSwizzleRGBA ? 4 : 1;
}

std::int64_t GLReadSizes::imageBytes(const UnpackState& state, GLenum format, GLenum type, std::int64_t width,
                                     std::int64_t height)
{
    const Format* pixelFormat = find(kFormats, format);
    const Type* pixelType = find(kTypes, type);
    if (pixelFormat == nullptr || pixelType == nullptr || state.bufferBound || width <= 0 || height <= 0)
        return 0;
    const std::int64_t rowGroups = state.rowLength > 0 ? state.rowLength : width;
    if (std::max({width, height, rowGroups, std::int64_t{state.skipPixels}, std::int64_t{state.skipRows}}) >
        kLargest)
        return kTooLarge;

    // n elements of s bytes per group; a row of l groups is k elements, padded to the alignment a when s < a.
    const std::int64_t n = pixelType->packed ? 1 : pixelFormat->components;
    const std::int64_t s = pixelType->bytes;
    const std::int64_t a = state.alignment;
    const std::int64_t k = s >= a ? n * rowGroups : a / s * ((s * n * rowGroups + a - 1) / a);
    // The last element read ends group skipPixels + width of row skipRows + height - 1.
    return s * ((state.skipRows + height - 1) * k + (state.skipPixels + width) * n);
}

const std::vector<GLenum>& GLReadSizes::enumerants(const std::string& group)
{
    static const std::vector<GLenum> kNone;
    static const std::vector<GLenum> kParameterNames = {kTextureBorderColor, kTextureSwizzleRGBA, kTextureMinFilter};
    static const std::vector<GLenum> kFormatValues = values(kFormats);
    static const std::vector<GLenum> kTypeValues = values(kTypes);
    if (group == "PixelFormat")
        return kFormatValues;
    if (group == "PixelType")
        return kTypeValues;
    if (group == "TextureParameterName")
        return kParameterNames;
    return kNone;
}

}}}
