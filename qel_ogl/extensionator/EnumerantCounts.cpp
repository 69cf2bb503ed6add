#include "qel_ogl/extensionator/EnumerantCounts.h"

#include <algorithm>
#include <iterator>

namespace QEL { namespace OGL {

namespace {

// One row per line, each named by its token: tools/glgen checks every value against the registry.
struct Row
{
    GLenum value;
    int count;
};

const Row kLight[] = {
    {0x1200, 4},  // GL_AMBIENT
    {0x1201, 4},  // GL_DIFFUSE
    {0x1202, 4},  // GL_SPECULAR
    {0x1203, 4},  // GL_POSITION
    {0x1204, 3},  // GL_SPOT_DIRECTION
    {0x1205, 1},  // GL_SPOT_EXPONENT
    {0x1206, 1},  // GL_SPOT_CUTOFF
    {0x1207, 1},  // GL_CONSTANT_ATTENUATION
    {0x1208, 1},  // GL_LINEAR_ATTENUATION
    {0x1209, 1},  // GL_QUADRATIC_ATTENUATION
};

const Row kMaterial[] = {
    {0x1200, 4},  // GL_AMBIENT
    {0x1201, 4},  // GL_DIFFUSE
    {0x1202, 4},  // GL_SPECULAR
    {0x1600, 4},  // GL_EMISSION
    {0x1601, 1},  // GL_SHININESS
    {0x1602, 4},  // GL_AMBIENT_AND_DIFFUSE
    {0x1603, 3},  // GL_COLOR_INDEXES
};

const Row kLightModel[] = {
    {0x0B51, 1},  // GL_LIGHT_MODEL_LOCAL_VIEWER
    {0x0B52, 1},  // GL_LIGHT_MODEL_TWO_SIDE
    {0x0B53, 4},  // GL_LIGHT_MODEL_AMBIENT
    {0x81F8, 1},  // GL_LIGHT_MODEL_COLOR_CONTROL
};

const Row kFragmentLightModel[] = {
    {0x8408, 1},  // GL_FRAGMENT_LIGHT_MODEL_LOCAL_VIEWER_SGIX
    {0x8409, 1},  // GL_FRAGMENT_LIGHT_MODEL_TWO_SIDE_SGIX
    {0x840A, 4},  // GL_FRAGMENT_LIGHT_MODEL_AMBIENT_SGIX
    {0x840B, 1},  // GL_FRAGMENT_LIGHT_MODEL_NORMAL_INTERPOLATION_SGIX
};

const Row kFog[] = {
    {0x0B61, 1},  // GL_FOG_INDEX
    {0x0B62, 1},  // GL_FOG_DENSITY
    {0x0B63, 1},  // GL_FOG_START
    {0x0B64, 1},  // GL_FOG_END
    {0x0B65, 1},  // GL_FOG_MODE
    {0x0B66, 4},  // GL_FOG_COLOR
    {0x8450, 1},  // GL_FOG_COORD_SRC
    {0x855A, 1},  // GL_FOG_DISTANCE_MODE_NV
};

const Row kTexEnv[] = {
    {0x0D1C, 1},  // GL_ALPHA_SCALE
    {0x2200, 1},  // GL_TEXTURE_ENV_MODE
    {0x2201, 4},  // GL_TEXTURE_ENV_COLOR
    {0x8501, 1},  // GL_TEXTURE_LOD_BIAS
    {0x8571, 1},  // GL_COMBINE_RGB
    {0x8572, 1},  // GL_COMBINE_ALPHA
    {0x8573, 1},  // GL_RGB_SCALE
    {0x8580, 1},  // GL_SRC0_RGB
    {0x8581, 1},  // GL_SRC1_RGB
    {0x8582, 1},  // GL_SRC2_RGB
    {0x8583, 1},  // GL_SOURCE3_RGB_NV
    {0x8588, 1},  // GL_SRC0_ALPHA
    {0x8589, 1},  // GL_SRC1_ALPHA
    {0x858A, 1},  // GL_SRC2_ALPHA
    {0x858B, 1},  // GL_SOURCE3_ALPHA_NV
    {0x8590, 1},  // GL_OPERAND0_RGB
    {0x8591, 1},  // GL_OPERAND1_RGB
    {0x8592, 1},  // GL_OPERAND2_RGB
    {0x8593, 1},  // GL_OPERAND3_RGB_NV
    {0x8598, 1},  // GL_OPERAND0_ALPHA
    {0x8599, 1},  // GL_OPERAND1_ALPHA
    {0x859A, 1},  // GL_OPERAND2_ALPHA
    {0x859B, 1},  // GL_OPERAND3_ALPHA_NV
    {0x86DF, 1},  // GL_SHADER_OPERATION_NV
    {0x86E0, 4},  // GL_CULL_MODES_NV
    {0x86E1, 4},  // GL_OFFSET_TEXTURE_MATRIX_NV
    {0x86E2, 1},  // GL_OFFSET_TEXTURE_SCALE_NV
    {0x86E3, 1},  // GL_OFFSET_TEXTURE_BIAS_NV
    {0x86E4, 1},  // GL_PREVIOUS_TEXTURE_INPUT_NV
    {0x877C, 1},  // GL_BUMP_TARGET_ATI
    {0x8862, 1},  // GL_COORD_REPLACE
};

const Row kTexGen[] = {
    {0x2500, 1},  // GL_TEXTURE_GEN_MODE
    {0x2501, 4},  // GL_OBJECT_PLANE
    {0x2502, 4},  // GL_EYE_PLANE
};

const Row kTexParameter[] = {
    {0x1004, 4},  // GL_TEXTURE_BORDER_COLOR
    {0x2800, 1},  // GL_TEXTURE_MAG_FILTER
    {0x2801, 1},  // GL_TEXTURE_MIN_FILTER
    {0x2802, 1},  // GL_TEXTURE_WRAP_S
    {0x2803, 1},  // GL_TEXTURE_WRAP_T
    {0x8066, 1},  // GL_TEXTURE_PRIORITY
    {0x8072, 1},  // GL_TEXTURE_WRAP_R
    {0x80BF, 1},  // GL_TEXTURE_COMPARE_FAIL_VALUE_ARB
    {0x8137, 1},  // GL_TEXTURE_WRAP_Q_SGIS
    {0x813A, 1},  // GL_TEXTURE_MIN_LOD
    {0x813B, 1},  // GL_TEXTURE_MAX_LOD
    {0x813C, 1},  // GL_TEXTURE_BASE_LEVEL
    {0x813D, 1},  // GL_TEXTURE_MAX_LEVEL
    {0x8179, 4},  // GL_POST_TEXTURE_FILTER_BIAS_SGIX
    {0x817A, 4},  // GL_POST_TEXTURE_FILTER_SCALE_SGIX
    {0x818E, 1},  // GL_TEXTURE_LOD_BIAS_S_SGIX
    {0x818F, 1},  // GL_TEXTURE_LOD_BIAS_T_SGIX
    {0x8190, 1},  // GL_TEXTURE_LOD_BIAS_R_SGIX
    {0x8191, 1},  // GL_GENERATE_MIPMAP
    {0x819A, 1},  // GL_TEXTURE_COMPARE_SGIX
    {0x819B, 1},  // GL_TEXTURE_COMPARE_OPERATOR_SGIX
    {0x84FE, 1},  // GL_TEXTURE_MAX_ANISOTROPY_EXT
    {0x8501, 1},  // GL_TEXTURE_LOD_BIAS
    {0x8369, 1},  // GL_TEXTURE_MAX_CLAMP_S_SGIX
    {0x836A, 1},  // GL_TEXTURE_MAX_CLAMP_T_SGIX
    {0x836B, 1},  // GL_TEXTURE_MAX_CLAMP_R_SGIX
    {0x85BC, 1},  // GL_TEXTURE_STORAGE_HINT_APPLE
    {0x884B, 1},  // GL_DEPTH_TEXTURE_MODE
    {0x884C, 1},  // GL_TEXTURE_COMPARE_MODE
    {0x884D, 1},  // GL_TEXTURE_COMPARE_FUNC
    {0x8E42, 1},  // GL_TEXTURE_SWIZZLE_R
    {0x8E43, 1},  // GL_TEXTURE_SWIZZLE_G
    {0x8E44, 1},  // GL_TEXTURE_SWIZZLE_B
    {0x8E45, 1},  // GL_TEXTURE_SWIZZLE_A
    {0x8E46, 4},  // GL_TEXTURE_SWIZZLE_RGBA
};

const Row kPointParameter[] = {
    {0x8126, 1},  // GL_POINT_SIZE_MIN
    {0x8127, 1},  // GL_POINT_SIZE_MAX
    {0x8128, 1},  // GL_POINT_FADE_THRESHOLD_SIZE
    {0x8129, 3},  // GL_POINT_DISTANCE_ATTENUATION
    {0x8863, 1},  // GL_POINT_SPRITE_R_MODE_NV
    {0x8CA0, 1},  // GL_POINT_SPRITE_COORD_ORIGIN
};

const Row kColorTableParameter[] = {
    {0x80D6, 4},  // GL_COLOR_TABLE_SCALE
    {0x80D7, 4},  // GL_COLOR_TABLE_BIAS
};

const Row kConvolutionParameter[] = {
    {0x8013, 1},  // GL_CONVOLUTION_BORDER_MODE
    {0x8014, 4},  // GL_CONVOLUTION_FILTER_SCALE
    {0x8015, 4},  // GL_CONVOLUTION_FILTER_BIAS
    {0x8154, 4},  // GL_CONVOLUTION_BORDER_COLOR
};

const Row kCombinerParameter[] = {
    {0x852A, 4},  // GL_CONSTANT_COLOR0_NV
    {0x852B, 4},  // GL_CONSTANT_COLOR1_NV
    {0x854E, 1},  // GL_NUM_GENERAL_COMBINERS_NV
    {0x854F, 1},  // GL_COLOR_SUM_CLAMP_NV
};

const Row kCombinerStageParameter[] = {
    {0x852A, 4},  // GL_CONSTANT_COLOR0_NV
    {0x852B, 4},  // GL_CONSTANT_COLOR1_NV
};

const Row kImageTransformParameter[] = {
    {0x8155, 1},  // GL_IMAGE_SCALE_X_HP
    {0x8156, 1},  // GL_IMAGE_SCALE_Y_HP
    {0x8157, 1},  // GL_IMAGE_TRANSLATE_X_HP
    {0x8158, 1},  // GL_IMAGE_TRANSLATE_Y_HP
    {0x8159, 1},  // GL_IMAGE_ROTATE_ANGLE_HP
    {0x815A, 1},  // GL_IMAGE_ROTATE_ORIGIN_X_HP
    {0x815B, 1},  // GL_IMAGE_ROTATE_ORIGIN_Y_HP
    {0x815C, 1},  // GL_IMAGE_MAG_FILTER_HP
    {0x815D, 1},  // GL_IMAGE_MIN_FILTER_HP
    {0x815E, 1},  // GL_IMAGE_CUBIC_WEIGHT_HP
};

const Row kSpriteParameter[] = {
    {0x8149, 1},  // GL_SPRITE_MODE_SGIX
    {0x814A, 3},  // GL_SPRITE_AXIS_SGIX
    {0x814B, 3},  // GL_SPRITE_TRANSLATION_SGIX
};

// The bump rotation matrix is the one vector that GL sets; the other names are only queried.
const Row kTexBumpParameter[] = {
    {0x8775, 4},  // GL_BUMP_ROT_MATRIX_ATI
};

const Row kMapTarget[] = {
    {0x0D90, 4},  // GL_MAP1_COLOR_4
    {0x0D91, 1},  // GL_MAP1_INDEX
    {0x0D92, 3},  // GL_MAP1_NORMAL
    {0x0D93, 1},  // GL_MAP1_TEXTURE_COORD_1
    {0x0D94, 2},  // GL_MAP1_TEXTURE_COORD_2
    {0x0D95, 3},  // GL_MAP1_TEXTURE_COORD_3
    {0x0D96, 4},  // GL_MAP1_TEXTURE_COORD_4
    {0x0D97, 3},  // GL_MAP1_VERTEX_3
    {0x0D98, 4},  // GL_MAP1_VERTEX_4
    {0x0DB0, 4},  // GL_MAP2_COLOR_4
    {0x0DB1, 1},  // GL_MAP2_INDEX
    {0x0DB2, 3},  // GL_MAP2_NORMAL
    {0x0DB3, 1},  // GL_MAP2_TEXTURE_COORD_1
    {0x0DB4, 2},  // GL_MAP2_TEXTURE_COORD_2
    {0x0DB5, 3},  // GL_MAP2_TEXTURE_COORD_3
    {0x0DB6, 4},  // GL_MAP2_TEXTURE_COORD_4
    {0x0DB7, 3},  // GL_MAP2_VERTEX_3
    {0x0DB8, 4},  // GL_MAP2_VERTEX_4
};

const Row kListType[] = {
    {0x1400, 1},  // GL_BYTE
    {0x1401, 1},  // GL_UNSIGNED_BYTE
    {0x1402, 2},  // GL_SHORT
    {0x1403, 2},  // GL_UNSIGNED_SHORT
    {0x1404, 4},  // GL_INT
    {0x1405, 4},  // GL_UNSIGNED_INT
    {0x1406, 4},  // GL_FLOAT
    {0x1407, 2},  // GL_2_BYTES
    {0x1408, 3},  // GL_3_BYTES
    {0x1409, 4},  // GL_4_BYTES
};

const Row kIndexType[] = {
    {0x1401, 1},  // GL_UNSIGNED_BYTE
    {0x1403, 2},  // GL_UNSIGNED_SHORT
    {0x1405, 4},  // GL_UNSIGNED_INT
};

const Row kPixelFormat[] = {
    {0x1900, 1},  // GL_COLOR_INDEX
    {0x1901, 1},  // GL_STENCIL_INDEX
    {0x1902, 1},  // GL_DEPTH_COMPONENT
    {0x1903, 1},  // GL_RED
    {0x1904, 1},  // GL_GREEN
    {0x1905, 1},  // GL_BLUE
    {0x1906, 1},  // GL_ALPHA
    {0x1907, 3},  // GL_RGB
    {0x1908, 4},  // GL_RGBA
    {0x1909, 1},  // GL_LUMINANCE
    {0x190A, 2},  // GL_LUMINANCE_ALPHA
    {0x8000, 4},  // GL_ABGR_EXT
    {0x800C, 4},  // GL_CMYK_EXT
    {0x800D, 5},  // GL_CMYKA_EXT
    {0x80E0, 3},  // GL_BGR
    {0x80E1, 4},  // GL_BGRA
    {0x8227, 2},  // GL_RG
    {0x8228, 2},  // GL_RG_INTEGER
    {0x84F9, 2},  // GL_DEPTH_STENCIL
    {0x85B9, 2},  // GL_YCBCR_422_APPLE
    {0x8757, 2},  // GL_YCBCR_MESA
    {0x8D94, 1},  // GL_RED_INTEGER
    {0x8D95, 1},  // GL_GREEN_INTEGER
    {0x8D96, 1},  // GL_BLUE_INTEGER
    {0x8D97, 1},  // GL_ALPHA_INTEGER
    {0x8D98, 3},  // GL_RGB_INTEGER
    {0x8D99, 4},  // GL_RGBA_INTEGER
    {0x8D9A, 3},  // GL_BGR_INTEGER
    {0x8D9B, 4},  // GL_BGRA_INTEGER
    {0x8D9C, 1},  // GL_LUMINANCE_INTEGER_EXT
    {0x8D9D, 2},  // GL_LUMINANCE_ALPHA_INTEGER_EXT
};

// A bitmap has one bit per component; every other type whole bytes.
const Row kPixelType[] = {
    {0x1400, 8},   // GL_BYTE
    {0x1401, 8},   // GL_UNSIGNED_BYTE
    {0x1402, 16},  // GL_SHORT
    {0x1403, 16},  // GL_UNSIGNED_SHORT
    {0x1404, 32},  // GL_INT
    {0x1405, 32},  // GL_UNSIGNED_INT
    {0x1406, 32},  // GL_FLOAT
    {0x140B, 16},  // GL_HALF_FLOAT
    {0x1A00, 1},   // GL_BITMAP
};

// A packed type holds all the components of a group in one element.
const Row kPackedPixelType[] = {
    {0x8032, 8},   // GL_UNSIGNED_BYTE_3_3_2
    {0x8033, 16},  // GL_UNSIGNED_SHORT_4_4_4_4
    {0x8034, 16},  // GL_UNSIGNED_SHORT_5_5_5_1
    {0x8035, 32},  // GL_UNSIGNED_INT_8_8_8_8
    {0x8036, 32},  // GL_UNSIGNED_INT_10_10_10_2
    {0x8362, 8},   // GL_UNSIGNED_BYTE_2_3_3_REV
    {0x8363, 16},  // GL_UNSIGNED_SHORT_5_6_5
    {0x8364, 16},  // GL_UNSIGNED_SHORT_5_6_5_REV
    {0x8365, 16},  // GL_UNSIGNED_SHORT_4_4_4_4_REV
    {0x8366, 16},  // GL_UNSIGNED_SHORT_1_5_5_5_REV
    {0x8367, 32},  // GL_UNSIGNED_INT_8_8_8_8_REV
    {0x8368, 32},  // GL_UNSIGNED_INT_2_10_10_10_REV
    {0x84FA, 32},  // GL_UNSIGNED_INT_24_8
    {0x85BA, 16},  // GL_UNSIGNED_SHORT_8_8_APPLE
    {0x85BB, 16},  // GL_UNSIGNED_SHORT_8_8_REV_APPLE
    {0x8C3B, 32},  // GL_UNSIGNED_INT_10F_11F_11F_REV
    {0x8C3E, 32},  // GL_UNSIGNED_INT_5_9_9_9_REV
    {0x8DAD, 64},  // GL_FLOAT_32_UNSIGNED_INT_24_8_REV
};

const Row kProxyTarget[] = {
    {0x8063, 1},  // GL_PROXY_TEXTURE_1D
    {0x8064, 1},  // GL_PROXY_TEXTURE_2D
    {0x8070, 1},  // GL_PROXY_TEXTURE_3D
    {0x80BD, 1},  // GL_PROXY_TEXTURE_COLOR_TABLE_SGI
    {0x80D3, 1},  // GL_PROXY_COLOR_TABLE
    {0x80D4, 1},  // GL_PROXY_POST_CONVOLUTION_COLOR_TABLE
    {0x80D5, 1},  // GL_PROXY_POST_COLOR_MATRIX_COLOR_TABLE
    {0x84F7, 1},  // GL_PROXY_TEXTURE_RECTANGLE
    {0x851B, 1},  // GL_PROXY_TEXTURE_CUBE_MAP
    {0x8C19, 1},  // GL_PROXY_TEXTURE_1D_ARRAY_EXT
    {0x8C1B, 1},  // GL_PROXY_TEXTURE_2D_ARRAY_EXT
};

struct TableRows
{
    const Row* begin;
    const Row* end;
};

template <std::size_t N>
constexpr TableRows rows(const Row (&table)[N])
{
    return {table, table + N};
}

// In the order of EnumerantCounts::Table.
const TableRows kTables[] = {
    {nullptr, nullptr},
    rows(kLight),
    rows(kMaterial),
    rows(kLightModel),
    rows(kFragmentLightModel),
    rows(kFog),
    rows(kTexEnv),
    rows(kTexGen),
    rows(kTexParameter),
    rows(kPointParameter),
    rows(kColorTableParameter),
    rows(kConvolutionParameter),
    rows(kCombinerParameter),
    rows(kCombinerStageParameter),
    rows(kImageTransformParameter),
    rows(kSpriteParameter),
    rows(kTexBumpParameter),
    rows(kMapTarget),
    rows(kListType),
    rows(kIndexType),
    rows(kPixelFormat),
    rows(kPixelType),
    rows(kPackedPixelType),
    rows(kProxyTarget),
};

static_assert(std::size(kTables) == EnumerantCounts::TABLE_COUNT, "one row list per table");

}

int EnumerantCounts::count(Table table, GLenum value)
{
    if (table >= TABLE_COUNT)
        return 0;
    const TableRows& rows = kTables[table];
    const Row* row = std::find_if(rows.begin, rows.end, [value](const Row& r) { return r.value == value; });
    return row != rows.end ? row->count : 0;
}

}}
