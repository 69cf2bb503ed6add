#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/UnpackState.h"

namespace QEL { namespace OGL { namespace Fuzz {

// How much GL reads from a caller's array where the call's arguments decide it, worked out from the GL
// definitions (OpenGL 2.1 and the extensions that define the calls; section 3.6 for client images) and not from
// the library's own tables (PointerReads, EnumerantCounts), so that the fuzz target's arrays can be exactly as
// large as GL reads and the two can be compared.
class GLReadSizes
{
public:
    // The values of a glTexParameter vector: four for the border colour, the swizzle and the post-filter scale
    // and bias, one otherwise.
    static std::int64_t texParameterValues(GLenum pname);

    // The values that a parameter name of a registry group ("LightParameter", "FogParameter", ...) takes in the
    // vector of a glLight, glFog... call; 0 for a name that GL does not take there.
    static std::int64_t parameterValues(const std::string& group, GLenum pname);

    // The bytes of one element of a type of a registry group: "ListNameType" (glCallLists) or
    // "DrawElementsType" (glDrawElements); 0 for a type that GL does not take there.
    static std::int64_t typeBytes(const std::string& group, GLenum type);

    // The values of one control point of an evaluator map's target; 0 for a target that GL does not map.
    static std::int64_t mapValues(GLenum target);

    // The elements of an evaluator map's control points: order points stride elements apart (and order2 rows of
    // them stride2 elements apart), each of the target's values; 0 for a map that GL refuses.
    static std::int64_t mapElements(GLenum target, std::int64_t stride, std::int64_t order, std::int64_t stride2 = 0,
                                    std::int64_t order2 = 1);

    // The bytes of count elements of elementBytes, stride bytes apart (32-bit count and stride).
    static std::int64_t stridedBytes(std::int64_t count, std::int64_t stride, std::int64_t elementBytes);

    // True for a proxy target: GL checks the image but reads none of its pixels.
    static bool isProxy(GLenum target);

    // The bytes of a client image from its first byte to the end of the last element that GL reads under the
    // unpack state: rows of rowLength (or width) groups padded to the alignment, the skipped rows and groups
    // before the image, and for a three-dimensional image (depth given) the images of imageHeight (or height)
    // rows, the skipped images before them. A bitmap (type GL_BITMAP) packs its groups as bits into bytes.
    // 0 where GL reads no client memory: an empty image, a negative size, a format or type that GL does not
    // know, a bound pixel unpack buffer. Sizes beyond any real array answer kTooLarge.
    static std::int64_t imageBytes(const UnpackState& state, GLenum format, GLenum type, std::int64_t width,
                                   std::int64_t height, std::int64_t depth = kTwoDimensional);

    // The enumerants of a registry group whose reads are defined here; none for any other group.
    static const std::vector<GLenum>& enumerants(const std::string& group);

    static const std::int64_t kTooLarge = std::int64_t{1} << 62;
    static const std::int64_t kTwoDimensional = -1;
};

}}}
