#include "qel_ogl/ogl/Texture1.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_core/isPowerOfTwo.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/TextureChecks.h"
#include "qel_ogl/ogl/TextureState.h"

namespace QEL { namespace OGL {

Texture1::Texture1(Target target, TargetBinding binding, InternalFormat format, unsigned width, bool mipmapped)
    : Texture(target, binding, format, width, 1, 1)
{
    QEL_DESCRIBED_CHECK(TextureState::supportsNonPowerOfTwo() || isPowerOfTwo(width),
                        "Texture2::ctor hardware only supports power of two textures");
    setUp([&] { allocateLevels(mipmapped); }, [this](WrapMode wrap) { setWrap(wrap); });
}

// Storage for every level, without data.
void Texture1::allocateLevels(bool mipmapped)
{
    const GLint internalFormat = static_cast<GLint>(InternalFormat2GL(format()));
    forEachLevel(mipmapped, [&](int level, unsigned w, unsigned, unsigned) {
        glTexImage1D(target(), level, internalFormat, static_cast<GLsizei>(w), 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     nullptr);
    });
}

void Texture1::setWrap(WrapMode s)
{
    glTexParameteri(target(), GL_TEXTURE_WRAP_S, static_cast<GLint>(WrapMode2GL(s)));
}

int Texture1::pixelDataSize(int, Format format, Type type) const
{
    QEL_CHECK_PIXEL_TYPE(type);
    return levelZeroBytes(format, BytesPerComponent(type));
}

void Texture1::getPixelData(void* data, int level, unsigned glFormat, unsigned glType) const
{
    readBack(level, glFormat, glType, data);
}

void Texture1::getPixelData(Buffer* buffer, int offset, int level, unsigned glFormat, unsigned glType) const
{
    QEL_CHECK_PIXEL_BUFFER(buffer);
    QEL_CHECK_BUFFER_OFFSET_SIGN(offset);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    QEL_CHECK_BUFFER_NOT_MAPPED(buffer);
    readBackIntoBuffer(*buffer, static_cast<unsigned>(offset), level, glFormat, glType);
}

void Texture1::subImage(int level, int x, unsigned w, Format format, Type type, const void* data,
                        const PixelUnpackParameters& parameters)
{
    checkSubImage(level, w);
    unpackFromMemory(data, parameters,
                     [&](const void* pixels) { texSubImage(level, x, w, format, type, pixels); });
}

void Texture1::subImage(int level, int x, unsigned w, Format format, Type type, Buffer* buffer, unsigned offset,
                        const PixelUnpackParameters& parameters)
{
    checkSubImage(level, w);
    QEL_CHECK_PIXEL_BUFFER(buffer);
    QEL_CHECK_BUFFER_OFFSET(buffer, offset);
    QEL_CHECK_BUFFER_NOT_MAPPED(buffer);
    unpackFromBuffer(*buffer, offset, parameters,
                     [&](const void* pixels) { texSubImage(level, x, w, format, type, pixels); });
}

void Texture1::copyTexSubImage(int level, int xoffset, int x, int y, unsigned w)
{
    QEL_CHECK_COPY_WIDTH(w);
    checkLevelAndSize(level, w);
    glCopyTexSubImage1D(target(), level, xoffset, x, y, static_cast<GLsizei>(w));
}

void Texture1::checkSubImage(int level, unsigned w) const
{
    QEL_CHECK_SUBIMAGE_WIDTH(w);
    checkLevelAndSize(level, w);
}

void Texture1::checkLevelAndSize(int level, unsigned w) const
{
    QEL_CHECK_LEVEL(level);
    QEL_CHECK_WIDTH_BOUND(w, width(0));
}

void Texture1::texSubImage(int level, int x, unsigned w, Format format, Type type, const void* pixels)
{
    glTexSubImage1D(target(), level, x, static_cast<GLsizei>(w), Format2GL(format), Type2GL(type), pixels);
}

Texture1D::Texture1D(InternalFormat format, unsigned width, bool mipmapped)
    : Texture1(TEXTURE_1D, TEXTURE_BINDING_1D, format, width, mipmapped)
{
}

}}
