#pragma once

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Numbers that GL attaches to enumerants, one table per kind of argument: how many values a parameter name
// takes (a light's position four, its spot cutoff one), how many bytes a list or index type has, how many
// components a pixel format and how many bits a pixel type, which targets are proxies. They decide how many bytes GL reads through the
// pointers of a call (PointerReads). Platform-free.
class QEL_OGL_API EnumerantCounts
{
public:
    enum Table : unsigned char
    {
        NO_TABLE,
        // Values per parameter name.
        LIGHT,                   // glLight, glFragmentLight
        MATERIAL,                // glMaterial, glFragmentMaterial
        LIGHT_MODEL,             // glLightModel
        FRAGMENT_LIGHT_MODEL,    // glFragmentLightModel
        FOG,                     // glFog
        TEX_ENV,                 // glTexEnv
        TEX_GEN,                 // glTexGen
        TEX_PARAMETER,           // glTexParameter
        POINT_PARAMETER,         // glPointParameter
        COLOR_TABLE_PARAMETER,   // glColorTableParameter
        CONVOLUTION_PARAMETER,   // glConvolutionParameter
        COMBINER_PARAMETER,      // glCombinerParameter
        COMBINER_STAGE_PARAMETER,
        IMAGE_TRANSFORM_PARAMETER,
        SPRITE_PARAMETER,
        TEX_BUMP_PARAMETER,
        // Values per control point of an evaluator map's target.
        MAP_TARGET,
        // Bytes per element of a data type.
        LIST_TYPE,               // glCallLists
        INDEX_TYPE,              // glDrawElements and its kin
        // Pixel transfer: components of a format, bits per component of a type, bits per group of a packed type.
        PIXEL_FORMAT,
        PIXEL_TYPE,
        PACKED_PIXEL_TYPE,
        // 1 for each proxy target, for which GL checks an image's size and format but reads none of its pixels.
        PROXY_TARGET,
        TABLE_COUNT
    };

    // The number that the table gives the enumerant; 0 where it lists none.
    static int count(Table table, GLenum value);
};

}}
