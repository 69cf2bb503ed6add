#include "GLContextFixture.h"

#include <GL/gl.h>

#include <gmock/gmock.h>

using testing::HasSubstr;

// The whole stack answers: Wine's opengl32, GLX on the Xvfb display, Mesa's software renderer.
TEST_F(GLContextFixture, VersionStringNamesMesa)
{
    const GLubyte* version = glGetString(GL_VERSION);
    ASSERT_NE(nullptr, version);
    EXPECT_THAT(reinterpret_cast<const char*>(version), HasSubstr("Mesa"));
}

TEST_F(GLContextFixture, ContextIsCurrentOnAHiddenWindow)
{
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
    EXPECT_FALSE(IsWindowVisible(window()));
}

TEST_F(GLContextFixture, PixelFormatIsDoubleBufferedRGBAWithDepth)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    const int format = GetPixelFormat(deviceContext());
    ASSERT_NE(0, DescribePixelFormat(deviceContext(), format, sizeof pfd, &pfd));
    EXPECT_EQ(PFD_TYPE_RGBA, pfd.iPixelType);
    EXPECT_TRUE(pfd.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_GE(pfd.cColorBits, 24);
    EXPECT_GE(pfd.cDepthBits, 24);
}

// TearDown leaves nothing behind: a window class left registered would make the second SetUp fail.
TEST_F(GLContextFixture, SetUpWorksAgainAfterTearDown)
{
    TearDown();
    EXPECT_EQ(nullptr, wglGetCurrentContext());
    SetUp();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(context(), wglGetCurrentContext());
}
