#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/UnpackState.h"

namespace QEL { namespace OGL { namespace Fuzz {

// How much GL reads from a caller's array where the call's arguments decide it, worked out from the GL
// definitions (OpenGL 2.1, section 3.6 for client images) and not from the recorder's own computation, so that
// the fuzz target's arrays can be exactly as large as GL reads.
class GLReadSizes
{
public:
    // The values of a glTexParameter vector: four for the border colour and the swizzle, one otherwise.
    static std::int64_t texParameterValues(GLenum pname);

    // The bytes of a client image from its first byte to the end of the last element that GL reads under the
    // unpack state: rows of rowLength (or width) groups padded to the alignment, the skipped rows and groups
    // before the image. 0 where GL reads no client memory: an empty image, a negative size, a format or type
    // that GL does not know, a bound pixel unpack buffer. Sizes beyond any real array answer kTooLarge.
    static std::int64_t imageBytes(const UnpackState& state, GLenum format, GLenum type, std::int64_t width,
                                   std::int64_t height);

    // The enumerants of a registry group whose reads are defined here: "PixelFormat", "PixelType" and
    // "TextureParameterName"; none for any other group.
    static const std::vector<GLenum>& enumerants(const std::string& group);

    static const std::int64_t kTooLarge = std::int64_t{1} << 62;
};

}}}
