#pragma once

#include "qel_ogl/ogl/Texture.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Buffer;
class PixelUnpackParameters;

// The one-dimensional textures: storage for every mipmap level at construction, sub-image uploads, read-backs
// and copies from the read frame buffer. Operations act on the texture bound at the active unit.
class QEL_OGL_API Texture1 : public Texture
{
public:
    void setWrap(WrapMode s);

    // The bytes of level 0 in tightly packed rows of format and type, whatever the level given.
    int pixelDataSize(int level, Format format, Type type) const;

    // Reads a level into data with GL's format and type enumerants, under the current pack state.
    void getPixelData(void* data, int level, unsigned glFormat, unsigned glType) const;
    // Reads a level into buffer at offset, with the pack alignment set to 1 (and left so).
    void getPixelData(Buffer* buffer, int offset, int level, unsigned glFormat, unsigned glType) const;

    // Uploads w texels at x of a level, read from data as parameters describe it.
    void subImage(int level, int x, unsigned w, Format format, Type type, const void* data,
                  const PixelUnpackParameters& parameters);
    // The same, read from buffer at offset.
    void subImage(int level, int x, unsigned w, Format format, Type type, Buffer* buffer, unsigned offset,
                  const PixelUnpackParameters& parameters);

    // Copies w pixels at (x, y) of the read frame buffer into a level at xoffset.
    void copyTexSubImage(int level, int xoffset, int x, int y, unsigned w);

protected:
    // The width must be a power of two unless the driver supports non-power-of-two textures.
    Texture1(Target target, TargetBinding binding, InternalFormat format, unsigned width, bool mipmapped);

private:
    void allocateLevels(bool mipmapped);
    void checkSubImage(int level, unsigned w) const;
    // The checks that subImage and copyTexSubImage share after their own zero-width checks.
    void checkLevelAndSize(int level, unsigned w) const;
    void texSubImage(int level, int x, unsigned w, Format format, Type type, const void* pixels);
};

class QEL_OGL_API Texture1D : public Texture1
{
public:
    Texture1D(InternalFormat format, unsigned width, bool mipmapped);
};

}}
