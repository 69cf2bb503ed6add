#include "qel_ogl/ogl/Texture.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <sstream>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/extensionator/TokenName.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/EnumTranslation.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/ScopeGuard.h"
#include "qel_ogl/ogl/TextureState.h"

namespace QEL { namespace OGL {

namespace {

// Each table holds the GL value of enumerator i at entry i and is read in both directions.
const unsigned kTargets[] = {GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_RECTANGLE_ARB};
const unsigned kTargetBindings[] = {GL_TEXTURE_BINDING_1D, GL_TEXTURE_BINDING_2D, GL_TEXTURE_BINDING_3D,
                                    GL_TEXTURE_BINDING_RECTANGLE_ARB};
const unsigned kFilters[] = {GL_NEAREST, GL_LINEAR, GL_NEAREST_MIPMAP_NEAREST, GL_LINEAR_MIPMAP_NEAREST,
                             GL_NEAREST_MIPMAP_LINEAR, GL_LINEAR_MIPMAP_LINEAR};
const unsigned kWrapModes[] = {GL_CLAMP, GL_CLAMP_TO_BORDER, GL_CLAMP_TO_EDGE, GL_MIRRORED_REPEAT, GL_REPEAT};
const unsigned kFormats[] = {GL_COLOR_INDEX, GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA, GL_RGB, GL_BGR, GL_RGBA,
                             GL_BGRA, GL_LUMINANCE, GL_LUMINANCE_ALPHA};
const unsigned kTypes[] = {GL_UNSIGNED_BYTE, GL_BYTE, GL_BITMAP, GL_UNSIGNED_SHORT, GL_SHORT, GL_UNSIGNED_INT,
                           GL_INT, GL_FLOAT, GL_UNSIGNED_BYTE_3_3_2, GL_UNSIGNED_BYTE_2_3_3_REV,
                           GL_UNSIGNED_SHORT_5_6_5, GL_UNSIGNED_SHORT_5_6_5_REV, GL_UNSIGNED_SHORT_4_4_4_4,
                           GL_UNSIGNED_SHORT_4_4_4_4_REV, GL_UNSIGNED_SHORT_5_5_5_1, GL_UNSIGNED_SHORT_1_5_5_5_REV,
                           GL_UNSIGNED_INT_8_8_8_8, GL_UNSIGNED_INT_8_8_8_8_REV, GL_UNSIGNED_INT_10_10_10_2,
                           GL_UNSIGNED_INT_2_10_10_10_REV, GL_HALF_FLOAT};
const unsigned kPixelStoreModes[] = {
    GL_PACK_SWAP_BYTES,   GL_PACK_LSB_FIRST,   GL_PACK_ROW_LENGTH,   GL_PACK_IMAGE_HEIGHT,
    GL_PACK_SKIP_PIXELS,  GL_PACK_SKIP_ROWS,   GL_PACK_SKIP_IMAGES,  GL_PACK_ALIGNMENT,
    GL_UNPACK_SWAP_BYTES, GL_UNPACK_LSB_FIRST, GL_UNPACK_ROW_LENGTH, GL_UNPACK_IMAGE_HEIGHT,
    GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_IMAGES, GL_UNPACK_ALIGNMENT};
const unsigned kInternalFormats[] = {
    GL_ALPHA, GL_ALPHA4, GL_ALPHA8, GL_ALPHA12, GL_ALPHA16,
    GL_LUMINANCE, GL_LUMINANCE4, GL_LUMINANCE8, GL_LUMINANCE12, GL_LUMINANCE16,
    GL_LUMINANCE_ALPHA, GL_LUMINANCE4_ALPHA4, GL_LUMINANCE6_ALPHA2, GL_LUMINANCE8_ALPHA8, GL_LUMINANCE12_ALPHA4,
    GL_LUMINANCE12_ALPHA12, GL_LUMINANCE16_ALPHA16,
    GL_INTENSITY, GL_INTENSITY4, GL_INTENSITY8, GL_INTENSITY12, GL_INTENSITY16,
    GL_R3_G3_B2, GL_RGB, GL_RGB4, GL_RGB5, GL_RGB8, GL_RGB10, GL_RGB12, GL_RGB16,
    GL_RGBA, GL_RGBA2, GL_RGBA4, GL_RGB5_A1, GL_RGBA8, GL_RGB10_A2, GL_RGBA12, GL_RGBA16,
    GL_RGBA32F_ARB, GL_RGB32F_ARB, GL_ALPHA32F_ARB, GL_INTENSITY32F_ARB, GL_LUMINANCE32F_ARB,
    GL_LUMINANCE_ALPHA32F_ARB,
    GL_RGBA16F_ARB, GL_RGB16F_ARB, GL_ALPHA16F_ARB, GL_INTENSITY16F_ARB, GL_LUMINANCE16F_ARB,
    GL_LUMINANCE_ALPHA16F_ARB};

const unsigned kFormatChannels[] = {1, 1, 1, 1, 1, 3, 3, 4, 4, 1, 2};
static_assert(sizeof kFormatChannels / sizeof kFormatChannels[0] == sizeof kFormats / sizeof kFormats[0],
              "one channel count per client format");

// The channels of each internal format and the bytes of one channel, 0 where a channel is not a whole number of
// bytes (the size of such a format is left to the driver).
struct ChannelLayout
{
    unsigned channels;
    unsigned bytesPerChannel;
};

const ChannelLayout kInternalFormatLayouts[] = {
    {1, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 2},                  // ALPHA, 4, 8, 12, 16
    {1, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 2},                  // LUMINANCE, 4, 8, 12, 16
    {2, 1}, {2, 0}, {2, 0}, {2, 1}, {2, 0}, {2, 0}, {2, 2},  // LUMINANCE_ALPHA, 4_4, 6_2, 8_8, 12_4, 12_12, 16_16
    {1, 1}, {1, 0}, {1, 1}, {1, 0}, {1, 2},                  // INTENSITY, 4, 8, 12, 16
    {3, 0}, {3, 1}, {3, 0}, {3, 0}, {3, 1}, {3, 0}, {3, 0}, {3, 2},  // R3_G3_B2, RGB, 4, 5, 8, 10, 12, 16
    {4, 1}, {4, 0}, {4, 0}, {4, 0}, {4, 1}, {4, 0}, {4, 0}, {4, 2},  // RGBA, 2, 4, RGB5_A1, 8, RGB10_A2, 12, 16
    {4, 4}, {3, 4}, {1, 4}, {1, 4}, {1, 4}, {2, 4},          // RGBA32F, RGB32F, ALPHA, INTENSITY, LUMINANCE, LA
    {4, 2}, {3, 2}, {1, 2}, {1, 2}, {1, 2}, {2, 2}};         // RGBA16F, RGB16F, ALPHA, INTENSITY, LUMINANCE, LA
static_assert(sizeof kInternalFormatLayouts / sizeof kInternalFormatLayouts[0] ==
                  sizeof kInternalFormats / sizeof kInternalFormats[0],
              "one channel layout per internal format");

// The failed-assertion texts of a value outside a table, one per table (Target and TargetBinding share one).
const char kTargetUntranslated[] = R"(!"Target enums are not all properly translated.")";
const char kFilterUntranslated[] = R"(!"Filter enums are not all properly translated.")";
const char kWrapModeUntranslated[] = R"(!"WrapMode enums are not all properly translated.")";
const char kFormatUntranslated[] = R"(!"Format enums are not all properly translated.")";
const char kTypeUntranslated[] = R"(!"Type enums are not all properly translated.")";
const char kInternalFormatUntranslated[] = R"(!"InternalFormat enums are not all properly translated.")";
const char kPixelStoreModeUntranslated[] = R"(!"PixelStoreMode enums are not all properly translated.")";

const char kNotSized[] = "InternalFormat enums are not all properly sized.";

// The GL value of an enumerator, or untranslated thrown as a failed assertion.
template <class Enum, std::size_t N>
unsigned toGL(const unsigned (&table)[N], Enum value, const char* untranslated)
{
    const std::optional<unsigned> gl = translateToGL(table, value);
    if (!gl)
        throwInternal(__FILE__, __LINE__, untranslated);
    return *gl;
}

template <class Enum, std::size_t N>
Enum fromGL(const unsigned (&table)[N], unsigned glValue, const char* untranslated)
{
    const std::optional<Enum> value = translateFromGL<Enum>(table, glValue);
    if (!value)
        throwInternal(__FILE__, __LINE__, untranslated);
    return *value;
}

// The row of a table that holds one entry per enumerator, or "not sized" for a value outside the enumeration.
template <class Row, std::size_t N, class Enum>
const Row& sizeRow(const Row (&table)[N], Enum value)
{
    const auto index = static_cast<std::size_t>(value);
    if (index >= N)
        throwInternal(__FILE__, __LINE__, kNotSized);
    return table[index];
}

bool isRowAlignment(unsigned bytes)
{
    return bytes == 1 || bytes == 2 || bytes == 4 || bytes == 8;
}

void pushClientPixelStore(GLenum alignmentName, unsigned bytes)
{
    QEL_DESCRIBED_CHECK(isRowAlignment(bytes), "Invalid row byte alignment (must be of 1, 2, 4, or 8).");
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(alignmentName, static_cast<GLint>(bytes));
}

// Makes unit active; CURRENT_UNIT leaves the active unit as it is. A unit that the driver does not have is
// refused before anything changes: GL would refuse the switch and the operation would act on the active unit.
void selectUnit(int unit)
{
    if (unit == Texture::CURRENT_UNIT)
        return;
    const unsigned units = ExtensionManager::Instance()->numberOfTextureUnits();
    QEL_DESCRIBED_CHECK(unit >= 0 && static_cast<unsigned>(unit) < units,
                        "Texture unit " << unit << " does not exist, the driver has " << units << " units");
    TextureState::setActiveTexture(unit);
}

// Makes unit active as selectUnit does and answers the unit that was active before, or CURRENT_UNIT when
// nothing changed, for restoreUnit.
int switchUnit(int unit)
{
    if (unit == Texture::CURRENT_UNIT)
        return Texture::CURRENT_UNIT;
    const int previous = TextureState::activeTexture();
    selectUnit(unit);
    return previous;
}

void restoreUnit(int previous)
{
    if (previous != Texture::CURRENT_UNIT)
        TextureState::setActiveTexture(previous);
}

// The base size shifted right by level; a shift by 32 or more is undefined in C++, and its answer is 0.
unsigned sizeAtLevel(unsigned size, unsigned level)
{
    return level < 32 ? size >> level : 0;
}

// The size of the next mipmap level in one dimension.
unsigned halved(unsigned size)
{
    return size > 1 ? size >> 1 : size;
}

// Runs transfer with buffer bound at its target, then binds again the name that was bound there before.
void whileBound(Buffer& buffer, const std::function<void()>& transfer)
{
    const GLuint previous = buffer.getBoundID();
    buffer.bind();
    // bind() went through glBindBuffer's entry point, so it is loaded for the way back too.
    ScopeGuard rebind([&buffer, previous] { _cgmBindBuffer(buffer.target(), previous); });
    transfer();
}

// The pointer argument of a transfer from or into a bound buffer: the offset in bytes.
void* offsetInBuffer(unsigned offset)
{
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(offset));
}

// The product of the factors as an int; a product above INT_MAX throws rather than wrapping around. Every partial
// product stays at or below INT_MAX, so one more unsigned factor cannot overflow 64 bits.
int sizeProduct(std::initializer_list<unsigned> factors)
{
    std::uint64_t product = 1;
    for (const unsigned factor : factors) {
        product *= factor;
        QEL_DESCRIBED_CHECK(product <= INT_MAX, "Texture size does not fit in 32 bits");
    }
    return static_cast<int>(product);
}

}

// Defined here so that a host can bind it to a reference (std::max takes its arguments so).
const int Texture::CURRENT_UNIT;

Texture::Texture(Target target, TargetBinding binding, InternalFormat format, unsigned width, unsigned height,
                 unsigned depth)
    : Object(Target2GL(target), TargetBinding2GL(binding))
    , eFormat_(format)
    , nWidth_(width)
    , nHeight_(height)
    , nDepth_(depth)
    , nSizeInBytes_(-1)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    QEL_DESCRIBED_CHECK(name != 0, "Texture:: contructor failed to allocate new GPU texture resource");
    setObjectID(name);
}

