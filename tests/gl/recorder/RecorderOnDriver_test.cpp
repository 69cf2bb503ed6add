#include "ChainFixture.h"

#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/GLUnpackStateQuery.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using QEL::OGL::ExceptionOGL;
using QEL::OGL::GLUnpackStateQuery;
using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLRekorder;
using QEL::OGL::UnpackState;

namespace {

// An entry point after GL 1.1 of the current context, through a plain function type as GCC asks.
template <class Function>
Function entryPoint(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

// A recorder on top of the error checker that asks the current context for the unpack state; a member, so
// that it outlives the fixture's tear-down of the chain. One texture is bound for the uploads.
class RecorderOnDriver : public ChainFixture
{
protected:
    void SetUp() override
    {
        ChainFixture::SetUp();
        OpenGLInterceptor::Instance()->addInterceptor(&recorder_);
        glGenTextures(1, &texture_);
        glBindTexture(GL_TEXTURE_2D, texture_);
    }

    void TearDown() override
    {
        glDeleteTextures(1, &texture_);
        ChainFixture::TearDown();
    }

    static OpenGLInterceptor* gl()
    {
        return OpenGLInterceptor::Instance();
    }

    // The size field of the record at the start of the data stream.
    unsigned firstRecordSize() const
    {
        const std::string data = binary_.str();
        EXPECT_GE(data.size(), 4u);
        unsigned size = 0;
        for (int i = 3; i >= 0; --i)
            size = size << 8 | static_cast<unsigned char>(data[i]);
        return size;
    }

    std::ostringstream out_;
    std::ostringstream binary_{std::ios::out | std::ios::binary};
    OpenGLRekorder recorder_{out_, binary_, nullptr, false};
    GLuint texture_ = 0;
    const std::vector<unsigned char> pixels_ = std::vector<unsigned char>(64, 0x7F);
};

// Leaves the pixel unpack buffer of the context bound for one test.
class PixelUnpackBuffer
{
public:
    PixelUnpackBuffer()
        : genBuffers_(entryPoint<PFNGLGENBUFFERSPROC>("glGenBuffers")),
          bindBuffer_(entryPoint<PFNGLBINDBUFFERPROC>("glBindBuffer")),
          bufferData_(entryPoint<PFNGLBUFFERDATAPROC>("glBufferData")),
          deleteBuffers_(entryPoint<PFNGLDELETEBUFFERSPROC>("glDeleteBuffers"))
    {
        genBuffers_(1, &buffer_);
        bindBuffer_(GL_PIXEL_UNPACK_BUFFER, buffer_);
        bufferData_(GL_PIXEL_UNPACK_BUFFER, 64, nullptr, GL_STATIC_DRAW);
    }

    ~PixelUnpackBuffer()
    {
        bindBuffer_(GL_PIXEL_UNPACK_BUFFER, 0);
        deleteBuffers_(1, &buffer_);
    }

private:
    PFNGLGENBUFFERSPROC genBuffers_;
    PFNGLBINDBUFFERPROC bindBuffer_;
    PFNGLBUFFERDATAPROC bufferData_;
    PFNGLDELETEBUFFERSPROC deleteBuffers_;
    GLuint buffer_ = 0;
};

}

TEST_F(RecorderOnDriver, UnpackStateIsTheContextsOwn)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 3);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 5);
    const UnpackState state = GLUnpackStateQuery().current();
    EXPECT_EQ(2, state.alignment);
    EXPECT_EQ(7, state.rowLength);
    EXPECT_EQ(3, state.skipPixels);
    EXPECT_EQ(5, state.skipRows);
    EXPECT_FALSE(state.bufferBound);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST_F(RecorderOnDriver, BoundUnpackBufferIsSeenWithoutLeavingAnError)
{
    const PixelUnpackBuffer buffer;
    EXPECT_TRUE(GLUnpackStateQuery().current().bufferBound);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST_F(RecorderOnDriver, ImageRecordHoldsWhatTheDriverReadsAtItsDefaultAlignment)
{
    gl()->cgmTexImage2D("scene.cpp", 10, GL_TEXTURE_2D, 0, GL_RGB, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels_.data());
    EXPECT_EQ(21u, firstRecordSize());
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(3, width);
}

TEST_F(RecorderOnDriver, ImageRecordFollowsTheUnpackAlignment)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl()->cgmTexImage2D("scene.cpp", 10, GL_TEXTURE_2D, 0, GL_RGB, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels_.data());
    EXPECT_EQ(18u, firstRecordSize());
}

// The pixel pointer is an offset into the buffer then: nothing is read or recorded, and the call is made.
TEST_F(RecorderOnDriver, ImageFromAnUnpackBufferIsNotCaptured)
{
    const PixelUnpackBuffer buffer;
    gl()->cgmTexImage2D("scene.cpp", 10, GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    EXPECT_EQ("OpenGLRekorderUnsupported(\"Capturing an OpenGL function (glTexImage2D) with pointer parameter "
              "requires a specialized implementation!\");\n",
              out_.str());
    EXPECT_EQ("", binary_.str());
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(2, width);
}

TEST_F(RecorderOnDriver, StatementOfTheCallThatThrowsIsAlreadyWritten)
{
    EXPECT_THROW(gl()->cgmBindTexture("scene.cpp", 11, 0x1234, 1), ExceptionOGL);
    EXPECT_EQ("glBindTexture(Unknown Token, 1);\n", out_.str());
}
