// Pixels through the texture classes and back, bit for bit: uploads from memory and from pixel unpack buffers
// (with row length, skips and alignment), read-backs into memory and pixel pack buffers, copies from the
// frame buffer; and the GL state that a transfer borrows, given back.

#include "TexturesOnMesa.h"

#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

using QEL::OGL::Buffer;
using QEL::OGL::PixelUnpackParameters;
using QEL::OGL::Texture;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using QEL::OGL::TextureRECT;
using Bytes = std::vector<GLubyte>;
using IF = Texture::InternalFormat;

namespace {

const Texture::Format kRGB = Texture::Format::RGB;
const Texture::Format kRGBA = Texture::Format::RGBA;
// Bytes that GL must not touch: padding, skipped pixels, and what lies before a buffer offset.
const GLubyte kUntouched = 0xEE;
const unsigned kBufferOffset = 12;

// Bytes that differ from their neighbours, so that a misplaced byte shows.
Bytes pattern(std::size_t size, unsigned seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<GLubyte>(i * 37 + seed * 101 + 5);
    return bytes;
}

// Tightly packed rows of rowBytes each, laid out with rows of stride bytes starting skip bytes into the result.
Bytes spread(const Bytes& packed, unsigned rowBytes, unsigned rows, unsigned stride, unsigned skip)
{
    Bytes memory(skip + rows * stride, kUntouched);
    for (unsigned row = 0; row < rows; ++row)
        std::memcpy(&memory[skip + row * stride], &packed[row * rowBytes], rowBytes);
    return memory;
}

// A pixel unpack buffer that holds bytes at kBufferOffset.
Buffer unpackBufferWith(const Bytes& bytes)
{
    Bytes contents(kBufferOffset, kUntouched);
    contents.insert(contents.end(), bytes.begin(), bytes.end());
    return Buffer(static_cast<int>(contents.size()), Buffer::UNPACK_BUFFER, Buffer::STATIC_DRAW, contents.data());
}

// What read(data) writes into size bytes of memory that held kUntouched before.
Bytes readIntoMemory(std::size_t size, const std::function<void(void*)>& read)
{
    Bytes bytes(size, kUntouched);
    read(bytes.data());
    return bytes;
}

// What read(buffer, kBufferOffset) writes into a buffer that held kUntouched before; the buffer is made an
// array buffer, so that the read-back has to make it a pack buffer.
Bytes readIntoBuffer(std::size_t size, const std::function<void(Buffer*)>& read)
{
    const Bytes untouched(kBufferOffset + size, kUntouched);
    Buffer buffer(static_cast<int>(untouched.size()), Buffer::ARRAY_BUFFER, Buffer::STREAM_READ, untouched.data());
    read(&buffer);
    EXPECT_TRUE(buffer.isPackBuffer());
    Bytes contents(untouched.size());
    buffer.bind();
    buffer.getSubData(0, static_cast<int>(contents.size()), contents.data());
    Buffer::bindDefaultPackBuffer();
    EXPECT_EQ(Bytes(kBufferOffset, kUntouched), Bytes(contents.begin(), contents.begin() + kBufferOffset));
    return Bytes(contents.begin() + kBufferOffset, contents.end());
}


}

using TextureTransfers = StateKeepingTextures;

// A 5 x 3 RGB image inside rows of 7 pixels aligned to 4 bytes (24 bytes, not 21), 2 pixels and 1 row in;
// read back with rows aligned to 8 bytes (16, not 15).
class TwoDimensionalTransfers : public TextureTransfers
{
protected:
    static constexpr unsigned kWidth = 5, kHeight = 3;

    TwoDimensionalTransfers()
    {
        parameters_.setRowLength(7);
        parameters_.setSkipPixels(2);
        parameters_.setSkipRows(1);
        parameters_.setAlignment(4u);
    }

    Bytes clientImage() const
    {
        return spread(pixels_, kWidth * 3, kHeight, 24, 24 + 2 * 3);
    }

    Bytes readBackLayout() const
    {
        return spread(pixels_, kWidth * 3, kHeight, 16, 0);
    }

    void roundTrip(QEL::OGL::Texture2& texture, GLenum target)
    {
        glBindTexture(target, texture.objectID());
        texture.subImage(0, 0, 0, kWidth, kHeight, kRGB, Texture::UNSIGNED_BYTE, clientImage().data(), parameters_);
        const std::size_t size = readBackLayout().size();
        EXPECT_EQ(readBackLayout(), readIntoMemory(size, [&](void* data) {
                      texture.getPixelData(data, 0, kRGB, Texture::UNSIGNED_BYTE, 8);
                  }));

        pixels_ = pattern(pixels_.size(), 2);
        Buffer source = unpackBufferWith(clientImage());
        texture.subImage(0, 0, 0, kWidth, kHeight, kRGB, Texture::UNSIGNED_BYTE, &source, kBufferOffset,
                         parameters_);
        EXPECT_EQ(readBackLayout(), readIntoBuffer(size, [&](Buffer* buffer) {
                      texture.getPixelData(buffer, kBufferOffset, 0, kRGB, Texture::UNSIGNED_BYTE, 8);
                  }));
    }