Texture::~Texture()
{
    const GLuint name = objectID();
    glDeleteTextures(1, &name);
}

unsigned Texture::width(unsigned level) const
{
    return sizeAtLevel(nWidth_, level);
}

unsigned Texture::height(unsigned level) const
{
    return sizeAtLevel(nHeight_, level);
}

unsigned Texture::depth(unsigned level) const
{
    return sizeAtLevel(nDepth_, level);
}

Texture::InternalFormat Texture::format() const
{
    return eFormat_;
}

unsigned Texture::channels() const
{
    return Channels(eFormat_);
}

int Texture::sizeInBytes() const
{
    if (nSizeInBytes_ < 0)
        nSizeInBytes_ = SizeInBytes(eFormat_, nWidth_, nHeight_, nDepth_);
    return nSizeInBytes_;
}

bool Texture::IsTargetSupported(unsigned target)
{
    switch (target) {
    case GL_TEXTURE_1D:
    case GL_TEXTURE_2D:
    case GL_TEXTURE_3D:
        return true;
    case GL_TEXTURE_RECTANGLE_ARB:
        return ExtensionManager::Instance()->isSupported(ExtensionManager::GL_ARB_TEXTURE_RECTANGLE);
    default:
        return false;
    }
}

// Automatic mipmaps came with GL_SGIS_generate_mipmap and are core from 1.4 on, every later version included.
bool Texture::supportsAutoMIPGeneration()
{
    const ExtensionManager* manager = ExtensionManager::Instance();
    if (manager->isSupported(ExtensionManager::GL_SGIS_GENERATE_MIPMAP))
        return true;
    const unsigned major = manager->majorVersion();
    return major >= 2 || (major == 1 && manager->minorVersion() >= 4);
}

