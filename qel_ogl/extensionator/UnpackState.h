#pragma once

#include <cstdint>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// The pixel unpack state that decides which client bytes GL reads for an image upload, and whether a pixel
// unpack buffer is bound (then the pixel pointer is an offset into that buffer, not client memory). The
// members start at GL's initial values. Platform-free.
struct QEL_OGL_API UnpackState
{
    int alignment = 4;
    int rowLength = 0;
    int skipPixels = 0;
    int skipRows = 0;
    bool bufferBound = false;

    // Bytes from the pixel pointer to the end of the last pixel that GL reads for a width x height image of
    // pixelBytes per pixel: rows padded to the alignment, rowLength pixels apart when it is set, the skipped
    // rows and pixels included. 0 for an empty image, -1 for a negative dimension or state. A size that does
    // not fit in 32 bits is answered as some value above 0xFFFFFFFF, never a wrapped one.
    std::int64_t imageBytes(int width, int height, int pixelBytes) const;
};

}}
