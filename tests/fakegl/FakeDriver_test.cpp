// The stand-in's own behaviour, where the fault-injection tests do not show it already.

#include "FakeGLFixture.h"

#include <gmock/gmock.h>

#include "tests/fakegl/driver/FakeGL.h"

using FakeDriver = FakeGLFixture;

TEST_F(FakeDriver, ScriptedContextFailureSetsLastErrorOnce)
{
    fakegl::failNext(fakegl::Call::CreateContext, ERROR_INVALID_PIXEL_FORMAT);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, wglCreateContext(deviceContext()));
    EXPECT_EQ(DWORD(ERROR_INVALID_PIXEL_FORMAT), GetLastError());

    const HGLRC context = wglCreateContext(deviceContext());
    EXPECT_NE(nullptr, context);
    EXPECT_TRUE(wglDeleteContext(context));
}

TEST_F(FakeDriver, MakeCurrentFailureKeepsTheCurrentContext)
{
    fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_BUSY);
    EXPECT_FALSE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(DWORD(ERROR_BUSY), GetLastError());
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
}

// gdi32's pixel-format calls and SwapBuffers reach the stand-in, its scripted failures included.
TEST_F(FakeDriver, Gdi32ForwardsPixelFormatCallsToTheDriver)
{
    PIXELFORMATDESCRIPTOR descriptor = {};
    EXPECT_EQ(1, GetPixelFormat(deviceContext()));
    EXPECT_EQ(1, DescribePixelFormat(deviceContext(), 1, sizeof descriptor, &descriptor));
    EXPECT_EQ(24, descriptor.cDepthBits);
    EXPECT_TRUE(SwapBuffers(deviceContext()));
    EXPECT_EQ("wglGetPixelFormat\nwglDescribePixelFormat\nwglSwapBuffers\n", fakegl::callLog());

    fakegl::failNext(fakegl::Call::ChoosePixelFormat, ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(0, ChoosePixelFormat(deviceContext(), &descriptor));
    EXPECT_EQ(DWORD(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
}

TEST_F(FakeDriver, GetProcAddressAnswersOnlyEnabledNamesWhileAContextIsCurrent)
{
    EXPECT_FALSE(fakegl::enableProc("glNoSuchFunction"));
    ASSERT_TRUE(fakegl::enableProc("wglGetExtensionsStringARB"));
    fakegl::setWglExtensions("WGL_ARB_pbuffer");

    EXPECT_EQ(nullptr, wglGetProcAddress("wglGetExtensionsStringEXT"));
    const auto getExtensions = reinterpret_cast<const char*(WINAPI*)(HDC)>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglGetExtensionsStringARB")));
    ASSERT_NE(nullptr, getExtensions);
    EXPECT_STREQ("WGL_ARB_pbuffer", getExtensions(deviceContext()));

    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(nullptr, wglGetProcAddress("wglGetExtensionsStringARB"));
}

TEST_F(FakeDriver, QueriesAnswerWhatTheTestScripted)
{
    fakegl::setString(GL_VERSION, "2.1 fake");
    EXPECT_STREQ("2.1 fake", reinterpret_cast<const char*>(glGetString(GL_VERSION)));

    fakegl::setIntegers(GL_VIEWPORT, {1, 2, 3, 4});
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_THAT(viewport, testing::ElementsAre(1, 2, 3, 4));

    fakegl::queueNames({0, 7});
    GLuint names[3] = {};
    glGenTextures(3, names);
    EXPECT_THAT(names, testing::ElementsAre(0u, 7u, 1u));
}