void Texture::verifyCurrentTextureObject() const
{
}

// Both filters are translated before either is set, so that a bad one changes nothing.
void Texture::setFilter(Filter min, Filter mag)
{
    const GLint minFilter = static_cast<GLint>(Filter2GL(min));
    const GLint magFilter = static_cast<GLint>(Filter2GL(mag));
    glTexParameteri(target(), GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(target(), GL_TEXTURE_MAG_FILTER, magFilter);
}

void Texture::setBorderColor(const float* rgba)
{
    glTexParameterfv(target(), GL_TEXTURE_BORDER_COLOR, rgba);
}

void Texture::enableAutoMIPGeneration(bool enable)
{
    glTexParameteri(target(), GL_GENERATE_MIPMAP, enable ? 1 : 0);
}

void Texture::bind_DEPRECATED_1_0(int unit)
{
    selectUnit(unit);
    glBindTexture(target(), objectID());
}

void Texture::enable_DEPRECATED_1_0(int unit)
{
    selectUnit(unit);
    glEnable(target());
    glBindTexture(target(), objectID());
}

void Texture::unbind_DEPRECATED_1_0(int unit)
{
    const int previous = switchUnit(unit);
    ScopeGuard restore([previous] { restoreUnit(previous); });
    QEL_DESCRIBED_CHECK(isBound(), "Texture not bound");
    glBindTexture(target(), 0);
}

// Enabled means: this texture is the one bound at the unit and the unit's target is switched on.
bool Texture::isEnabled_DEPRECATED_1_0(int unit) const
{
    const int previous = switchUnit(unit);
    ScopeGuard restore([previous] { restoreUnit(previous); });
    if (!isBound())
        return false;
    GLint enabled = 0;
    glGetIntegerv(target(), &enabled);
    return enabled != 0;
}

void Texture::disable_DEPRECATED_1_0(int unit)
{
    const int previous = switchUnit(unit);
    ScopeGuard restore([previous] { restoreUnit(previous); });
    QEL_DESCRIBED_CHECK(isEnabled_DEPRECATED_1_0(CURRENT_UNIT), "Texture target is not enabled..can't disable texture");
    glBindTexture(target(), 0);
    glDisable(target());
}

void Texture::setEnv_DEPRECATED_1_0(unsigned mode)
{
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, static_cast<GLint>(mode));
}

