// Bad inputs to the textures on the real driver: construction, the operations of bound 1D, 2D and 3D textures,
// the unit-taking operations, the translation tables, the texture units' binding and the unit switch.

#include "SweepFixture.h"

#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"
#include "qel_ogl/ogl/TextureState.h"
#include "qel_ogl/ogl/TextureUnit.h"

using QEL::OGL::Buffer;
using QEL::OGL::PixelUnpackParameters;
using QEL::OGL::Texture;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using QEL::OGL::TextureRECT;
using QEL::OGL::TextureUnit;
using Format = Texture::Format;
using InternalFormat = Texture::InternalFormat;

namespace {

const PixelUnpackParameters kTight;
unsigned char gPixels[4096];

template <class Enumeration>
Enumeration outside(int value)
{
    return static_cast<Enumeration>(value);
}

// Valid fields with an alignment enumerator outside the table: apply() refuses it after writing the rest.
PixelUnpackParameters badAlignment()
{
    PixelUnpackParameters parameters;
    parameters.setRowLength(3);
    parameters.setAlignment(outside<PixelUnpackParameters::teAlignment>(4));
    return parameters;
}

GLint parameter(GLenum target, GLenum name)
{
    GLint value = 0;
    glGetTexParameteriv(target, name, &value);
    return value;
}

// A texture with a pixel unpack buffer beside it, the texture bound at its target in the active unit, where its
// GL state is read.
template <class T>
struct Bound
{
    template <class... Arguments>
    explicit Bound(Arguments... arguments)
        : texture(arguments...)
        , buffer(64, Buffer::UNPACK_BUFFER, Buffer::STREAM_DRAW, nullptr)
    {
        texture.bind_DEPRECATED_1_0(Texture::CURRENT_UNIT);
    }

    T texture;
    Buffer buffer;
};

template <class T>
std::string boundState(const Bound<T>& b)
{
    const GLenum target = b.texture.target();
    GLfloat border[4] = {};
    glGetTexParameterfv(target, GL_TEXTURE_BORDER_COLOR, border);
    GLint width = 0;
    glGetTexLevelParameteriv(target, 0, GL_TEXTURE_WIDTH, &width);
    return describe("name=", b.texture.objectID(), " bound=", b.texture.isBound(), " filters=",
                    parameter(target, GL_TEXTURE_MIN_FILTER), ",", parameter(target, GL_TEXTURE_MAG_FILTER),
                    " wraps=", parameter(target, GL_TEXTURE_WRAP_S), ",", parameter(target, GL_TEXTURE_WRAP_T), ",",
                    parameter(target, GL_TEXTURE_WRAP_R), " border=", border[0], ",", border[1], ",", border[2],
                    ",", border[3], " mipmaps=", parameter(target, GL_GENERATE_MIPMAP), " width=", width,
                    " buffer mapped=", b.buffer.isMapped(), " buffer target=", b.buffer.target());
}

std::unique_ptr<Bound<Texture2D>> bound2D()
{
    return std::make_unique<Bound<Texture2D>>(InternalFormat::RGBA8, 8u, 8u, true);
}

std::unique_ptr<Bound<Texture1D>> bound1D()
{
    return std::make_unique<Bound<Texture1D>>(InternalFormat::RGBA8, 8u, false);
}

std::unique_ptr<Bound<Texture3D>> bound3D()
{
    return std::make_unique<Bound<Texture3D>>(InternalFormat::RGBA8, 4u, 4u, 4u, false);
}

// The texture is bound; its buffer is mapped.
template <class T>
std::unique_ptr<Bound<T>> withMappedBuffer(std::unique_ptr<Bound<T>> b)
{
    b->buffer.bind();
    b->buffer.map(GL_WRITE_ONLY);
    Buffer::bindDefaultUnpackBuffer();
    return b;
}

// Texture1's read-back into a buffer sets the pack alignment to 1 before its buffer checks, and leaves it.
void packAlignmentOne(GLState& state)
{
    state["GL_PACK_ALIGNMENT"] = 1;
}

const Expected kInvalidValue = Expected::refusedByGL(GL_INVALID_VALUE);
const Expected kInvalidEnum = Expected::refusedByGL(GL_INVALID_ENUM);

void make2D(InternalFormat format, unsigned width, unsigned height)
{
    Texture2D texture(format, width, height, false);
}

void make3D(int level, Format format, Texture::Type type, const void* data, const PixelUnpackParameters& p)
{
    Texture3D texture(InternalFormat::RGBA8, level, 4u, 4u, 4u, format, type, data, p);
}

}

