#pragma once

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// What a rendering context's framebuffer must hold: bits per colour channel, stencil and depth bits, and
// whether the colour channels are floating point. A plain value; nothing is validated here; whether the
// window system can supply a format is found out when a context asks for it.
class QEL_OGL_API BufferFormat
{
public:
    // The predefined formats come in threes: colour alone, with a 24-bit depth buffer, and with a 24-bit
    // depth and an 8-bit stencil buffer. The RGBA_FLOAT formats are the RGBA16F formats under another name.
    // The fixed type int makes any int a caller casts to it a value of the type, which the constructor refuses.
    enum tePredefined : int {
        R16F = 0, R16F_D24 = 1, R16F_D24_S8 = 2,
        R32F = 3, R32F_D24 = 4, R32F_D24_S8 = 5,
        RG16F = 6, RG16F_D24 = 7, RG16F_D24_S8 = 8,
        RG32F = 9, RG32F_D24 = 10, RG32F_D24_S8 = 11,
        RGB8 = 12, RGB8_D24 = 13, RGB8_D24_S8 = 14,
        RGBA8 = 15, RGBA8_D24 = 16, RGBA8_D24_S8 = 17,
        RGBA16F = 18, RGBA16F_D24 = 19, RGBA16F_D24_S8 = 20,
        RGBA_FLOAT = 21, RGBA_FLOAT_D24 = 22, RGBA_FLOAT_D24_S8 = 23
    };

    BufferFormat(unsigned red, unsigned green, unsigned blue, unsigned alpha, unsigned stencil, unsigned depth,
                 bool floatingPointColor);
    // Throws InternalException for a value outside the enumeration.
    BufferFormat(tePredefined format);

    unsigned redBits() const;
    unsigned greenBits() const;
    unsigned blueBits() const;
    unsigned alphaBits() const;
    unsigned stencilBits() const;
    unsigned depthBits() const;
    bool floatingPointColor() const;

private:
    unsigned nRedBits_;
    unsigned nGreenBits_;
    unsigned nBlueBits_;
    unsigned nAlphaBits_;
    unsigned nStencilBits_;
    unsigned nDepthBits_;
    bool bFloatingPointColor_;
};

}}
