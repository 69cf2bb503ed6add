#pragma once

#include <functional>

#include "qel_ogl/ogl/Object.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Buffer;
class PixelUnpackParameters;

// The common base of the texture wrappers: owns one GL texture name and knows its target, internal format and
// the size of its base level. It carries the translations between the library's texture enumerations and GL,
// the channel and byte-size rules of the internal formats, and the older fixed-function operations that take a
// texture unit number. Storage is given by the dimension classes (Texture1, Texture2, Texture3).
//
// Parameter operations act on the texture bound at the active unit; the caller binds first.
class QEL_OGL_API Texture : public Object
{
public:
    // Each enumerator is named after its GL constant; X2GL and GL2X translate one table in both directions and
    // throw for a value outside it. Every enumeration has the fixed type int, so that any int a caller casts to
    // it is a value of the type, refused by the translation rather than undefined.
    enum Target : int { TEXTURE_1D = 0, TEXTURE_2D = 1, TEXTURE_3D = 2, TEXTURE_RECTANGLE = 3 };

    // The glGetIntegerv query of each Target, row by row.
    enum TargetBinding : int {
        TEXTURE_BINDING_1D = 0,
        TEXTURE_BINDING_2D = 1,
        TEXTURE_BINDING_3D = 2,
        TEXTURE_BINDING_RECTANGLE = 3
    };

    enum Filter : int {
        NEAREST = 0,
        LINEAR = 1,
        NEAREST_MIPMAP_NEAREST = 2,
        LINEAR_MIPMAP_NEAREST = 3,
        NEAREST_MIPMAP_LINEAR = 4,
        LINEAR_MIPMAP_LINEAR = 5
    };

    enum WrapMode : int { CLAMP = 0, CLAMP_TO_BORDER = 1, CLAMP_TO_EDGE = 2, MIRRORED_REPEAT = 3, REPEAT = 4 };

    // Client pixel formats. ALPHA, RGB, RGBA, LUMINANCE and LUMINANCE_ALPHA name both a client format and an
    // internal format, with different values; Format and InternalFormat are scoped so that each name says which
    // one it is (Format::RGBA, InternalFormat::RGBA8).
    enum class Format {
        COLOR_INDEX = 0,
        RED = 1,
        GREEN = 2,
        BLUE = 3,
        ALPHA = 4,
        RGB = 5,
        BGR = 6,
        RGBA = 7,
        BGRA = 8,
        LUMINANCE = 9,
        LUMINANCE_ALPHA = 10
    };

    // Client pixel component types.
    enum Type : int {
        UNSIGNED_BYTE = 0,
        BYTE = 1,
        BITMAP = 2,
        UNSIGNED_SHORT = 3,
        SHORT = 4,
        UNSIGNED_INT = 5,
        INT = 6,
        FLOAT = 7,
        UNSIGNED_BYTE_3_3_2 = 8,
        UNSIGNED_BYTE_2_3_3_REV = 9,
        UNSIGNED_SHORT_5_6_5 = 10,
        UNSIGNED_SHORT_5_6_5_REV = 11,
        UNSIGNED_SHORT_4_4_4_4 = 12,
        UNSIGNED_SHORT_4_4_4_4_REV = 13,
        UNSIGNED_SHORT_5_5_5_1 = 14,
        UNSIGNED_SHORT_1_5_5_5_REV = 15,
        UNSIGNED_INT_8_8_8_8 = 16,
        UNSIGNED_INT_8_8_8_8_REV = 17,
        UNSIGNED_INT_10_10_10_2 = 18,
        UNSIGNED_INT_2_10_10_10_REV = 19,
        HALF_FLOAT = 20
    };

    enum PixelStoreMode : int {
        PACK_SWAP_BYTES = 0,
        PACK_LSB_FIRST = 1,
        PACK_ROW_LENGTH = 2,
        PACK_IMAGE_HEIGHT = 3,
        PACK_SKIP_PIXELS = 4,
        PACK_SKIP_ROWS = 5,
        PACK_SKIP_IMAGES = 6,
        PACK_ALIGNMENT = 7,
        UNPACK_SWAP_BYTES = 8,
        UNPACK_LSB_FIRST = 9,
        UNPACK_ROW_LENGTH = 10,
        UNPACK_IMAGE_HEIGHT = 11,
        UNPACK_SKIP_PIXELS = 12,
        UNPACK_SKIP_ROWS = 13,
        UNPACK_SKIP_IMAGES = 14,
        UNPACK_ALIGNMENT = 15
    };