TEST_F(LibraryOnSweep, TextureConstruction)
{
    sweep(Table<NoSubject>{"Texture construction", noSubject, nullptr, {
        {"Texture2D::Texture2D", "internal format 50", kInternal,
         [](auto&) { make2D(outside<InternalFormat>(50), 8, 8); }},
        {"Texture2D::Texture2D", "internal format -1", kInternal,
         [](auto&) { make2D(outside<InternalFormat>(-1), 8, 8); }},
        {"Texture2D::Texture2D", "65536 by 65536", kInvalidValue, [](auto&) { make2D(InternalFormat::RGBA8, 65536, 65536); }},
        {"Texture2D::Texture2D", "width UINT_MAX", kInvalidValue, [](auto&) { make2D(InternalFormat::RGBA8, UINT_MAX, 1); }},
        {"Texture1D::Texture1D", "internal format 50", kInternal,
         [](auto&) { Texture1D texture(outside<InternalFormat>(50), 8u, true); }},
        {"TextureRECT::TextureRECT", "internal format 50", kInternal,
         [](auto&) { TextureRECT texture(outside<InternalFormat>(50), 8u, 8u); }},
        {"Texture3D::Texture3D", "4096 cubed", kInvalidValue,
         [](auto&) { Texture3D texture(InternalFormat::RGBA8, 4096u, 4096u, 4096u, false); }},
        {"Texture3D::Texture3D", "data format 11", kInternal,
         [](auto&) { make3D(0, outside<Format>(11), Texture::UNSIGNED_BYTE, gPixels, kTight); }},
        {"Texture3D::Texture3D", "data type 21", kInternal,
         [](auto&) { make3D(0, Format::RGBA, outside<Texture::Type>(21), gPixels, kTight); }},
        {"Texture3D::Texture3D", "an unpack alignment enumerator out of range", kInternal,
         [](auto&) { make3D(0, Format::RGBA, Texture::UNSIGNED_BYTE, gPixels, badAlignment()); }},
        {"Texture3D::Texture3D", "level -1", kInvalidValue,
         [](auto&) { make3D(-1, Format::RGBA, Texture::UNSIGNED_BYTE, gPixels, kTight); }},
        {"Texture3D::Texture3D", "null data", kAnswered,
         [](auto&) { make3D(0, Format::RGBA, Texture::UNSIGNED_BYTE, nullptr, kTight); }},
    }});
}

