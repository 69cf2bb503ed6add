#include "qel_ogl/ogl/Texture3.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_core/isPowerOfTwo.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/TextureChecks.h"
#include "qel_ogl/ogl/TextureState.h"

namespace QEL { namespace OGL {

Texture3::Texture3(Target target, TargetBinding binding, InternalFormat format, unsigned width, unsigned height,
                   unsigned depth, bool mipmapped)
    : Texture(target, binding, format, width, height, depth)
{
    checkSize();
    setUp([&] { allocateLevels(mipmapped); }, [this](WrapMode wrap) { setWrap(wrap, wrap, wrap); });
}

Texture3::Texture3(Target target, TargetBinding binding, InternalFormat format, int level, unsigned width,
                   unsigned height, unsigned depth, Format dataFormat, Type dataType, const void* data,
                   const PixelUnpackParameters& parameters)
    : Texture(target, binding, format, width, height, depth)
{
    checkSize();
    setUp([&] { upload(level, dataFormat, dataType, data, parameters); },
          [this](WrapMode wrap) { setWrap(wrap, wrap, wrap); });
}

void Texture3::checkSize() const
{
    QEL_DESCRIBED_CHECK(TextureState::supportsNonPowerOfTwo() ||
                            (isPowerOfTwo(width(0)) && isPowerOfTwo(height(0)) && isPowerOfTwo(depth(0))),
                        "Texture3::ctor hardware only supports power of two textures");
}

// Storage for every level, without data.
void Texture3::allocateLevels(bool mipmapped)
{
    const GLint internalFormat = static_cast<GLint>(InternalFormat2GL(format()));
    forEachLevel(mipmapped, [&](int level, unsigned w, unsigned h, unsigned d) {
        QEL_GL(TexImage3D)(target(), level, internalFormat, static_cast<GLsizei>(w), static_cast<GLsizei>(h),
                           static_cast<GLsizei>(d), 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    });
}

void Texture3::upload(int level, Format format, Type type, const void* data,
                      const PixelUnpackParameters& parameters)
{
    const GLint internalFormat = static_cast<GLint>(InternalFormat2GL(this->format()));
    unpackFromMemory(data, parameters, [&](const void* pixels) {
        QEL_GL(TexImage3D)(target(), level, internalFormat, static_cast<GLsizei>(width(0)),
                           static_cast<GLsizei>(height(0)), static_cast<GLsizei>(depth(0)), 0, Format2GL(format),
                           Type2GL(type), pixels);
    });
}

// Every mode is translated before any is set, so that a bad one changes nothing.
void Texture3::setWrap(WrapMode s, WrapMode t, WrapMode r)
{
    const GLint wrapS = static_cast<GLint>(WrapMode2GL(s));
    const GLint wrapT = static_cast<GLint>(WrapMode2GL(t));
    const GLint wrapR = static_cast<GLint>(WrapMode2GL(r));
    glTexParameteri(target(), GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(target(), GL_TEXTURE_WRAP_T, wrapT);
    glTexParameteri(target(), GL_TEXTURE_WRAP_R, wrapR);
}

int Texture3::pixelDataSize(int, Format format, Type type) const
{
    QEL_CHECK_PIXEL_TYPE(type);
    return levelZeroBytes(format, BytesPerComponent(type));
}

void Texture3::getPixelData(void* data, int level, unsigned glFormat, unsigned glType) const
{
    readBack(level, glFormat, glType, data);
}

void Texture3::getPixelData(Buffer* buffer, int offset, int level, unsigned glFormat, unsigned glType,
                            unsigned rowAlignment) const
{
    QEL_CHECK_PIXEL_BUFFER(buffer);
    QEL_CHECK_BUFFER_OFFSET_SIGN(offset);
    QEL_CHECK_BUFFER_NOT_MAPPED(buffer);
    withReadbackAlignment(rowAlignment, [&] {
        readBackIntoBuffer(*buffer, static_cast<unsigned>(offset), level, glFormat, glType);
    });
}

void Texture3::subImage(int level, int x, int y, int z, unsigned w, unsigned h, unsigned d, Format format,
                        Type type, const void* data, const PixelUnpackParameters& parameters)
{
    checkSubImage(level, w, h, d);
    unpackFromMemory(data, parameters,
                     [&](const void* pixels) { texSubImage(level, x, y, z, w, h, d, format, type, pixels); });
}

void Texture3::subImage(int level, int x, int y, int z, unsigned w, unsigned h, unsigned d, Format format,
                        Type type, Buffer* buffer, unsigned offset, const PixelUnpackParameters& parameters)
{
    checkSubImage(level, w, h, d);
    QEL_CHECK_PIXEL_BUFFER(buffer);
    QEL_CHECK_BUFFER_OFFSET(buffer, offset);
    QEL_CHECK_BUFFER_NOT_MAPPED(buffer);
    unpackFromBuffer(*buffer, offset, parameters,
                     [&](const void* pixels) { texSubImage(level, x, y, z, w, h, d, format, type, pixels); });
}

// The three-dimensional texts keep their own spacing.
void Texture3::checkSubImage(int level, unsigned w, unsigned h, unsigned d) const
{
    QEL_DESCRIBED_CHECK(w != 0, "error subimage width  of zero supplied");
    QEL_CHECK_SUBIMAGE_HEIGHT(h);
    QEL_DESCRIBED_CHECK(d != 0, "error subimage depth  of zero supplied");
    QEL_CHECK_LEVEL(level);
    QEL_DESCRIBED_CHECK(w <= width(0), "width(" << w << ") is greater than width  of image (" << width(0) << ") ");
    QEL_CHECK_HEIGHT_BOUND(h, height(0));
    QEL_DESCRIBED_CHECK(d <= depth(0), "depth(" << d << ") is greater than depth  of image (" << depth(0) << ") ");
}

void Texture3::texSubImage(int level, int x, int y, int z, unsigned w, unsigned h, unsigned d, Format format,
                           Type type, const void* pixels)
{
    QEL_GL(TexSubImage3D)(target(), level, x, y, z, static_cast<GLsizei>(w), static_cast<GLsizei>(h),
                          static_cast<GLsizei>(d), Format2GL(format), Type2GL(type), pixels);
}

void Texture3::copyTexSubImage(int level, int xoffset, int yoffset, int zoffset, int x, int y, unsigned w,
                               unsigned h)
{
    QEL_CHECK_COPY_WIDTH(w);
    QEL_CHECK_COPY_HEIGHT(h);
    QEL_CHECK_LEVEL(level);
    QEL_CHECK_WIDTH_BOUND(w, width(0));
    QEL_CHECK_HEIGHT_BOUND(h, height(0));
    QEL_GL(CopyTexSubImage3D)(target(), level, xoffset, yoffset, zoffset, x, y, static_cast<GLsizei>(w),
                              static_cast<GLsizei>(h));
}

Texture3D::Texture3D(InternalFormat format, unsigned width, unsigned height, unsigned depth, bool mipmapped)
    : Texture3(TEXTURE_3D, TEXTURE_BINDING_3D, format, width, height, depth, mipmapped)
{
}

Texture3D::Texture3D(InternalFormat format, int level, unsigned width, unsigned height, unsigned depth,
                     Format dataFormat, Type dataType, const void* data, const PixelUnpackParameters& parameters)
    : Texture3(TEXTURE_3D, TEXTURE_BINDING_3D, format, level, width, height, depth, dataFormat, dataType, data,
               parameters)
{
}

}}
