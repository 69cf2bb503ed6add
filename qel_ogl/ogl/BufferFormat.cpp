// A rendering context's framebuffer request, as a plain value. The context classes turn it into a pixel-format
// request field by field:
// - the descriptor path (integer colour, one sample): cColorBits is the sum of the four channels; cAlphaBits,
//   cDepthBits and cStencilBits are copied; the floating-point flag is not looked at;
// - the extension path (wglChoosePixelFormatARB), taken for floating-point colour, for several samples and for
//   a red channel of exactly 10 bits: channels, depth and stencil become attributes of their own.
// Nothing is validated here: whether the window system can supply a format is found out only when a context
// asks for it.

#include "qel_ogl/ogl/BufferFormat.h"

#include <iterator>

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

namespace {

// One row of the predefined formats: a plain aggregate, so that the table is constant-initialised and usable
// by a host's own static objects whatever the order in which modules initialise.
struct ChannelBits
{
    unsigned red, green, blue, alpha;
    unsigned stencil;
    unsigned depth;
    bool floatingPointColor;
};

BufferFormat predefined(BufferFormat::tePredefined format);

}

BufferFormat::BufferFormat(unsigned red, unsigned green, unsigned blue, unsigned alpha, unsigned stencil,
                           unsigned depth, bool floatingPointColor)
    : nRedBits_(red), nGreenBits_(green), nBlueBits_(blue), nAlphaBits_(alpha), nStencilBits_(stencil),
      nDepthBits_(depth), bFloatingPointColor_(floatingPointColor)
{
}

BufferFormat::BufferFormat(tePredefined format)
    : BufferFormat(predefined(format))
{
}

unsigned BufferFormat::redBits() const
{
    return nRedBits_;
}

unsigned BufferFormat::greenBits() const
{
    return nGreenBits_;
}

unsigned BufferFormat::blueBits() const
{
    return nBlueBits_;
}

unsigned BufferFormat::alphaBits() const
{
    return nAlphaBits_;
}

unsigned BufferFormat::stencilBits() const
{
    return nStencilBits_;
}

unsigned BufferFormat::depthBits() const
{
    return nDepthBits_;
}

bool BufferFormat::floatingPointColor() const
{
    return bFloatingPointColor_;
}

namespace {

// Indexed by tePredefined, in threes: colour alone, with depth, with depth and stencil.
const ChannelBits kPredefined[] = {
    // red, green, blue, alpha, stencil, depth, floating-point colour

    // One floating-point channel.
    {16,  0,  0,  0, 0,      0,    true},    // R16F
    {16,  0,  0,  0, 0,      24,   true},    // R16F_D24
    {16,  0,  0,  0, 8,      24,   true},    // R16F_D24_S8
    {32,  0,  0,  0, 0,      0,    true},    // R32F
    {32,  0,  0,  0, 0,      24,   true},    // R32F_D24
    {32,  0,  0,  0, 8,      24,   true},    // R32F_D24_S8

    // Two floating-point channels.
    {16, 16,  0,  0, 0,      0,    true},    // RG16F
    {16, 16,  0,  0, 0,      24,   true},    // RG16F_D24
    {16, 16,  0,  0, 8,      24,   true},    // RG16F_D24_S8
    {32, 32,  0,  0, 0,      0,    true},    // RG32F
    {32, 32,  0,  0, 0,      24,   true},    // RG32F_D24
    {32, 32,  0,  0, 8,      24,   true},    // RG32F_D24_S8

    // Eight-bit integer colour: RGB8 is the format of the library's own hidden and off-screen contexts.
    { 8,  8,  8,  0, 0,      0,    false},   // RGB8
    { 8,  8,  8,  0, 0,      24,   false},   // RGB8_D24
    { 8,  8,  8,  0, 8,      24,   false},   // RGB8_D24_S8
    { 8,  8,  8,  8, 0,      0,    false},   // RGBA8
    { 8,  8,  8,  8, 0,      24,   false},   // RGBA8_D24
    { 8,  8,  8,  8, 8,      24,   false},   // RGBA8_D24_S8

    // Four floating-point channels. The RGBA_FLOAT rows repeat the RGBA16F rows: 16 bits per channel, not 32.
    {16, 16, 16, 16, 0,      0,    true},    // RGBA16F
    {16, 16, 16, 16, 0,      24,   true},    // RGBA16F_D24
    {16, 16, 16, 16, 8,      24,   true},    // RGBA16F_D24_S8
    {16, 16, 16, 16, 0,      0,    true},    // RGBA_FLOAT
    {16, 16, 16, 16, 0,      24,   true},    // RGBA_FLOAT_D24
    {16, 16, 16, 16, 8,      24,   true},    // RGBA_FLOAT_D24_S8
};
static_assert(std::size(kPredefined) == BufferFormat::RGBA_FLOAT_D24_S8 + 1, "one row per predefined format");

const char* const kUnrecognizedFormat = "Trying to construct an buffer-format not recognized by this method";

// A value outside the enumeration (a cast integer) has no row: refused rather than read past the table.
BufferFormat predefined(BufferFormat::tePredefined format)
{
    const auto index = static_cast<unsigned>(format);
    QEL_DESCRIBED_CHECK(index < std::size(kPredefined), kUnrecognizedFormat);
    const ChannelBits& bits = kPredefined[index];
    return BufferFormat(bits.red, bits.green, bits.blue, bits.alpha, bits.stencil, bits.depth,
                        bits.floatingPointColor);
}

}

}}
