#include "ChainFixture.h"

#include "qel_ogl/qel_ogl.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <sstream>

using QEL::OGL::ExceptionOGL;
using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLTracer;

using CheckedCall = ChainFixture;

TEST_F(CheckedCall, ErrorNamesTheFileAndLineOfTheCall)
{
    const unsigned line = __LINE__ + 1;
    const auto e = thrownBy<ExceptionOGL>([] { QEL_CHECKED(BindTexture)(0x1234, 1); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(__FILE__, e->file());
    EXPECT_EQ(line, static_cast<unsigned>(e->line()));
    EXPECT_EQ(static_cast<unsigned>(GL_INVALID_ENUM), e->errorNumber());
}

TEST_F(CheckedCall, OperationWithoutArgumentsIsCalledWithEmptyParentheses)
{
    QEL_CHECKED(Begin)(GL_POINTS);
    QEL_CHECKED(End)();
    const unsigned line = __LINE__ + 1;
    const auto e = thrownBy<ExceptionOGL>([] { QEL_CHECKED(End)(); });
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(line, static_cast<unsigned>(e->line()));
}

TEST_F(CheckedCall, ResultOfTheDriverReachesTheCaller)
{
    EXPECT_EQ(glGetString(GL_RENDERER), QEL_CHECKED(GetString)(GL_RENDERER));
    QEL_CHECKED(Enable)(GL_BLEND);
    EXPECT_EQ(GL_TRUE, QEL_CHECKED(IsEnabled)(GL_BLEND));
}

// The parameter types are the operation's: a null constant converts to a pointer, a double to a float.
TEST_F(CheckedCall, ArgumentsConvertAsInADirectCall)
{
    QEL_CHECKED(ClearColor)(0.25, 0.5, 0.75, 1.0);
    GLfloat colour[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_EQ(0.75f, colour[2]);

    GLuint texture = 0;
    glGenTextures(1, &texture);
    QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, texture);
    QEL_CHECKED(TexImage2D)(GL_TEXTURE_2D, 0, GL_RGBA, 4, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, NULL);
    QEL_CHECKED(TexImage2D)(GL_TEXTURE_2D, 1, GL_RGBA, 2, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, 0);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(4, width);
    glDeleteTextures(1, &texture);
}

// The call goes to the top of the chain as it is at the call, so decorators see it with the caller's line.
TEST_F(CheckedCall, DecoratorsOnTheChainSeeTheCallAndItsLine)
{
    std::ostringstream trace;
    OpenGLTracer tracer(trace);
    OpenGLInterceptor::Instance()->addInterceptor(&tracer);
    const unsigned line = __LINE__ + 1;
    QEL_CHECKED(Enable)(GL_DEPTH_TEST);
    OpenGLInterceptor::Instance()->popInterceptor();
    EXPECT_EQ(std::string(__FILE__) + ":" + std::to_string(line) + ": glEnable(GL_DEPTH_TEST)\n", trace.str());
}

TEST_F(CheckedCall, WindowSystemCallsGoThroughTheWglChain)
{
    EXPECT_EQ(context(), QEL_CHECKED_WGL(GetCurrentContext)());
    EXPECT_EQ(deviceContext(), QEL_CHECKED_WGL(GetCurrentDC)());
    EXPECT_TRUE(QEL_CHECKED_WGL(MakeCurrent)(deviceContext(), context()));
}