int Texture::CurrentUnit_DEPRECATED_1_0()
{
    return CURRENT_UNIT;
}

void Texture::pushAndSetTransferByteAlignment(unsigned n)
{
    pushClientPixelStore(GL_UNPACK_ALIGNMENT, n);
}

void Texture::pushAndSetReadbackByteAlignment(unsigned n)
{
    pushClientPixelStore(GL_PACK_ALIGNMENT, n);
}

void Texture::popPixelTransferModes()
{
    glPopClientAttrib();
}

void Texture::setUp(const std::function<void()>& allocate, const std::function<void(WrapMode)>& setWraps)
{
    const GLuint previous = getBoundID();
    glBindTexture(target(), objectID());
    ScopeGuard rebind([this, previous] { glBindTexture(target(), previous); });
    allocate();
    setFilter(NEAREST, NEAREST);
    setWraps(ExtensionManager::Instance()->supportsClampToEdge() ? CLAMP_TO_EDGE : CLAMP);
}

// A dimension of 0 stays 0 and never reaches 1; the chain still ends once no dimension is above 1.
void Texture::forEachLevel(bool mipmapped,
                           const std::function<void(int, unsigned, unsigned, unsigned)>& allocateLevel) const
{
    unsigned w = nWidth_;
    unsigned h = nHeight_;
    unsigned d = nDepth_;
    allocateLevel(0, w, h, d);
    for (int level = 1; mipmapped && (w > 1 || h > 1 || d > 1); ++level) {
        w = halved(w);
        h = halved(h);
        d = halved(d);
        allocateLevel(level, w, h, d);
    }
}

