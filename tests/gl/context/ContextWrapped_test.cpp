// ContextWrapped on the host's own context (the fixture's): it borrows, never owns.

#include "GLContextFixture.h"

#include <GL/gl.h>

#include "qel_ogl/ogl/ContextWrapped.h"

using QEL::OGL::ContextWrapped;

using ContextWrappedTest = GLContextFixture;

TEST_F(ContextWrappedTest, BorrowsTheHandlesWithoutMakingThemCurrent)
{
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    const ContextWrapped wrapped(deviceContext(), context());

    EXPECT_EQ(context(), wrapped.renderContext());
    EXPECT_EQ(deviceContext(), wrapped.deviceContext());
    EXPECT_EQ(nullptr, wglGetCurrentContext());
}

TEST_F(ContextWrappedTest, OperatesOnTheHostsContext)
{
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    ContextWrapped wrapped(deviceContext(), context());

    wrapped.makeCurrent();
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());

    int red = 0, green = 0, blue = 0, alpha = 0, stencil = 0, depth = 0;
    wrapped.getBitDepths(&red, &green, &blue, &alpha, &stencil, &depth);
    PIXELFORMATDESCRIPTOR pfd = {};
    ASSERT_NE(0, DescribePixelFormat(deviceContext(), GetPixelFormat(deviceContext()), sizeof pfd, &pfd));
    EXPECT_EQ(pfd.cRedBits, red);
    EXPECT_EQ(pfd.cDepthBits, depth);
}

TEST_F(ContextWrappedTest, DestroyingTheWrapperLeavesTheHostsContextCurrentAndAlive)
{
    {
        ContextWrapped wrapped(deviceContext(), context());
    }
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
    EXPECT_NE(nullptr, glGetString(GL_VERSION));
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_TRUE(wglMakeCurrent(deviceContext(), context()));
}
