#include "qel_ogl/ogl/Texture2.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_core/isPowerOfTwo.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/TextureChecks.h"
#include "qel_ogl/ogl/TextureState.h"

namespace QEL { namespace OGL {

Texture2::Texture2(Target target, TargetBinding binding, InternalFormat format, unsigned width, unsigned height,
                   bool mipmapped)
    : Texture(target, binding, format, width, height, 1)
{
    QEL_DESCRIBED_CHECK(TextureState::supportsNonPowerOfTwo() || TextureRECT::isSupported() ||
                            (isPowerOfTwo(width) && isPowerOfTwo(height)),
                        "Texture2::ctor hardware only supports power of two textures");
    setUp([&] { allocateLevels(mipmapped); }, [this](WrapMode wrap) { setWrap(wrap, wrap); });
}

// Storage for every level, without data.
void Texture2::allocateLevels(bool mipmapped)
{
    const GLint internalFormat = static_cast<GLint>(InternalFormat2GL(format()));
    forEachLevel(mipmapped, [&](int level, unsigned w, unsigned h, unsigned) {
        glTexImage2D(target(), level, internalFormat, static_cast<GLsizei>(w), static_cast<GLsizei>(h), 0, GL_BGRA,
                     GL_UNSIGNED_BYTE, nullptr);
    });
}

// Both modes are translated before either is set, so that a bad one changes nothing.
void Texture2::setWrap(WrapMode s, WrapMode t)
{
    QEL_DESCRIBED_CHECK(isBound(), "Texture must be enabled (bound & active)");
    const GLint wrapS = static_cast<GLint>(WrapMode2GL(s));
    const GLint wrapT = static_cast<GLint>(WrapMode2GL(t));
    glTexParameteri(target(), GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(target(), GL_TEXTURE_WRAP_T, wrapT);
}

int Texture2::pixelDataSize(int, Format format, Type type) const
{
    QEL_CHECK_PIXEL_TYPE(type);
    return levelZeroBytes(format, BytesPerComponent(type));
}

void Texture2::getPixelData(void* data, int level, Format format, Type type, unsigned rowAlignment) const
{
    QEL_DESCRIBED_CHECK(isBound(), "Texture must be bound");
    QEL_DESCRIBED_CHECK(format != Format::COLOR_INDEX, "COLOR_INDEX not allowed here!");
    withReadbackAlignment(rowAlignment, [&] { readBack(level, Format2GL(format), Type2GL(type), data); });
}

void Texture2::getPixelData(Buffer* buffer, unsigned offset, int level, Format format, Type type,
                            unsigned rowAlignment) const
{
    QEL_DESCRIBED_CHECK(isBound(), "Texture must be bound");
    QEL_CHECK_PIXEL_BUFFER(buffer);
    QEL_CHECK_BUFFER_NOT_MAPPED(buffer);
    QEL_DESCRIBED_CHECK(format != Format::COLOR_INDEX, "COLOR_INDEX not allowed here!");
    withReadbackAlignment(rowAlignment, [&] {
        readBackIntoBuffer(*buffer, offset, level, Format2GL(format), Type2GL(type));
    });
}

void Texture2::subImage(int level, int x, int y, unsigned w, unsigned h, Format format, Type type,
                        const void* data, const PixelUnpackParameters& parameters)
{
    checkSubImage(level, w, h);
    unpackFromMemory(data, parameters,
                     [&](const void* pixels) { texSubImage(level, x, y, w, h, format, type, pixels); });
}

void Texture2::subImage(int level, int x, int y, unsigned w, unsigned h, Format format, Type type, Buffer* buffer,
                        unsigned offset, const PixelUnpackParameters& parameters)
{
    checkSubImage(level, w, h);
    QEL_CHECK_PIXEL_BUFFER(buffer);
    QEL_CHECK_BUFFER_OFFSET(buffer, offset);
    QEL_CHECK_BUFFER_NOT_MAPPED(buffer);
    unpackFromBuffer(*buffer, offset, parameters,
                     [&](const void* pixels) { texSubImage(level, x, y, w, h, format, type, pixels); });
}

void Texture2::copyTexSubImage(int level, int xoffset, int yoffset, int x, int y, unsigned w, unsigned h)
{
    QEL_CHECK_COPY_WIDTH(w);
    QEL_CHECK_COPY_HEIGHT(h);
    checkLevelAndSize(level, w, h);
    glCopyTexSubImage2D(target(), level, xoffset, yoffset, x, y, static_cast<GLsizei>(w), static_cast<GLsizei>(h));
}

void Texture2::checkSubImage(int level, unsigned w, unsigned h) const
{
    QEL_CHECK_SUBIMAGE_WIDTH(w);
    QEL_CHECK_SUBIMAGE_HEIGHT(h);
    checkLevelAndSize(level, w, h);
}

void Texture2::checkLevelAndSize(int level, unsigned w, unsigned h) const
{
    QEL_CHECK_LEVEL(level);
    QEL_CHECK_WIDTH_BOUND(w, width(0));
    QEL_CHECK_HEIGHT_BOUND(h, height(0));
}

void Texture2::texSubImage(int level, int x, int y, unsigned w, unsigned h, Format format, Type type,
                           const void* pixels)
{
    glTexSubImage2D(target(), level, x, y, static_cast<GLsizei>(w), static_cast<GLsizei>(h), Format2GL(format),
                    Type2GL(type), pixels);
}

Texture2D::Texture2D(InternalFormat format, unsigned width, unsigned height, bool mipmapped)
    : Texture2(TEXTURE_2D, TEXTURE_BINDING_2D, format, width, height, mipmapped)
{
}

bool Texture2D::isSupported()
{
    return IsTargetSupported(GL_TEXTURE_2D);
}

TextureRECT::TextureRECT(InternalFormat format, unsigned width, unsigned height)
    : Texture2(TEXTURE_RECTANGLE, TEXTURE_BINDING_RECTANGLE, format, width, height, false)
{
}

bool TextureRECT::isSupported()
{
    return IsTargetSupported(GL_TEXTURE_RECTANGLE_ARB);
}

}}
