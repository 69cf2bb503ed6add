#pragma once

// The checks that the dimension classes (Texture1, Texture2, Texture3) share. Each is a macro, so that the
// exception carries the file and line of the class that checks.

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/TokenName.h"

#define QEL_CHECK_SUBIMAGE_WIDTH(w) QEL_DESCRIBED_CHECK((w) != 0, "error subimage width of zero supplied")
#define QEL_CHECK_SUBIMAGE_HEIGHT(h) QEL_DESCRIBED_CHECK((h) != 0, "error subimage height of zero supplied")
#define QEL_CHECK_COPY_WIDTH(w) QEL_DESCRIBED_CHECK((w) != 0, "error copySubimage width of zero supplied")
#define QEL_CHECK_COPY_HEIGHT(h) QEL_DESCRIBED_CHECK((h) != 0, "error copySubimage height of zero supplied")

#define QEL_CHECK_LEVEL(level) QEL_DESCRIBED_CHECK((level) >= 0, "a negative texture image mip-map level supplied")

// Against the size of level 0 (W, H).
#define QEL_CHECK_WIDTH_BOUND(w, W) \
    QEL_DESCRIBED_CHECK((w) <= (W), "width(" << (w) << ") is greater than width of image (" << (W) << ") ")
#define QEL_CHECK_HEIGHT_BOUND(h, H) \
    QEL_DESCRIBED_CHECK((h) <= (H), "height(" << (h) << ") is greater than height of image (" << (H) << ") ")

// pixelDataSize knows the types whose components are whole bytes.
#define QEL_CHECK_PIXEL_TYPE(type)                                  \
    QEL_DESCRIBED_CHECK(::QEL::OGL::Texture::BytesPerComponent(type) != 0, \
                        "pixelDataSize: Unknown type " << TokenName(::QEL::OGL::Texture::Type2GL(type)))

// A pixel buffer as the source or destination of a transfer.
#define QEL_CHECK_PIXEL_BUFFER(buffer) QEL_DESCRIBED_CHECK((buffer) != NULL, "Pixel Buffer Object must not be NULL")
#define QEL_CHECK_BUFFER_OFFSET(buffer, offset)                                                              \
    QEL_DESCRIBED_CHECK((offset) < (buffer)->size(), "offset(" << (offset)                                  \
                                                               << ") is greater than pixel buffer object size" \
                                                               << (buffer)->size())
#define QEL_CHECK_BUFFER_OFFSET_SIGN(offset) \
    QEL_DESCRIBED_CHECK((offset) >= 0, "offset(" << (offset) << ") must not be negative")
#define QEL_CHECK_BUFFER_NOT_MAPPED(buffer) \
    QEL_DESCRIBED_CHECK(!(buffer)->isMapped(), "Pixel Buffer Object cannot be memory mapped during data transfer")
