#include "qel_ogl/ogl/PixelUnpackParameters.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/EnumTranslation.h"

namespace QEL { namespace OGL {

namespace {

// The row alignment in bytes of each teAlignment, indexed by its value; read both ways.
const unsigned kAlignmentBytes[] = {1, 2, 4, 8};

void storeFlag(GLenum name, bool flag)
{
    glPixelStorei(name, flag ? 1 : 0);
}

void storeCount(GLenum name, unsigned count)
{
    glPixelStorei(name, static_cast<GLint>(count));
}

}

PixelUnpackParameters::PixelUnpackParameters()
    : bSwapBytes_(false)
    , bFirstLSB_(false)
    , nRowLength_(0)
    , nImageHeight_(0)
    , nSkipPixels_(0)
    , nSkipRows_(0)
    , nSkipImages_(0)
    , eAlignment_(ALIGNMENT_1)
{
}

bool PixelUnpackParameters::swapBytes() const
{
    return bSwapBytes_;
}

void PixelUnpackParameters::enableSwapBytes()
{
    bSwapBytes_ = true;
}

void PixelUnpackParameters::disableSwapBytes()
{
    bSwapBytes_ = false;
}

bool PixelUnpackParameters::isFirstLSB() const
{
    return bFirstLSB_;
}

void PixelUnpackParameters::makeFirstLSB()
{
    bFirstLSB_ = true;
}

void PixelUnpackParameters::makeFirstMSB()
{
    bFirstLSB_ = false;
}

unsigned PixelUnpackParameters::rowLength() const
{
    return nRowLength_;
}

void PixelUnpackParameters::setRowLength(unsigned rowLength)
{
    nRowLength_ = rowLength;
}

unsigned PixelUnpackParameters::imageHeight() const
{
    return nImageHeight_;
}

void PixelUnpackParameters::setImageHeight(unsigned imageHeight)
{
    nImageHeight_ = imageHeight;
}

unsigned PixelUnpackParameters::skipPixels() const
{
    return nSkipPixels_;
}

void PixelUnpackParameters::setSkipPixels(unsigned skipPixels)
{
    nSkipPixels_ = skipPixels;
}

unsigned PixelUnpackParameters::skipRows() const
{
    return nSkipRows_;
}

void PixelUnpackParameters::setSkipRows(unsigned skipRows)
{
    nSkipRows_ = skipRows;
}

unsigned PixelUnpackParameters::skipImages() const
{
    return nSkipImages_;
}

void PixelUnpackParameters::setSkipImages(unsigned skipImages)
{
    nSkipImages_ = skipImages;
}

PixelUnpackParameters::teAlignment PixelUnpackParameters::alignment() const
{
    return eAlignment_;
}

void PixelUnpackParameters::setAlignment(teAlignment alignment)
{
    eAlignment_ = alignment;
}

void PixelUnpackParameters::setAlignment(unsigned bytes)
{
    const auto alignment = translateFromGL<teAlignment>(kAlignmentBytes, bytes);
    if (!alignment)
        QEL_UNREACHABLE("Unsupported aligment in PixelUnpackParameters::setAlignment!");
    eAlignment_ = *alignment;
}

void PixelUnpackParameters::apply() const
{
    storeFlag(GL_UNPACK_SWAP_BYTES, bSwapBytes_);
    storeFlag(GL_UNPACK_LSB_FIRST, bFirstLSB_);
    storeCount(GL_UNPACK_ROW_LENGTH, nRowLength_);
    storeCount(GL_UNPACK_SKIP_PIXELS, nSkipPixels_);
    storeCount(GL_UNPACK_SKIP_ROWS, nSkipRows_);
    if (ExtensionManager::Instance()->supportsTexture3D()) {
        storeCount(GL_UNPACK_IMAGE_HEIGHT, nImageHeight_);
        storeCount(GL_UNPACK_SKIP_IMAGES, nSkipImages_);
    }
    const auto bytes = translateToGL(kAlignmentBytes, eAlignment_);
    QEL_DESCRIBED_CHECK(bytes.has_value(), "Enum value not recognized");
    storeCount(GL_UNPACK_ALIGNMENT, *bytes);
}

}}
