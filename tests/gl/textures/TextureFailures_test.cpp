// Every refused texture operation on a real driver: the exact text, the file of the class that checks, and
// GL's borrowed state as it was, also where the refusal comes after the pixel-store state was pushed.

#include "TexturesOnMesa.h"

#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using QEL::InternalException;
using QEL::OGL::Buffer;
using QEL::OGL::PixelUnpackParameters;
using QEL::OGL::Texture;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using IF = Texture::InternalFormat;

namespace {

const Texture::Format kRGBA = Texture::Format::RGBA;
const Texture::Type kByte = Texture::UNSIGNED_BYTE;

struct Failure
{
    const char* file;
    std::string text;
    std::function<void()> call;
};

const char kMapped[] = "Pixel Buffer Object cannot be memory mapped during data transfer";
const char kNegativeLevel[] = "a negative texture image mip-map level supplied";

}

// A bound 16-texel 1D, 16 x 16 2D and 8 x 8 x 4 3D texture, a 64-byte unpack buffer and a mapped one.
class TextureFailures : public StateKeepingTextures
{
protected:
    void SetUp() override
    {
        StateKeepingTextures::SetUp();
        line_.emplace(IF::RGBA8, 16, false);
        plane_.emplace(IF::RGBA8, 16, 16, false);
        volume_.emplace(IF::RGBA8, 8, 8, 4, false);
        glBindTexture(GL_TEXTURE_1D, line_->objectID());
        glBindTexture(GL_TEXTURE_2D, plane_->objectID());
        glBindTexture(GL_TEXTURE_3D, volume_->objectID());
        buffer_.emplace(64, Buffer::UNPACK_BUFFER, Buffer::STATIC_DRAW, nullptr);
        mapped_.emplace(64, Buffer::UNPACK_BUFFER, Buffer::STATIC_DRAW, nullptr);
        mapped_->bind();
        mapped_->map(GL_READ_ONLY);
        Buffer::bindDefaultUnpackBuffer();
    }

    void TearDown() override
    {
        mapped_->bind();
        mapped_->unmap();
        Buffer::bindDefaultUnpackBuffer();
        StateKeepingTextures::TearDown();
    }

    void expectRefused(const std::vector<Failure>& failures)
    {
        for (const Failure& failure : failures) {
            SCOPED_TRACE(failure.text);
            const std::optional<InternalException> e = thrownBy<InternalException>(failure.call);
            ASSERT_TRUE(e.has_value());
            EXPECT_EQ(std::string("qel_ogl/ogl/") + failure.file + ".cpp", e->file());
            EXPECT_EQ(failure.text, e->text());
            EXPECT_EQ(stateBefore_, borrowedState());
        }
    }

    const void* pixels_ = nullptr;  // never read: every call is refused before
    PixelUnpackParameters parameters_;
    std::optional<Texture1D> line_;
    std::optional<Texture2D> plane_;
    std::optional<Texture3D> volume_;
    std::optional<Buffer> buffer_;
    std::optional<Buffer> mapped_;
};