    Bytes pixels_ = pattern(kWidth * kHeight * 3, 1);
    PixelUnpackParameters parameters_;
};

TEST_F(TwoDimensionalTransfers, RoundTripA2DTexture)
{
    Texture2D texture(IF::RGB8, kWidth, kHeight, false);
    roundTrip(texture, GL_TEXTURE_2D);
}

TEST_F(TwoDimensionalTransfers, RoundTripARectangleTexture)
{
    TextureRECT texture(IF::RGB8, kWidth, kHeight);
    roundTrip(texture, GL_TEXTURE_RECTANGLE_ARB);
}

// An upload to one level leaves the others as they were.
TEST_F(TwoDimensionalTransfers, UploadsIntoTheGivenLevel)
{
    Texture2D texture(IF::RGBA8, 4, 4, true);
    glBindTexture(GL_TEXTURE_2D, texture.objectID());
    const Bytes level1 = pattern(2 * 2 * 4, 3);
    texture.subImage(1, 0, 0, 2, 2, kRGBA, Texture::UNSIGNED_BYTE, level1.data(), PixelUnpackParameters());
    EXPECT_EQ(level1, readIntoMemory(level1.size(), [&](void* data) {
                  texture.getPixelData(data, 1, kRGBA, Texture::UNSIGNED_BYTE, 4);
              }));
}

// 16 RGBA texels, 3 pixels into client memory; the buffer read-back sets the pack alignment to 1 for good.
TEST_F(TextureTransfers, RoundTripA1DTexture)
{
    Texture1D texture(IF::RGBA8, 16, false);
    glBindTexture(GL_TEXTURE_1D, texture.objectID());
    PixelUnpackParameters parameters;
    parameters.setSkipPixels(3);

    const Bytes first = pattern(64, 4);
    texture.subImage(0, 0, 16, kRGBA, Texture::UNSIGNED_BYTE, spread(first, 64, 1, 64, 12).data(), parameters);
    EXPECT_EQ(first, readIntoMemory(64, [&](void* data) {
                  texture.getPixelData(data, 0, GL_RGBA, GL_UNSIGNED_BYTE);
              }));

    const Bytes second = pattern(64, 5);
    Buffer source = unpackBufferWith(spread(second, 64, 1, 64, 12));
    texture.subImage(0, 0, 16, kRGBA, Texture::UNSIGNED_BYTE, &source, kBufferOffset, parameters);
    EXPECT_EQ(second, readIntoBuffer(64, [&](Buffer* buffer) {
                  texture.getPixelData(buffer, kBufferOffset, 0, GL_RGBA, GL_UNSIGNED_BYTE);
              }));
    EXPECT_EQ(1, integer(GL_PACK_ALIGNMENT));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);  // GL's initial value, as the fixture expects it back
}

// A 3 x 2 x 2 RGB texture: images of 3 rows (one unused) aligned to 4 bytes, the first image skipped.
TEST_F(TextureTransfers, RoundTripA3DTexture)
{
    const Bytes pixels = pattern(3 * 2 * 2 * 3, 6);
    PixelUnpackParameters parameters;
    parameters.setImageHeight(3);
    parameters.setSkipImages(1);
    parameters.setAlignment(4u);
    // Rows of 9 bytes take 12; images of 3 rows take 36; one image skipped.
    Bytes client(36, kUntouched);
    for (unsigned image = 0; image < 2; ++image) {
        const Bytes one(pixels.begin() + image * 18, pixels.begin() + (image + 1) * 18);
        const Bytes spreadImage = spread(one, 9, 2, 12, 0);
        client.insert(client.end(), spreadImage.begin(), spreadImage.end());
        client.resize(36 * (image + 2), kUntouched);
    }
    const Bytes readBack = spread(pixels, 9, 4, 12, 0);  // 4 rows in all, each aligned to 4 bytes

    Texture3D uploaded(IF::RGB8, 0, 3, 2, 2, kRGB, Texture::UNSIGNED_BYTE, client.data(), parameters);
    glBindTexture(GL_TEXTURE_3D, uploaded.objectID());
    EXPECT_EQ(readBack, readIntoMemory(readBack.size(), [&](void* data) {
                  uploaded.getPixelData(data, 0, GL_RGB, GL_UNSIGNED_BYTE);
              }));

    Texture3D texture(IF::RGB8, 3, 2, 2, false);
    glBindTexture(GL_TEXTURE_3D, texture.objectID());
    texture.subImage(0, 0, 0, 0, 3, 2, 2, kRGB, Texture::UNSIGNED_BYTE, client.data(), parameters);
    EXPECT_EQ(readBack, readIntoMemory(readBack.size(), [&](void* data) {
                  texture.getPixelData(data, 0, GL_RGB, GL_UNSIGNED_BYTE);
              }));

    Texture3D fromBuffer(IF::RGB8, 3, 2, 2, false);
    glBindTexture(GL_TEXTURE_3D, fromBuffer.objectID());
    Buffer source = unpackBufferWith(client);
    fromBuffer.subImage(0, 0, 0, 0, 3, 2, 2, kRGB, Texture::UNSIGNED_BYTE, &source, kBufferOffset, parameters);
    EXPECT_EQ(readBack, readIntoBuffer(readBack.size(), [&](Buffer* buffer) {
                  fromBuffer.getPixelData(buffer, kBufferOffset, 0, GL_RGB, GL_UNSIGNED_BYTE, 4);
              }));
}