void Texture::unpackFromMemory(const void* data, const PixelUnpackParameters& parameters, const Transfer& upload)
{
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    ScopeGuard pop(&popPixelTransferModes);
    parameters.apply();
    upload(data);
}

void Texture::unpackFromBuffer(Buffer& buffer, unsigned offset, const PixelUnpackParameters& parameters,
                               const Transfer& upload)
{
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    ScopeGuard pop(&popPixelTransferModes);
    parameters.apply();
    if (!buffer.isUnpackBuffer())
        buffer.convertToUnpackBuffer();
    whileBound(buffer, [&] { upload(offsetInBuffer(offset)); });
}

void Texture::readBack(int level, unsigned glFormat, unsigned glType, void* data) const
{
    glGetTexImage(target(), level, glFormat, glType, data);
}

void Texture::readBackIntoBuffer(Buffer& buffer, unsigned offset, int level, unsigned glFormat,
                                 unsigned glType) const
{
    if (!buffer.isPackBuffer())
        buffer.convertToPackBuffer();
    whileBound(buffer, [&] { glGetTexImage(target(), level, glFormat, glType, offsetInBuffer(offset)); });
}

void Texture::withReadbackAlignment(unsigned rowAlignment, const std::function<void()>& readBack)
{
    pushAndSetReadbackByteAlignment(rowAlignment);
    ScopeGuard pop(&popPixelTransferModes);
    readBack();
}