TEST_F(TextureFailures, OneDimensional)
{
    Texture1D& t = *line_;
    expectRefused({
        {"Texture1", "error subimage width of zero supplied",
         [&] { t.subImage(-1, 0, 0, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture1", kNegativeLevel, [&] { t.subImage(-1, 0, 1, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture1", "width(17) is greater than width of image (16) ",
         [&] { t.subImage(0, 0, 17, kRGBA, kByte, &*buffer_, 0, parameters_); }},
        {"Texture1", "offset(64) is greater than pixel buffer object size64",
         [&] { t.subImage(0, 0, 1, kRGBA, kByte, &*buffer_, 64, parameters_); }},
        {"Texture1", kMapped, [&] { t.subImage(0, 0, 1, kRGBA, kByte, &*mapped_, 0, parameters_); }},
        {"Texture1", "Pixel Buffer Object must not be NULL",
         [&] { t.subImage(0, 0, 1, kRGBA, kByte, nullptr, 0, parameters_); }},
        {"Texture1", "error copySubimage width of zero supplied", [&] { t.copyTexSubImage(0, 0, 0, 0, 0); }},
        {"Texture1", kNegativeLevel, [&] { t.copyTexSubImage(-2, 0, 0, 0, 1); }},
        {"Texture1", "width(17) is greater than width of image (16) ", [&] { t.copyTexSubImage(0, 0, 0, 0, 17); }},
        {"Texture1", "pixelDataSize: Unknown type GL_INT", [&] { t.pixelDataSize(0, kRGBA, Texture::INT); }},
        {"Texture1", "offset(-4) must not be negative",
         [&] { t.getPixelData(&*buffer_, -4, 0, GL_RGBA, GL_UNSIGNED_BYTE); }},
    });
}

TEST_F(TextureFailures, TwoDimensional)
{
    Texture2D& t = *plane_;
    expectRefused({
        {"Texture2", "error subimage width of zero supplied",
         [&] { t.subImage(-1, 0, 0, 0, 0, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture2", "error subimage height of zero supplied",
         [&] { t.subImage(0, 0, 0, 1, 0, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture2", kNegativeLevel, [&] { t.subImage(-1, 0, 0, 1, 1, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture2", "width(17) is greater than width of image (16) ",
         [&] { t.subImage(0, 0, 0, 17, 1, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture2", "height(20) is greater than height of image (16) ",
         [&] { t.subImage(0, 0, 0, 1, 20, kRGBA, kByte, &*buffer_, 0, parameters_); }},
        {"Texture2", "offset(64) is greater than pixel buffer object size64",
         [&] { t.subImage(0, 0, 0, 1, 1, kRGBA, kByte, &*buffer_, 64, parameters_); }},
        {"Texture2", kMapped, [&] { t.subImage(0, 0, 0, 1, 1, kRGBA, kByte, &*mapped_, 0, parameters_); }},
        {"Texture2", "error copySubimage width of zero supplied", [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 0, 1); }},
        {"Texture2", "error copySubimage height of zero supplied", [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 1, 0); }},
        {"Texture2", kNegativeLevel, [&] { t.copyTexSubImage(-1, 0, 0, 0, 0, 1, 1); }},
        {"Texture2", "width(17) is greater than width of image (16) ",
         [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 17, 1); }},
        {"Texture2", "height(17) is greater than height of image (16) ",
         [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 1, 17); }},
        {"Texture2", "pixelDataSize: Unknown type GL_UNSIGNED_INT",
         [&] { t.pixelDataSize(0, kRGBA, Texture::UNSIGNED_INT); }},
        {"Texture2", "pixelDataSize: Unknown type GL_UNSIGNED_SHORT_5_6_5",
         [&] { t.pixelDataSize(0, Texture::Format::RGB, Texture::UNSIGNED_SHORT_5_6_5); }},
        {"Texture2", "COLOR_INDEX not allowed here!",
         [&] { t.getPixelData(nullptr, 0, Texture::Format::COLOR_INDEX, kByte, 4); }},
        {"Texture2", kMapped, [&] { t.getPixelData(&*mapped_, 0, 0, kRGBA, kByte, 4); }},
        {"Texture", "Invalid row byte alignment (must be of 1, 2, 4, or 8).",
         [&] { t.getPixelData(nullptr, 0, kRGBA, kByte, 3); }},
        // Refused by the buffer after the pixel-store state was pushed: an array buffer that is bound cannot
        // become an unpack buffer.
        {"Buffer", "Buffer::convertToUnpackBuffer cannot convert buffer target while bound",
         [&] {
             Buffer array(64, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW, nullptr);
             array.bind();
             PixelUnpackParameters rows;
             rows.setRowLength(9);
             try {
                 t.subImage(0, 0, 0, 1, 1, kRGBA, kByte, &array, 0, rows);
             } catch (...) {
                 Buffer::bindDefaultArrayBuffer();
                 throw;
             }
         }},
    });
}

// The bound checks come first; an unbound texture is refused whatever else is wrong.
TEST_F(TextureFailures, TwoDimensionalWhileNotBound)
{
    Texture2D& t = *plane_;
    glBindTexture(GL_TEXTURE_2D, 0);
    expectRefused({
        {"Texture2", "Texture must be bound",
         [&] { t.getPixelData(nullptr, 0, Texture::Format::COLOR_INDEX, kByte, 4); }},
        {"Texture2", "Texture must be bound", [&] { t.getPixelData(&*mapped_, 0, 0, kRGBA, kByte, 4); }},
        {"Texture2", "Texture must be enabled (bound & active)", [&] { t.setWrap(Texture::REPEAT, Texture::REPEAT); }},
    });
}

TEST_F(TextureFailures, ThreeDimensional)
{
    Texture3D& t = *volume_;
    expectRefused({
        {"Texture3", "error subimage width  of zero supplied",
         [&] { t.subImage(-1, 0, 0, 0, 0, 0, 0, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture3", "error subimage height of zero supplied",
         [&] { t.subImage(0, 0, 0, 0, 1, 0, 0, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture3", "error subimage depth  of zero supplied",
         [&] { t.subImage(0, 0, 0, 0, 1, 1, 0, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture3", kNegativeLevel,
         [&] { t.subImage(-1, 0, 0, 0, 1, 1, 1, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture3", "width(9) is greater than width  of image (8) ",
         [&] { t.subImage(0, 0, 0, 0, 9, 1, 1, kRGBA, kByte, pixels_, parameters_); }},
        {"Texture3", "height(9) is greater than height of image (8) ",
         [&] { t.subImage(0, 0, 0, 0, 1, 9, 1, kRGBA, kByte, &*buffer_, 0, parameters_); }},
        {"Texture3", "depth(5) is greater than depth  of image (4) ",
         [&] { t.subImage(0, 0, 0, 0, 1, 1, 5, kRGBA, kByte, &*buffer_, 0, parameters_); }},
        {"Texture3", "offset(70) is greater than pixel buffer object size64",
         [&] { t.subImage(0, 0, 0, 0, 1, 1, 1, kRGBA, kByte, &*buffer_, 70, parameters_); }},
        {"Texture3", kMapped, [&] { t.subImage(0, 0, 0, 0, 1, 1, 1, kRGBA, kByte, &*mapped_, 0, parameters_); }},
        {"Texture3", "error copySubimage width of zero supplied",
         [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 0, 0, 1); }},
        {"Texture3", "error copySubimage height of zero supplied",
         [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 0, 1, 0); }},
        {"Texture3", kNegativeLevel, [&] { t.copyTexSubImage(-1, 0, 0, 0, 0, 0, 1, 1); }},
        {"Texture3", "width(9) is greater than width of image (8) ",
         [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 0, 9, 1); }},
        {"Texture3", "height(9) is greater than height of image (8) ",
         [&] { t.copyTexSubImage(0, 0, 0, 0, 0, 0, 1, 9); }},
        {"Texture3", "pixelDataSize: Unknown type GL_BITMAP", [&] { t.pixelDataSize(0, kRGBA, Texture::BITMAP); }},
        {"Texture3", kMapped, [&] { t.getPixelData(&*mapped_, 0, 0, GL_RGBA, GL_UNSIGNED_BYTE, 4); }},
        {"Texture3", "offset(-1) must not be negative",
         [&] { t.getPixelData(&*buffer_, -1, 0, GL_RGBA, GL_UNSIGNED_BYTE, 4); }},
        {"Texture", "Invalid row byte alignment (must be of 1, 2, 4, or 8).",
         [&] { t.getPixelData(&*buffer_, 0, 0, GL_RGBA, GL_UNSIGNED_BYTE, 0); }},
    });
}

// The one check that comes after a change that stays: the 1D buffer read-back sets the pack alignment first.
TEST_F(TextureFailures, OneDimensionalReadBackIntoAMappedBuffer)
{
    const auto e = thrownBy<InternalException>(
        [&] { line_->getPixelData(&*mapped_, 0, 0, GL_RGBA, GL_UNSIGNED_BYTE); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/Texture1.cpp", e->file());
    EXPECT_STREQ(kMapped, e->text());
    EXPECT_EQ(1, integer(GL_PACK_ALIGNMENT));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
}

// The offset check lets the last byte of the buffer through.
TEST_F(TextureFailures, AcceptsAnOffsetAtTheLastByte)
{
    const GLubyte last = 0x5A;
    buffer_->bind();
    buffer_->subData(63, 1, &last);
    Buffer::bindDefaultUnpackBuffer();
    plane_->subImage(0, 0, 0, 1, 1, Texture::Format::ALPHA, kByte, &*buffer_, 63, parameters_);
    std::vector<GLubyte> texels(16 * 16 * 4);
    plane_->getPixelData(texels.data(), 0, kRGBA, kByte, 1);
    EXPECT_EQ(last, texels[3]);
}