    enum class InternalFormat {
        ALPHA = 0,
        ALPHA4 = 1,
        ALPHA8 = 2,
        ALPHA12 = 3,
        ALPHA16 = 4,
        LUMINANCE = 5,
        LUMINANCE4 = 6,
        LUMINANCE8 = 7,
        LUMINANCE12 = 8,
        LUMINANCE16 = 9,
        LUMINANCE_ALPHA = 10,
        LUMINANCE4_ALPHA4 = 11,
        LUMINANCE6_ALPHA2 = 12,
        LUMINANCE8_ALPHA8 = 13,
        LUMINANCE12_ALPHA4 = 14,
        LUMINANCE12_ALPHA12 = 15,
        LUMINANCE16_ALPHA16 = 16,
        INTENSITY = 17,
        INTENSITY4 = 18,
        INTENSITY8 = 19,
        INTENSITY12 = 20,
        INTENSITY16 = 21,
        R3_G3_B2 = 22,
        RGB = 23,
        RGB4 = 24,
        RGB5 = 25,
        RGB8 = 26,
        RGB10 = 27,
        RGB12 = 28,
        RGB16 = 29,
        RGBA = 30,
        RGBA2 = 31,
        RGBA4 = 32,
        RGB5_A1 = 33,
        RGBA8 = 34,
        RGB10_A2 = 35,
        RGBA12 = 36,
        RGBA16 = 37,
        RGBA32F = 38,
        RGB32F = 39,
        ALPHA32F = 40,
        INTENSITY32F = 41,
        LUMINANCE32F = 42,
        LUMINANCE_ALPHA32F = 43,
        RGBA16F = 44,
        RGB16F = 45,
        ALPHA16F = 46,
        INTENSITY16F = 47,
        LUMINANCE16F = 48,
        LUMINANCE_ALPHA16F = 49
    };

    // As a unit argument of the _DEPRECATED_1_0 operations: the unit that is active.
    static const int CURRENT_UNIT = -1;

    // Deletes the GL name.
    ~Texture() override;

    // One owner per GL name: a copy would delete it twice.
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // The size of a mipmap level: the base level's size shifted right by level, not clamped to 1.
    unsigned width(unsigned level) const;
    unsigned height(unsigned level) const;
    unsigned depth(unsigned level) const;

    InternalFormat format() const;
    unsigned channels() const;
    // The base level's size in bytes, SizeInBytes of the format and the level-0 size; computed once.
    int sizeInBytes() const;

    // 1D, 2D and 3D targets always; the rectangle target where GL_ARB_texture_rectangle is supported.
    static bool IsTargetSupported(unsigned target);
    static bool supportsAutoMIPGeneration();
    void verifyCurrentTextureObject() const;

    // Parameters of the texture bound at the active unit.
    void setFilter(Filter min, Filter mag);
    void setBorderColor(const float* rgba);
    void enableAutoMIPGeneration(bool enable);

    // The fixed-function operations that take a zero-based texture unit or CURRENT_UNIT. bind and enable leave
    // the given unit active; unbind, isEnabled and disable make it active only for their own work.
    void bind_DEPRECATED_1_0(int unit);
    void enable_DEPRECATED_1_0(int unit);
    void unbind_DEPRECATED_1_0(int unit);
    bool isEnabled_DEPRECATED_1_0(int unit) const;
    void disable_DEPRECATED_1_0(int unit);
    static void setEnv_DEPRECATED_1_0(unsigned mode);
    static int CurrentUnit_DEPRECATED_1_0();