TEST_F(LibraryOnSweep, Texture2D)
{
    using B = Bound<Texture2D>;
    const auto type = Texture::UNSIGNED_BYTE;
    sweep(Table<B>{"Texture2D, 8 by 8, mipmapped, bound", bound2D, boundState<Texture2D>, {
        {"Texture2::subImage", "width 0", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 0u, 1u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "height 0", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 0u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "level -1", kInternal,
         [&](B& b) { b.texture.subImage(-1, 0, 0, 1u, 1u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "width 9", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 9u, 1u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "height UINT_MAX", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, UINT_MAX, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "format 11", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, outside<Format>(11), type, gPixels, kTight); }},
        {"Texture2::subImage", "type -1", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, Format::RGBA, outside<Texture::Type>(-1), gPixels, kTight); }},
        {"Texture2::subImage", "an unpack alignment enumerator out of range", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, Format::RGBA, type, gPixels, badAlignment()); }},
        {"Texture2::subImage", "x offset past the edge", kInvalidValue,
         [&](B& b) { b.texture.subImage(0, 6, 0, 4u, 1u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "a level past the last", Expected::refusedByGL(GL_INVALID_OPERATION),
         [&](B& b) { b.texture.subImage(9, 0, 0, 1u, 1u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture2::subImage", "null data", kAnswered,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, Format::RGBA, type, static_cast<const void*>(nullptr), kTight); }},
        {"Texture2::subImage", "null buffer", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, Format::RGBA, type, static_cast<Buffer*>(nullptr), 0u, kTight); }},
        {"Texture2::subImage", "buffer offset at its size", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, Format::RGBA, type, &b.buffer, 64u, kTight); }},
        {"Texture2::getPixelData", "COLOR_INDEX", kInternal,
         [&](B& b) { b.texture.getPixelData(gPixels, 0, Format::COLOR_INDEX, type, 4u); }},
        {"Texture2::getPixelData", "row alignment 3", kInternal,
         [&](B& b) { b.texture.getPixelData(gPixels, 0, Format::RGBA, type, 3u); }},
        {"Texture2::getPixelData", "format 11", kInternal,
         [&](B& b) { b.texture.getPixelData(gPixels, 0, outside<Format>(11), type, 4u); }},
        {"Texture2::getPixelData", "level -1", kInvalidValue,
         [&](B& b) { b.texture.getPixelData(gPixels, -1, Format::RGBA, type, 4u); }},
        {"Texture2::getPixelData", "null buffer", kInternal,
         [&](B& b) { b.texture.getPixelData(static_cast<Buffer*>(nullptr), 0u, 0, Format::RGBA, type, 4u); }},
        {"Texture2::copyTexSubImage", "width 0", kInternal, [](B& b) { b.texture.copyTexSubImage(0, 0, 0, 0, 0, 0u, 1u); }},
        {"Texture2::copyTexSubImage", "height 0", kInternal, [](B& b) { b.texture.copyTexSubImage(0, 0, 0, 0, 0, 1u, 0u); }},
        {"Texture2::copyTexSubImage", "level -1", kInternal, [](B& b) { b.texture.copyTexSubImage(-1, 0, 0, 0, 0, 1u, 1u); }},
        {"Texture2::copyTexSubImage", "height 9", kInternal, [](B& b) { b.texture.copyTexSubImage(0, 0, 0, 0, 0, 1u, 9u); }},
        {"Texture2::setWrap", "wrap mode 5 for s", kInternal,
         [](B& b) { b.texture.setWrap(outside<Texture::WrapMode>(5), Texture::REPEAT); }},
        {"Texture2::setWrap", "wrap mode -1 for t", kInternal,
         [](B& b) { b.texture.setWrap(Texture::REPEAT, outside<Texture::WrapMode>(-1)); }},
        {"Texture::setFilter", "filter 6 for min", kInternal,
         [](B& b) { b.texture.setFilter(outside<Texture::Filter>(6), Texture::LINEAR); }},
        {"Texture::setFilter", "filter -1 for mag", kInternal,
         [](B& b) { b.texture.setFilter(Texture::LINEAR, outside<Texture::Filter>(-1)); }},
        // Pointers go to GL unjudged; the driver tells what it does with a null one.
        {"Texture::setBorderColor", "null colour", kAnswered, [](B& b) { b.texture.setBorderColor(nullptr); }},
        {"Texture2::pixelDataSize", "type GL_UNSIGNED_INT", kInternal,
         [](B& b) { b.texture.pixelDataSize(0, Format::RGBA, Texture::UNSIGNED_INT); }},
        {"Texture2::pixelDataSize", "format 11", kInternal,
         [](B& b) { b.texture.pixelDataSize(0, outside<Format>(11), Texture::FLOAT); }},
        {"Texture::unbind_DEPRECATED_1_0", "a unit where it is not bound", kInternal,
         [](B& b) { b.texture.unbind_DEPRECATED_1_0(1); }},
        {"Texture::disable_DEPRECATED_1_0", "a texture not enabled", kInternal,
         [](B& b) { b.texture.disable_DEPRECATED_1_0(Texture::CURRENT_UNIT); }},
        {"Texture::bind_DEPRECATED_1_0", "unit 100000", kInternal, [](B& b) { b.texture.bind_DEPRECATED_1_0(100000); }},
        {"Texture::bind_DEPRECATED_1_0", "unit -2", kInternal, [](B& b) { b.texture.bind_DEPRECATED_1_0(-2); }},
        {"Texture::enable_DEPRECATED_1_0", "unit 100000", kInternal, [](B& b) { b.texture.enable_DEPRECATED_1_0(100000); }},
        {"Texture::unbind_DEPRECATED_1_0", "unit 100000", kInternal, [](B& b) { b.texture.unbind_DEPRECATED_1_0(100000); }},
        {"Texture::isEnabled_DEPRECATED_1_0", "unit 100000", kInternal,
         [](B& b) { b.texture.isEnabled_DEPRECATED_1_0(100000); }},
        {"Texture::disable_DEPRECATED_1_0", "unit 100000", kInternal,
         [](B& b) { b.texture.disable_DEPRECATED_1_0(100000); }},
    }});
    sweep(Table<B>{"Texture2D, bound, its buffer mapped", [] { return withMappedBuffer(bound2D()); },
                   boundState<Texture2D>, {
        {"Texture2::subImage", "a mapped buffer", kInternal,
         [&](B& b) { b.texture.subImage(0, 0, 0, 1u, 1u, Format::RGBA, type, &b.buffer, 0u, kTight); }},
        {"Texture2::getPixelData", "a mapped buffer", kInternal,
         [&](B& b) { b.texture.getPixelData(&b.buffer, 0u, 0, Format::RGBA, type, 4u); }},
    }});
    const auto unbound = [] {
        auto b = bound2D();
        TextureUnit::Unit(0)->bind2DDefault();
        return b;
    };
    sweep(Table<B>{"Texture2D, not bound", unbound, nullptr, {
        {"Texture2::setWrap", "a texture not bound", kInternal,
         [](B& b) { b.texture.setWrap(Texture::REPEAT, Texture::REPEAT); }},
        {"Texture2::getPixelData", "a texture not bound", kInternal,
         [&](B& b) { b.texture.getPixelData(gPixels, 0, Format::RGBA, type, 4u); }},
        {"Texture::unbind_DEPRECATED_1_0", "a texture not bound", kInternal,
         [](B& b) { b.texture.unbind_DEPRECATED_1_0(Texture::CURRENT_UNIT); }},
    }});
}

