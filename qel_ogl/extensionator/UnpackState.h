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
    // Three-dimensional images only: the rows of one image (0: the image's own height) and the images skipped
    // before the first. GLUnpackStateQuery leaves them at GL's initial values.
    int imageHeight = 0;
    int skipImages = 0;
    bool bufferBound = false;

    // Bytes from the pixel pointer to the end of the last pixel that GL reads for a width x height image of
    // pixelBytes per pixel: rows padded to the alignment, rowLength pixels apart when it is set, the skipped
    // rows and pixels included. 0 for an empty image, -1 for a negative dimension or state. A size that does
    // not fit in 32 bits is answered as some value above 0xFFFFFFFF, never a wrapped one.
    std::int64_t imageBytes(int width, int height, int pixelBytes) const;

    // The same for pixel groups of groupBits bits each: 8 per byte of a group, 1 for a bitmap, whose rows GL
    // reads as bits packed into bytes (skipPixels then counts bits).
    std::int64_t groupImageBytes(std::int64_t width, std::int64_t height, std::int64_t groupBits) const;

    // A three-dimensional image of depth images: the skipped images and imageHeight apply too.
    std::int64_t volumeBytes(std::int64_t width, std::int64_t height, std::int64_t depth,
                             std::int64_t groupBits) const;

private:
    // Bytes between the starts of two rows of width groups.
    std::int64_t rowStride(std::int64_t width, std::int64_t groupBits) const;
};

}}
