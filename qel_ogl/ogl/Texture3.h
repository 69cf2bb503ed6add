#pragma once

#include "qel_ogl/ogl/Texture.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Buffer;
class PixelUnpackParameters;

// The three-dimensional textures: storage for every mipmap level at construction (or one level uploaded from
// memory), sub-image uploads, read-backs and copies from the read frame buffer. Operations act on the texture
// bound at the active unit.
class QEL_OGL_API Texture3 : public Texture
{
public:
    // Wrap modes of s, t and r.
    void setWrap(WrapMode s, WrapMode t, WrapMode r);

    // The bytes of level 0 in tightly packed rows of format and type, whatever the level given.
    int pixelDataSize(int level, Format format, Type type) const;

    // Reads a level into data with GL's format and type enumerants, under the current pack state.
    void getPixelData(void* data, int level, unsigned glFormat, unsigned glType) const;
    // Reads a level into buffer at offset, rows aligned to rowAlignment bytes (1, 2, 4 or 8).
    void getPixelData(Buffer* buffer, int offset, int level, unsigned glFormat, unsigned glType,
                      unsigned rowAlignment) const;

    // Uploads a w x h x d region at (x, y, z) of a level, read from data as parameters describe it.
    void subImage(int level, int x, int y, int z, unsigned w, unsigned h, unsigned d, Format format, Type type,
                  const void* data, const PixelUnpackParameters& parameters);
    // The same, read from buffer at offset.
    void subImage(int level, int x, int y, int z, unsigned w, unsigned h, unsigned d, Format format, Type type,
                  Buffer* buffer, unsigned offset, const PixelUnpackParameters& parameters);

    // Copies w x h pixels at (x, y) of the read frame buffer into slice zoffset of a level at (xoffset, yoffset).
    void copyTexSubImage(int level, int xoffset, int yoffset, int zoffset, int x, int y, unsigned w, unsigned h);

protected:
    // All three sizes must be powers of two unless the driver supports non-power-of-two textures.
    Texture3(Target target, TargetBinding binding, InternalFormat format, unsigned width, unsigned height,
             unsigned depth, bool mipmapped);
    // Storage for the one level given, uploaded from data as parameters describe it.
    Texture3(Target target, TargetBinding binding, InternalFormat format, int level, unsigned width,
             unsigned height, unsigned depth, Format dataFormat, Type dataType, const void* data,
             const PixelUnpackParameters& parameters);

private:
    void checkSize() const;
    void allocateLevels(bool mipmapped);
    void upload(int level, Format format, Type type, const void* data, const PixelUnpackParameters& parameters);
    void checkSubImage(int level, unsigned w, unsigned h, unsigned d) const;
    void texSubImage(int level, int x, int y, int z, unsigned w, unsigned h, unsigned d, Format format, Type type,
                     const void* pixels);
};

class QEL_OGL_API Texture3D : public Texture3
{
public:
    Texture3D(InternalFormat format, unsigned width, unsigned height, unsigned depth, bool mipmapped);
    Texture3D(InternalFormat format, int level, unsigned width, unsigned height, unsigned depth, Format dataFormat,
              Type dataType, const void* data, const PixelUnpackParameters& parameters);
};

}}
