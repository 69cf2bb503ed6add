#pragma once

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// How client pixel data lies in memory (byte order, bit order, row length, image height, skipped pixels, rows
// and images, row alignment), written into GL's unpack pixel-store state by apply(). The default describes
// tightly packed rows: alignment 1, not GL's own 4.
class QEL_OGL_API PixelUnpackParameters
{
public:
    enum teAlignment : int { ALIGNMENT_1 = 0, ALIGNMENT_2 = 1, ALIGNMENT_4 = 2, ALIGNMENT_8 = 3 };

    PixelUnpackParameters();

    bool swapBytes() const;
    void enableSwapBytes();
    void disableSwapBytes();

    bool isFirstLSB() const;
    void makeFirstLSB();
    void makeFirstMSB();

    // The setters store their value unchecked; GL judges it when apply() writes it.
    unsigned rowLength() const;
    void setRowLength(unsigned rowLength);
    unsigned imageHeight() const;
    void setImageHeight(unsigned imageHeight);
    unsigned skipPixels() const;
    void setSkipPixels(unsigned skipPixels);
    unsigned skipRows() const;
    void setSkipRows(unsigned skipRows);
    unsigned skipImages() const;
    void setSkipImages(unsigned skipImages);

    teAlignment alignment() const;
    void setAlignment(teAlignment alignment);
    // 1, 2, 4 or 8 bytes; any other count throws and leaves the alignment as it was.
    void setAlignment(unsigned bytes);

    // Writes every field into the unpack state of the current context (image height and skipped images only
    // where 3D textures are supported). Saves nothing: the caller brackets it with glPushClientAttrib.
    void apply() const;

private:
    bool bSwapBytes_;
    bool bFirstLSB_;
    unsigned nRowLength_;
    unsigned nImageHeight_;
    unsigned nSkipPixels_;
    unsigned nSkipRows_;
    unsigned nSkipImages_;
    teAlignment eAlignment_;
};

}}
