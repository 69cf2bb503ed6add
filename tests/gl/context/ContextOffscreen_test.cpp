// ContextOffscreen on the real driver: a context on a hidden window of its own, sharing display lists when
// asked, which removes its window and the window's class when it goes.

#include "CreatedWindows.h"
#include "GLContextFixture.h"
#include "TestWindow.h"

#include <GL/gl.h>

#include <memory>
#include <string>

#include "qel_ogl/ogl/ContextOffscreen.h"

using QEL::OGL::ContextOffscreen;

using ContextOffscreenTest = GLContextFixture;

namespace {

GLuint compileEmptyList(ContextOffscreen& context)
{
    context.makeCurrent();
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEndList();
    return list;
}

}

TEST_F(ContextOffscreenTest, SharesDisplayListsWithTheContextGiven)
{
    ContextOffscreen owner;
    ContextOffscreen sharer(&owner);
    ContextOffscreen stranger;
    const GLuint list = compileEmptyList(owner);
    ASSERT_TRUE(glIsList(list));

    sharer.makeCurrent();
    EXPECT_TRUE(glIsList(list));
    glCallList(list);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
    stranger.makeCurrent();
    EXPECT_FALSE(glIsList(list));
}

TEST_F(ContextOffscreenTest, PutsBackTheContextThatWasCurrent)
{
    const ContextOffscreen made;
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
}

TEST_F(ContextOffscreenTest, StaysCurrentWhenNoneWas)
{
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    const ContextOffscreen made;
    EXPECT_EQ(made.renderContext(), wglGetCurrentContext());
    EXPECT_EQ(made.deviceContext(), wglGetCurrentDC());
}

// RGB8 asks for no alpha, depth or stencil bits; the driver may give more.
TEST_F(ContextOffscreenTest, ReportsTheFormatTheDriverChose)
{
    const ContextOffscreen made;
    int red = -1, green = -1, blue = -1, alpha = -1, stencil = -1, depth = -1;
    made.getBitDepths(&red, &green, &blue, &alpha, &stencil, &depth);
    PIXELFORMATDESCRIPTOR pfd = {};
    ASSERT_NE(0, DescribePixelFormat(made.deviceContext(), GetPixelFormat(made.deviceContext()), sizeof pfd, &pfd));
    EXPECT_GE(red, 8);
    EXPECT_GE(green, 8);
    EXPECT_GE(blue, 8);
    EXPECT_EQ(pfd.cAlphaBits, alpha);
    EXPECT_EQ(pfd.cStencilBits, stencil);
    EXPECT_EQ(pfd.cDepthBits, depth);
    EXPECT_EQ(0u, pfd.dwFlags & PFD_DOUBLEBUFFER);
}

TEST_F(ContextOffscreenTest, LivesOnAHiddenWindowThatGoesWithIt)
{
    const int windows = TestWindow::countOnThisThread();
    auto made = std::make_unique<ContextOffscreen>();
    const HWND window = WindowFromDC(made->deviceContext());
    const std::string windowClass = CreatedWindows::ClassOf(made->deviceContext());
    EXPECT_EQ(0u, windowClass.find("OpenGL"));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(windows + 1, TestWindow::countOnThisThread());

    made.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(CreatedWindows::ClassExists(windowClass));
    EXPECT_EQ(windows, TestWindow::countOnThisThread());
}
