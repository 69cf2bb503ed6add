// PixelUnpackParameters::apply on a real driver: the unpack state read back after it.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <map>

using QEL::InternalException;
using QEL::OGL::PixelUnpackParameters;

namespace {

using UnpackState = std::map<GLenum, GLint>;

const GLenum kUnpackNames[] = {GL_UNPACK_SWAP_BYTES, GL_UNPACK_LSB_FIRST,    GL_UNPACK_ROW_LENGTH,
                               GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS,    GL_UNPACK_IMAGE_HEIGHT,
                               GL_UNPACK_SKIP_IMAGES, GL_UNPACK_ALIGNMENT};

UnpackState unpackState()
{
    UnpackState state;
    for (const GLenum name : kUnpackNames)
        glGetIntegerv(name, &state[name]);
    return state;
}

// GL's initial unpack state differs from this in every value, so a value that apply left unwritten shows.
const UnpackState kScribbled{{GL_UNPACK_SWAP_BYTES, 1},  {GL_UNPACK_LSB_FIRST, 1},   {GL_UNPACK_ROW_LENGTH, 5},
                             {GL_UNPACK_SKIP_PIXELS, 6}, {GL_UNPACK_SKIP_ROWS, 7},   {GL_UNPACK_IMAGE_HEIGHT, 8},
                             {GL_UNPACK_SKIP_IMAGES, 9}, {GL_UNPACK_ALIGNMENT, 2}};

void scribble()
{
    for (const auto& [name, value] : kScribbled)
        glPixelStorei(name, value);
}

}

class PixelUnpackOnMesa : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
        scribble();
    }
};

TEST_F(PixelUnpackOnMesa, DefaultWritesAlignmentOneAndZeros)
{
    PixelUnpackParameters().apply();
    const UnpackState expected{{GL_UNPACK_SWAP_BYTES, 0}, {GL_UNPACK_LSB_FIRST, 0},   {GL_UNPACK_ROW_LENGTH, 0},
                               {GL_UNPACK_SKIP_PIXELS, 0}, {GL_UNPACK_SKIP_ROWS, 0},   {GL_UNPACK_IMAGE_HEIGHT, 0},
                               {GL_UNPACK_SKIP_IMAGES, 0}, {GL_UNPACK_ALIGNMENT, 1}};
    EXPECT_EQ(expected, unpackState());
}

TEST_F(PixelUnpackOnMesa, WritesEveryFieldWhere3DTexturesAreSupported)
{
    PixelUnpackParameters parameters;
    parameters.enableSwapBytes();
    parameters.makeFirstLSB();
    parameters.setRowLength(11);
    parameters.setSkipPixels(12);
    parameters.setSkipRows(13);
    parameters.setImageHeight(14);
    parameters.setSkipImages(15);
    parameters.setAlignment(8u);
    parameters.apply();
    const UnpackState expected{{GL_UNPACK_SWAP_BYTES, 1},   {GL_UNPACK_LSB_FIRST, 1},  {GL_UNPACK_ROW_LENGTH, 11},
                               {GL_UNPACK_SKIP_PIXELS, 12}, {GL_UNPACK_SKIP_ROWS, 13}, {GL_UNPACK_IMAGE_HEIGHT, 14},
                               {GL_UNPACK_SKIP_IMAGES, 15}, {GL_UNPACK_ALIGNMENT, 8}};
    EXPECT_EQ(expected, unpackState());
}

// The other fields are written before the alignment is found to be unknown; the alignment stays as it was.
TEST_F(PixelUnpackOnMesa, UnknownAlignmentThrowsAfterTheOtherFields)
{
    PixelUnpackParameters parameters;
    parameters.setRowLength(21);
    parameters.setSkipImages(22);
    parameters.setAlignment(static_cast<PixelUnpackParameters::teAlignment>(4));
    const auto e = thrownBy<InternalException>([&] { parameters.apply(); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/PixelUnpackParameters.cpp", e->file());
    EXPECT_STREQ("Enum value not recognized", e->text());
    UnpackState state = unpackState();
    EXPECT_EQ(21, state[GL_UNPACK_ROW_LENGTH]);
    EXPECT_EQ(22, state[GL_UNPACK_SKIP_IMAGES]);
    EXPECT_EQ(2, state[GL_UNPACK_ALIGNMENT]);
}