    static unsigned Target2GL(Target target);
    static Target GL2Target(unsigned target);
    static unsigned TargetBinding2GL(TargetBinding binding);
    static TargetBinding GL2TargetBinding(unsigned binding);
    static unsigned Filter2GL(Filter filter);
    static Filter GL2Filter(unsigned filter);
    static unsigned WrapMode2GL(WrapMode mode);
    static WrapMode GL2WrapMode(unsigned mode);
    static unsigned Format2GL(Format format);
    static Format GL2Format(unsigned format);
    static unsigned Type2GL(Type type);
    static Type GL2Type(unsigned type);
    static unsigned InternalFormat2GL(InternalFormat format);
    static InternalFormat GL2InternalFormat(unsigned format);
    static unsigned PixelStoreMode2GL(PixelStoreMode mode);
    static PixelStoreMode GL2PixelStoreMode(unsigned mode);

    static unsigned Channels(InternalFormat format);
    static unsigned Channels(Format format);
    // Bytes per channel x channels x width x height x depth; throws for a format without whole-byte channels
    // and for a size above INT_MAX.
    static int SizeInBytes(InternalFormat format, unsigned width, unsigned height, unsigned depth);

protected:
    // Generates the name; neither binds the texture nor gives it storage.
    Texture(Target target, TargetBinding binding, InternalFormat format, unsigned width, unsigned height,
            unsigned depth);

    // Push the client pixel-store state and set the unpack (transfer) or pack (read-back) row alignment, 1, 2, 4
    // or 8 bytes; popPixelTransferModes pops it. An invalid alignment throws before anything is pushed.
    static void pushAndSetTransferByteAlignment(unsigned n);
    static void pushAndSetReadbackByteAlignment(unsigned n);
    static void popPixelTransferModes();

    // The set-up of a new texture: while it is bound at its target, allocate gives it storage, both filters
    // become NEAREST and setWraps sets every wrap mode to CLAMP_TO_EDGE (CLAMP where that is not supported).
    // Then the name bound at the target before is bound again, also when a step throws.
    void setUp(const std::function<void()>& allocate, const std::function<void(WrapMode)>& setWraps);
    // Calls allocateLevel(level, width, height, depth) for level 0 and, when mipmapped, for every smaller level:
    // each dimension above 1 halves, and the chain ends with the level whose dimensions are all at most 1.
    void forEachLevel(bool mipmapped,
                      const std::function<void(int, unsigned, unsigned, unsigned)>& allocateLevel) const;

    // A pixel transfer given where its pixels are: client memory or an offset into a bound buffer.
    using Transfer = std::function<void(const void* pixels)>;
    // Run upload with the parameters in GL's unpack state; the client pixel-store state is popped afterwards.
    // From a buffer, the buffer (made a pixel unpack buffer first if it is another kind) is bound at the unpack
    // target for the upload, which reads from offset, and the name bound there before is bound again.
    static void unpackFromMemory(const void* data, const PixelUnpackParameters& parameters, const Transfer& upload);
    static void unpackFromBuffer(Buffer& buffer, unsigned offset, const PixelUnpackParameters& parameters,
                                 const Transfer& upload);
    // glGetTexImage of a level into memory, or into a buffer bound at the pack target (made a pixel pack buffer
    // first if it is another kind) for the read, with the name bound there before bound again afterwards.
    void readBack(int level, unsigned glFormat, unsigned glType, void* data) const;
    void readBackIntoBuffer(Buffer& buffer, unsigned offset, int level, unsigned glFormat, unsigned glType) const;
    // Runs readBack with the pack row alignment (1, 2, 4 or 8) set, and the client pixel-store state popped
    // afterwards.
    static void withReadbackAlignment(unsigned rowAlignment, const std::function<void()>& readBack);

    // Bytes per component of the client types that pixelDataSize knows, 0 for the others.
    static unsigned BytesPerComponent(Type type);
    // The base level's bytes in tightly packed rows of format and components of the given size.
    int levelZeroBytes(Format format, unsigned bytesPerComponent) const;

private:
    InternalFormat eFormat_;
    unsigned nWidth_;
    unsigned nHeight_;
    unsigned nDepth_;
    // -1 until sizeInBytes() computes it.
    mutable int nSizeInBytes_;
};

}}