// The frame buffer is cleared to one colour; what glReadPixels reads of it is what the texture gets, at the
// offsets given, and the texels around stay as they were.
class FrameBufferCopies : public TextureTransfers
{
protected:
    void SetUp() override
    {
        TextureTransfers::SetUp();
        glClearColor(51 / 255.0f, 102 / 255.0f, 153 / 255.0f, 204 / 255.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, cleared_);
        ASSERT_EQ(51, cleared_[0]);
        ASSERT_EQ(102, cleared_[1]);
        ASSERT_EQ(153, cleared_[2]);
    }

    // RGBA texels, zero but for the copied ones.
    Bytes expected(unsigned texels, const std::vector<unsigned>& copied) const
    {
        Bytes bytes(texels * 4, 0);
        for (const unsigned texel : copied)
            std::memcpy(&bytes[texel * 4], cleared_, 4);
        return bytes;
    }

    GLubyte cleared_[4] = {};
};

TEST_F(FrameBufferCopies, Into1D)
{
    Texture1D texture(IF::RGBA8, 8, false);
    glBindTexture(GL_TEXTURE_1D, texture.objectID());
    texture.subImage(0, 0, 8, kRGBA, Texture::UNSIGNED_BYTE, Bytes(32, 0).data(), PixelUnpackParameters());
    texture.copyTexSubImage(0, 2, 1, 1, 3);
    EXPECT_EQ(expected(8, {2, 3, 4}), readIntoMemory(32, [&](void* data) {
                  texture.getPixelData(data, 0, GL_RGBA, GL_UNSIGNED_BYTE);
              }));
}

TEST_F(FrameBufferCopies, Into2D)
{
    Texture2D texture(IF::RGBA8, 4, 4, false);
    glBindTexture(GL_TEXTURE_2D, texture.objectID());
    texture.subImage(0, 0, 0, 4, 4, kRGBA, Texture::UNSIGNED_BYTE, Bytes(64, 0).data(), PixelUnpackParameters());
    texture.copyTexSubImage(0, 1, 2, 5, 5, 2, 2);
    EXPECT_EQ(expected(16, {9, 10, 13, 14}), readIntoMemory(64, [&](void* data) {
                  texture.getPixelData(data, 0, kRGBA, Texture::UNSIGNED_BYTE, 4);
              }));
}

TEST_F(FrameBufferCopies, IntoOneSliceOf3D)
{
    Texture3D texture(IF::RGBA8, 2, 2, 2, false);
    glBindTexture(GL_TEXTURE_3D, texture.objectID());
    texture.subImage(0, 0, 0, 0, 2, 2, 2, kRGBA, Texture::UNSIGNED_BYTE, Bytes(32, 0).data(),
                     PixelUnpackParameters());
    texture.copyTexSubImage(0, 0, 0, 1, 0, 0, 2, 2);
    EXPECT_EQ(expected(8, {4, 5, 6, 7}), readIntoMemory(32, [&](void* data) {
                  texture.getPixelData(data, 0, GL_RGBA, GL_UNSIGNED_BYTE);
              }));
}

TEST_F(TextureTransfers, SizesTheBaseLevelWhateverTheLevelGiven)
{
    const Texture2D plane(IF::RGBA8, 16, 16, true);
    EXPECT_EQ(4096, plane.pixelDataSize(0, kRGBA, Texture::FLOAT));
    EXPECT_EQ(4096, plane.pixelDataSize(3, kRGBA, Texture::FLOAT));
    EXPECT_EQ(16 * 16 * 2, plane.pixelDataSize(0, Texture::Format::LUMINANCE, Texture::HALF_FLOAT));
    EXPECT_EQ(16 * 3, Texture1D(IF::RGBA8, 16, false).pixelDataSize(0, Texture::Format::BGR, Texture::BYTE));
    EXPECT_EQ(4 * 4 * 2 * 4 * 2,
              Texture3D(IF::RGBA8, 4, 4, 2, false).pixelDataSize(0, Texture::Format::BGRA, Texture::SHORT));
}