unsigned Texture::BytesPerComponent(Type type)
{
    switch (type) {
    case UNSIGNED_BYTE:
    case BYTE:
        return 1;
    case UNSIGNED_SHORT:
    case SHORT:
    case HALF_FLOAT:
        return 2;
    case FLOAT:
        return 4;
    default:
        return 0;
    }
}

int Texture::levelZeroBytes(Format format, unsigned bytesPerComponent) const
{
    return sizeProduct({Channels(format), nWidth_, nHeight_, nDepth_, bytesPerComponent});
}

unsigned Texture::Target2GL(Target target)
{
    return toGL(kTargets, target, kTargetUntranslated);
}

Texture::Target Texture::GL2Target(unsigned target)
{
    return fromGL<Target>(kTargets, target, kTargetUntranslated);
}

unsigned Texture::TargetBinding2GL(TargetBinding binding)
{
    return toGL(kTargetBindings, binding, kTargetUntranslated);
}

Texture::TargetBinding Texture::GL2TargetBinding(unsigned binding)
{
    return fromGL<TargetBinding>(kTargetBindings, binding, kTargetUntranslated);
}

unsigned Texture::Filter2GL(Filter filter)
{
    return toGL(kFilters, filter, kFilterUntranslated);
}

Texture::Filter Texture::GL2Filter(unsigned filter)
{
    return fromGL<Filter>(kFilters, filter, kFilterUntranslated);
}

unsigned Texture::WrapMode2GL(WrapMode mode)
{
    return toGL(kWrapModes, mode, kWrapModeUntranslated);
}

Texture::WrapMode Texture::GL2WrapMode(unsigned mode)
{
    return fromGL<WrapMode>(kWrapModes, mode, kWrapModeUntranslated);
}

unsigned Texture::Format2GL(Format format)
{
    return toGL(kFormats, format, kFormatUntranslated);
}

Texture::Format Texture::GL2Format(unsigned format)
{
    return fromGL<Format>(kFormats, format, kFormatUntranslated);
}

unsigned Texture::Type2GL(Type type)
{
    return toGL(kTypes, type, kTypeUntranslated);
}

Texture::Type Texture::GL2Type(unsigned type)
{
    return fromGL<Type>(kTypes, type, kTypeUntranslated);
}

unsigned Texture::InternalFormat2GL(InternalFormat format)
{
    return toGL(kInternalFormats, format, kInternalFormatUntranslated);
}

Texture::InternalFormat Texture::GL2InternalFormat(unsigned format)
{
    return fromGL<InternalFormat>(kInternalFormats, format,
                                  kInternalFormatUntranslated);
}

unsigned Texture::PixelStoreMode2GL(PixelStoreMode mode)
{
    return toGL(kPixelStoreModes, mode, kPixelStoreModeUntranslated);
}

Texture::PixelStoreMode Texture::GL2PixelStoreMode(unsigned mode)
{
    return fromGL<PixelStoreMode>(kPixelStoreModes, mode,
                                  kPixelStoreModeUntranslated);
}

unsigned Texture::Channels(InternalFormat format)
{
    return sizeRow(kInternalFormatLayouts, format).channels;
}

unsigned Texture::Channels(Format format)
{
    return sizeRow(kFormatChannels, format);
}

int Texture::SizeInBytes(InternalFormat format, unsigned width, unsigned height, unsigned depth)
{
    const ChannelLayout& layout = sizeRow(kInternalFormatLayouts, format);
    QEL_DESCRIBED_CHECK(layout.bytesPerChannel != 0, "Texture::SizeInBytes Unknown color channels for format "
                                                          << TokenName(InternalFormat2GL(format)));
    return sizeProduct({layout.bytesPerChannel, layout.channels, width, height, depth});
}

}}
