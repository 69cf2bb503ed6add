#include "fuzz/GLReadSizes.h"

#include <algorithm>
#include <map>

namespace QEL { namespace OGL { namespace Fuzz {

namespace {

const GLenum kTextureBorderColor = 0x1004;
const GLenum kTextureSwizzleRGBA = 0x8E46;
const GLenum kTextureMinFilter = 0x2801;
const GLenum kBitmap = 0x1A00;

// An enumerant and the number that GL attaches to it in one group.
struct Named
{
    GLenum value;
    int number;
};

using Group = std::vector<Named>;

// The values per parameter name of the calls that set a vector by name.
const std::map<std::string, Group>& parameterGroups()
{
    static const std::map<std::string, Group> groups = {
        // Colours and the position four, the spot direction three, the spot's exponent and cutoff and the
        // three attenuations one.
        {"LightParameter", {{0x1200, 4}, {0x1201, 4}, {0x1202, 4}, {0x1203, 4}, {0x1204, 3}, {0x1205, 1},
                            {0x1206, 1}, {0x1207, 1}, {0x1208, 1}, {0x1209, 1}}},
        {"FragmentLightParameterSGIX", {{0x1200, 4}, {0x1201, 4}, {0x1202, 4}, {0x1203, 4}, {0x1204, 3},
                                        {0x1205, 1}, {0x1206, 1}, {0x1207, 1}, {0x1208, 1}, {0x1209, 1}}},
        // Colours four, the shininess one, the colour indexes three.
        {"MaterialParameter", {{0x1200, 4}, {0x1201, 4}, {0x1202, 4}, {0x1600, 4}, {0x1601, 1}, {0x1602, 4},
                               {0x1603, 3}}},
        // The ambient colour four; the local viewer, two sides and colour control one.
        {"LightModelParameter", {{0x0B51, 1}, {0x0B52, 1}, {0x0B53, 4}, {0x81F8, 1}}},
        {"FragmentLightModelParameterSGIX", {{0x8408, 1}, {0x8409, 1}, {0x840A, 4}, {0x840B, 1}}},
        // The colour four; index, density, start, end, mode and coordinate source one.
        {"FogParameter", {{0x0B61, 1}, {0x0B62, 1}, {0x0B63, 1}, {0x0B64, 1}, {0x0B65, 1}, {0x0B66, 4},
                          {0x8450, 1}}},
        // The environment colour four; the mode, combiner functions, sources, operands, scales and the LOD bias
        // one.
        {"TextureEnvParameter", {{0x2200, 1}, {0x2201, 4}, {0x8501, 1}, {0x8571, 1}, {0x8572, 1}, {0x8573, 1},
                                 {0x0D1C, 1}, {0x8580, 1}, {0x8581, 1}, {0x8582, 1}, {0x8588, 1}, {0x8589, 1},
                                 {0x858A, 1}, {0x8590, 1}, {0x8591, 1}, {0x8592, 1}, {0x8598, 1}, {0x8599, 1},
                                 {0x859A, 1}, {0x8862, 1}}},
        // The mode one, the object and eye planes four.
        {"TextureGenParameter", {{0x2500, 1}, {0x2501, 4}, {0x2502, 4}}},
        // Sizes and the fade threshold one, the distance attenuation three.
        {"PointParameterNameARB", {{0x8126, 1}, {0x8127, 1}, {0x8128, 1}, {0x8129, 3}, {0x8CA0, 1}}},
        // The scale and the bias four.
        {"ColorTableParameterPNameSGI", {{0x80D6, 4}, {0x80D7, 4}}},
        // The border mode one, the filter scale and bias and the border colour four.
        {"ConvolutionParameterEXT", {{0x8013, 1}, {0x8014, 4}, {0x8015, 4}, {0x8154, 4}}},
        // The two constant colours four, the combiner count and the sum clamp one.
        {"CombinerParameterNV", {{0x852A, 4}, {0x852B, 4}, {0x854E, 1}, {0x854F, 1}}},
        // Scales, translations, rotation, filters and the cubic weight: one each.
        {"ImageTransformPNameHP", {{0x8155, 1}, {0x8156, 1}, {0x8157, 1}, {0x8158, 1}, {0x8159, 1},
                                   {0x815A, 1}, {0x815B, 1}, {0x815C, 1}, {0x815D, 1}, {0x815E, 1}}},
        // The mode one, the axis and the translation three.
        {"SpriteParameterNameSGIX", {{0x8149, 1}, {0x814A, 3}, {0x814B, 3}}},
        // The rotation matrix, two by two.
        {"TexBumpParameterATI", {{0x8775, 4}}},
    };
    return groups;
}

// Element bytes per type: list names of any integer width, indices of unsigned bytes, shorts and ints.
const std::map<std::string, Group>& typeGroups()
{
    static const std::map<std::string, Group> groups = {
        {"ListNameType", {{0x1400, 1}, {0x1401, 1}, {0x1402, 2}, {0x1403, 2}, {0x1404, 4}, {0x1405, 4},
                          {0x1406, 4}, {0x1407, 2}, {0x1408, 3}, {0x1409, 4}}},
        {"DrawElementsType", {{0x1401, 1}, {0x1403, 2}, {0x1405, 4}}},
    };
    return groups;
}

// Evaluator targets of one and two dimensions: colour four, index one, normal three, texture coordinates one
// to four, vertices three and four.
const Group kMapTargets = {{0x0D90, 4}, {0x0D91, 1}, {0x0D92, 3}, {0x0D93, 1}, {0x0D94, 2}, {0x0D95, 3},
                           {0x0D96, 4}, {0x0D97, 3}, {0x0D98, 4}, {0x0DB0, 4}, {0x0DB1, 1}, {0x0DB2, 3},
                           {0x0DB3, 1}, {0x0DB4, 2}, {0x0DB5, 3}, {0x0DB6, 4}, {0x0DB7, 3}, {0x0DB8, 4}};

const std::vector<GLenum> kProxyTargets = {0x8063, 0x8064, 0x8070, 0x851B, 0x84F7, 0x80D3, 0x80D4, 0x80D5};

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

// The bytes of one element of each pixel type; a packed type holds a whole pixel in one element. A bitmap's
// elements are bits (0 bytes here).
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
    {kBitmap, 0, false},
};

// Beyond any array a caller could hold; below it every product here fits in 64 bits.
const std::int64_t kLargest = std::int64_t{1} << 20;

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

int numberOf(const Group& group, GLenum value)
{
    const auto named = std::find_if(group.begin(), group.end(), [value](const Named& n) { return n.value == value; });
    return named != group.end() ? named->number : 0;
}

int numberIn(const std::map<std::string, Group>& groups, const std::string& group, GLenum value)
{
    const auto found = groups.find(group);
    return found != groups.end() ? numberOf(found->second, value) : 0;
}

std::vector<GLenum> valuesOf(const Group& group)
{
    std::vector<GLenum> all;
    for (const Named& named : group)
        all.push_back(named.value);
    return all;
}

// Bytes of the bitmap rows: l bits per row in whole bytes, padded to a multiple of the alignment a.
std::int64_t bitmapBytes(const UnpackState& state, std::int64_t width, std::int64_t rows, std::int64_t rowBits)
{
    const std::int64_t a = state.alignment;
    const std::int64_t k = a * ((rowBits + 8 * a - 1) / (8 * a));
    // The last row reads from bit skipPixels to bit skipPixels + width - 1.
    return (state.skipRows + rows - 1) * k + (state.skipPixels + width + 7) / 8;
}

}

std::int64_t GLReadSizes::texParameterValues(GLenum pname)
{
    const GLenum kPostTextureFilterBias = 0x8179;
    const GLenum kPostTextureFilterScale = 0x817A;
    const bool vector = pname == kTextureBorderColor || pname == kTextureSwizzleRGBA ||
                        pname == kPostTextureFilterBias || pname == kPostTextureFilterScale;
    return vector ? 4 : 1;
}

std::int64_t GLReadSizes::parameterValues(const std::string& group, GLenum pname)
{
    return numberIn(parameterGroups(), group, pname);
}

std::int64_t GLReadSizes::typeBytes(const std::string& group, GLenum type)
{
    return numberIn(typeGroups(), group, type);
}

std::int64_t GLReadSizes::mapValues(GLenum target)
{
    return numberOf(kMapTargets, target);
}

std::int64_t GLReadSizes::mapElements(GLenum target, std::int64_t stride, std::int64_t order, std::int64_t stride2,
                                      std::int64_t order2)
{
    const std::int64_t values = mapValues(target);
    if (values == 0 || order < 1 || order2 < 1 || stride < 0 || stride2 < 0)
        return 0;
    // Point (i, j) starts at i x stride + j x stride2 and has the target's values. Each product of two 32-bit
    // arguments fits; their sum may not.
    const std::int64_t last = (order - 1) * stride;
    const std::int64_t last2 = (order2 - 1) * stride2;
    return last > kTooLarge - last2 - values ? kTooLarge : last + last2 + values;
}

std::int64_t GLReadSizes::stridedBytes(std::int64_t count, std::int64_t stride, std::int64_t elementBytes)
{
    if (count <= 0 || stride < 0)
        return 0;
    return (count - 1) * stride + elementBytes;
}

bool GLReadSizes::isProxy(GLenum target)
{
    return std::find(kProxyTargets.begin(), kProxyTargets.end(), target) != kProxyTargets.end();
}

std::int64_t GLReadSizes::imageBytes(const UnpackState& state, GLenum format, GLenum type, std::int64_t width,
                                     std::int64_t height, std::int64_t depth)
{
    const Format* pixelFormat = find(kFormats, format);
    const Type* pixelType = find(kTypes, type);
    const std::int64_t images = depth == kTwoDimensional ? 1 : depth;
    if (pixelFormat == nullptr || pixelType == nullptr || state.bufferBound || width <= 0 || height <= 0 ||
        images <= 0)
        return 0;
    const std::int64_t rowGroups = state.rowLength > 0 ? state.rowLength : width;
    const std::int64_t imageRows = depth != kTwoDimensional && state.imageHeight > 0 ? state.imageHeight : height;
    if (std::max({width, height, images, rowGroups, imageRows, std::int64_t{state.skipPixels},
                  std::int64_t{state.skipRows}, std::int64_t{state.skipImages}}) > kLargest)
        return kTooLarge;
    // Images before the last one, whole; skipped images count only for three-dimensional images.
    const std::int64_t imagesBefore = depth == kTwoDimensional ? 0 : state.skipImages + images - 1;
    if (type == kBitmap) {
        // Only index formats come as bitmaps.
        if (pixelFormat->components != 1)
            return 0;
        const std::int64_t a = state.alignment;
        const std::int64_t imageBytes = imageRows * (a * ((rowGroups + 8 * a - 1) / (8 * a)));
        return imagesBefore * imageBytes + bitmapBytes(state, width, height, rowGroups);
    }

    // n elements of s bytes per group; a row of l groups is k elements, padded to the alignment a when s < a.
    const std::int64_t n = pixelType->packed ? 1 : pixelFormat->components;
    const std::int64_t s = pixelType->bytes;
    const std::int64_t a = state.alignment;
    const std::int64_t k = s >= a ? n * rowGroups : a / s * ((s * n * rowGroups + a - 1) / a);
    // The last element read ends group skipPixels + width of row skipRows + height - 1 of the last image.
    return s * (imagesBefore * imageRows * k + (state.skipRows + height - 1) * k + (state.skipPixels + width) * n);
}

const std::vector<GLenum>& GLReadSizes::enumerants(const std::string& group)
{
    static const std::vector<GLenum> kNone;
    static const std::vector<GLenum> kParameterNames = {kTextureBorderColor, kTextureSwizzleRGBA, kTextureMinFilter};
    static const std::vector<GLenum> kFormatValues = values(kFormats);
    static const std::vector<GLenum> kTypeValues = values(kTypes);
    static const std::vector<GLenum> kMapTargetValues = valuesOf(kMapTargets);
    static const std::map<std::string, std::vector<GLenum>> kGroupValues = [] {
        std::map<std::string, std::vector<GLenum>> all;
        for (const auto& groups : {parameterGroups(), typeGroups()})
            for (const auto& group : groups)
                all[group.first] = valuesOf(group.second);
        return all;
    }();
    if (group == "PixelFormat")
        return kFormatValues;
    if (group == "PixelType")
        return kTypeValues;
    if (group == "TextureParameterName")
        return kParameterNames;
    if (group == "MapTarget")
        return kMapTargetValues;
    const auto found = kGroupValues.find(group);
    return found != kGroupValues.end() ? found->second : kNone;
}

}}}