TEST_F(LibraryOnSweep, Texture1DAnd3D)
{
    using B1 = Bound<Texture1D>;
    using B3 = Bound<Texture3D>;
    const auto type = Texture::UNSIGNED_BYTE;
    sweep(Table<B1>{"Texture1D, 8 wide, bound", bound1D, boundState<Texture1D>, {
        {"Texture1::subImage", "width 0", kInternal,
         [&](B1& b) { b.texture.subImage(0, 0, 0u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture1::subImage", "width 9", kInternal,
         [&](B1& b) { b.texture.subImage(0, 0, 9u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture1::subImage", "null buffer", kInternal,
         [&](B1& b) { b.texture.subImage(0, 0, 1u, Format::RGBA, type, static_cast<Buffer*>(nullptr), 0u, kTight); }},
        {"Texture1::getPixelData", "null buffer", kInternal,
         [&](B1& b) { b.texture.getPixelData(static_cast<Buffer*>(nullptr), 0, 0, GL_RGBA, GL_UNSIGNED_BYTE); }},
        {"Texture1::getPixelData", "buffer offset -1", kInternal,
         [&](B1& b) { b.texture.getPixelData(&b.buffer, -1, 0, GL_RGBA, GL_UNSIGNED_BYTE); }},
        {"Texture1::getPixelData", "GL format 0", kInvalidEnum,
         [&](B1& b) { b.texture.getPixelData(gPixels, 0, 0u, GL_UNSIGNED_BYTE); }},
        {"Texture1::copyTexSubImage", "width 9", kInternal, [](B1& b) { b.texture.copyTexSubImage(0, 0, 0, 0, 9u); }},
        {"Texture1::setWrap", "wrap mode 5", kInternal, [](B1& b) { b.texture.setWrap(outside<Texture::WrapMode>(5)); }},
    }});
    sweep(Table<B1>{"Texture1D, bound, its buffer mapped", [] { return withMappedBuffer(bound1D()); },
                    boundState<Texture1D>, {
        {"Texture1::getPixelData", "a mapped buffer", kInternal,
         [&](B1& b) { b.texture.getPixelData(&b.buffer, 0, 0, GL_RGBA, GL_UNSIGNED_BYTE); }, packAlignmentOne},
        {"Texture1::subImage", "a mapped buffer", kInternal,
         [&](B1& b) { b.texture.subImage(0, 0, 1u, Format::RGBA, type, &b.buffer, 0u, kTight); }},
    }});
    sweep(Table<B3>{"Texture3D, 4 cubed, bound", bound3D, boundState<Texture3D>, {
        {"Texture3::subImage", "depth 0", kInternal,
         [&](B3& b) { b.texture.subImage(0, 0, 0, 0, 1u, 1u, 0u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture3::subImage", "depth 5", kInternal,
         [&](B3& b) { b.texture.subImage(0, 0, 0, 0, 1u, 1u, 5u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture3::subImage", "z offset past the edge", kInvalidValue,
         [&](B3& b) { b.texture.subImage(0, 0, 0, 3, 1u, 1u, 2u, Format::RGBA, type, gPixels, kTight); }},
        {"Texture3::subImage", "buffer offset UINT_MAX", kInternal,
         [&](B3& b) { b.texture.subImage(0, 0, 0, 0, 1u, 1u, 1u, Format::RGBA, type, &b.buffer, UINT_MAX, kTight); }},
        {"Texture3::getPixelData", "row alignment 0", kInternal,
         [&](B3& b) { b.texture.getPixelData(&b.buffer, 0, 0, GL_RGBA, GL_UNSIGNED_BYTE, 0u); }},
        {"Texture3::copyTexSubImage", "height 0", kInternal,
         [](B3& b) { b.texture.copyTexSubImage(0, 0, 0, 0, 0, 0, 1u, 0u); }},
        {"Texture3::setWrap", "wrap mode 5 for r", kInternal,
         [](B3& b) { b.texture.setWrap(Texture::REPEAT, Texture::REPEAT, outside<Texture::WrapMode>(5)); }},
    }});
}

TEST_F(LibraryOnSweep, TextureTablesUnitsAndState)
{
    sweep(Table<NoSubject>{"Texture translations and sizes", noSubject, nullptr, {
        {"Texture::Target2GL", "4", kInternal, [](auto&) { Texture::Target2GL(outside<Texture::Target>(4)); }},
        {"Texture::GL2Target", "GL_TEXTURE_CUBE_MAP", kInternal, [](auto&) { Texture::GL2Target(GL_TEXTURE_CUBE_MAP); }},
        {"Texture::TargetBinding2GL", "-1", kInternal,
         [](auto&) { Texture::TargetBinding2GL(outside<Texture::TargetBinding>(-1)); }},
        {"Texture::GL2TargetBinding", "GL_TEXTURE_2D", kInternal, [](auto&) { Texture::GL2TargetBinding(GL_TEXTURE_2D); }},
        {"Texture::Filter2GL", "6", kInternal, [](auto&) { Texture::Filter2GL(outside<Texture::Filter>(6)); }},
        {"Texture::GL2Filter", "0", kInternal, [](auto&) { Texture::GL2Filter(0); }},
        {"Texture::WrapMode2GL", "5", kInternal, [](auto&) { Texture::WrapMode2GL(outside<Texture::WrapMode>(5)); }},
        {"Texture::GL2WrapMode", "GL_MIRROR_CLAMP_EXT", kInternal, [](auto&) { Texture::GL2WrapMode(0x8742); }},
        {"Texture::Format2GL", "11", kInternal, [](auto&) { Texture::Format2GL(outside<Format>(11)); }},
        {"Texture::GL2Format", "GL_DEPTH_COMPONENT", kInternal, [](auto&) { Texture::GL2Format(GL_DEPTH_COMPONENT); }},
        {"Texture::Type2GL", "21", kInternal, [](auto&) { Texture::Type2GL(outside<Texture::Type>(21)); }},
        {"Texture::GL2Type", "GL_DOUBLE", kInternal, [](auto&) { Texture::GL2Type(GL_DOUBLE); }},
        {"Texture::InternalFormat2GL", "INT_MIN", kInternal,
         [](auto&) { Texture::InternalFormat2GL(outside<InternalFormat>(INT_MIN)); }},
        {"Texture::GL2InternalFormat", "GL_DEPTH_COMPONENT", kInternal,
         [](auto&) { Texture::GL2InternalFormat(GL_DEPTH_COMPONENT); }},
        {"Texture::PixelStoreMode2GL", "16", kInternal,
         [](auto&) { Texture::PixelStoreMode2GL(outside<Texture::PixelStoreMode>(16)); }},
        {"Texture::GL2PixelStoreMode", "GL_PACK_ALIGNMENT + 1", kInternal,
         [](auto&) { Texture::GL2PixelStoreMode(GL_PACK_ALIGNMENT + 1); }},
        {"Texture::Channels", "internal format 50", kInternal, [](auto&) { Texture::Channels(outside<InternalFormat>(50)); }},
        {"Texture::Channels", "format -1", kInternal, [](auto&) { Texture::Channels(outside<Format>(-1)); }},
        {"Texture::SizeInBytes", "internal format 50", kInternal,
         [](auto&) { Texture::SizeInBytes(outside<InternalFormat>(50), 1, 1, 1); }},
        {"Texture::SizeInBytes", "RGB5, no whole-byte channels", kInternal,
         [](auto&) { Texture::SizeInBytes(InternalFormat::RGB5, 1, 1, 1); }},
        {"Texture::SizeInBytes", "a size above INT_MAX", kInternal,
         [](auto&) { Texture::SizeInBytes(InternalFormat::RGBA32F, 65536, 65536, 1); }},
        {"Texture::SizeInBytes", "UINT_MAX cubed", kInternal,
         [](auto&) { Texture::SizeInBytes(InternalFormat::ALPHA8, UINT_MAX, UINT_MAX, UINT_MAX); }},
        {"TextureUnit::bind", "null texture", kInternal,
         [](auto&) { TextureUnit::Unit(0)->bind(static_cast<Texture2D*>(nullptr)); }},
        {"TextureState::setActiveTexture", "unit -1", kInvalidEnum, [](auto&) { QEL::OGL::TextureState::setActiveTexture(-1); }},
        {"TextureState::setActiveTexture", "unit 100000", kInvalidEnum,
         [](auto&) { QEL::OGL::TextureState::setActiveTexture(100000); }},
    }});
}
