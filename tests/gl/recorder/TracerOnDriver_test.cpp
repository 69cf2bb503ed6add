#include "ChainFixture.h"

#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/OpenGLTracer.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <sstream>

using QEL::OGL::ExceptionOGL;
using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLTracer;

namespace {

// A tracer on top of the error checker; a member, so that it outlives the fixture's tear-down of the chain.
class TracerOnDriver : public ChainFixture
{
protected:
    void SetUp() override
    {
        ChainFixture::SetUp();
        OpenGLInterceptor::Instance()->addInterceptor(&tracer_);
    }

    static OpenGLInterceptor* gl()
    {
        return OpenGLInterceptor::Instance();
    }

    std::ostringstream out_;
    OpenGLTracer tracer_{out_};
};

}

TEST_F(TracerOnDriver, CallThatTheErrorCheckerThrowsForIsTheLastLineOfTheTrace)
{
    gl()->cgmBindTexture("scene.cpp", 10, GL_TEXTURE_2D, 0);
    EXPECT_THROW(gl()->cgmBindTexture("scene.cpp", 11, 0x1234, 1), ExceptionOGL);
    EXPECT_EQ("scene.cpp:10: glBindTexture(GL_TEXTURE_2D, 0)\n"
              "scene.cpp:11: glBindTexture(Unknown Token, 1)\n",
              out_.str());
}

TEST_F(TracerOnDriver, ResultOfTheDriverReachesTheCaller)
{
    const unsigned char* vendor = gl()->cgmGetString("scene.cpp", 12, GL_VENDOR);
    EXPECT_EQ(glGetString(GL_VENDOR), vendor);
    EXPECT_EQ("scene.cpp:12: glGetString(GL_VENDOR)\n", out_.str());
}
