#pragma once

#include "qel_ogl/ogl/Texture.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Buffer;
class PixelUnpackParameters;

// The two-dimensional textures: storage for every mipmap level at construction, sub-image uploads, read-backs
// and copies from the read frame buffer. Operations act on the texture bound at the active unit; getPixelData
// and setWrap check that it is this one.
class QEL_OGL_API Texture2 : public Texture
{
public:
    // Wrap modes of s and t.
    void setWrap(WrapMode s, WrapMode t);

    // The bytes of level 0 in tightly packed rows of format and type, whatever the level given.
    int pixelDataSize(int level, Format format, Type type) const;

    // Reads a level into data, rows aligned to rowAlignment bytes (1, 2, 4 or 8).
    void getPixelData(void* data, int level, Format format, Type type, unsigned rowAlignment) const;
    // Reads a level into buffer at offset.
    void getPixelData(Buffer* buffer, unsigned offset, int level, Format format, Type type,
                      unsigned rowAlignment) const;

    // Uploads a w x h region at (x, y) of a level, read from data as parameters describe it.
    void subImage(int level, int x, int y, unsigned w, unsigned h, Format format, Type type, const void* data,
                  const PixelUnpackParameters& parameters);
    // The same, read from buffer at offset.
    void subImage(int level, int x, int y, unsigned w, unsigned h, Format format, Type type, Buffer* buffer,
                  unsigned offset, const PixelUnpackParameters& parameters);

    // Copies w x h pixels at (x, y) of the read frame buffer into a level at (xoffset, yoffset).
    void copyTexSubImage(int level, int xoffset, int yoffset, int x, int y, unsigned w, unsigned h);

protected:
    // Any size is accepted where the driver supports non-power-of-two or rectangle textures; elsewhere width
    // and height must be powers of two.
    Texture2(Target target, TargetBinding binding, InternalFormat format, unsigned width, unsigned height,
             bool mipmapped);

private:
    void allocateLevels(bool mipmapped);
    void checkSubImage(int level, unsigned w, unsigned h) const;
    // The checks that subImage and copyTexSubImage share after their own zero-size checks.
    void checkLevelAndSize(int level, unsigned w, unsigned h) const;
    void texSubImage(int level, int x, int y, unsigned w, unsigned h, Format format, Type type,
                     const void* pixels);
};

class QEL_OGL_API Texture2D : public Texture2
{
public:
    Texture2D(InternalFormat format, unsigned width, unsigned height, bool mipmapped);

    static bool isSupported();
};

// Rectangle textures have a single level, addressed in texels.
class QEL_OGL_API TextureRECT : public Texture2
{
public:
    TextureRECT(InternalFormat format, unsigned width, unsigned height);

    static bool isSupported();
};

}}
