// Context on the real driver: the descriptor path, the current-context rules of making and destroying a
// context, display-list sharing, and the failures that the driver can be brought to.

#include "ContextFailure.h"
#include "CreatedWindows.h"
#include "GLContextFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include <GL/gl.h>

#include <gmock/gmock.h>

#include <string>
#include <utility>
#include <vector>

#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::LogicalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;

// Each test starts with the fixture's context, the host's own, current.
using ContextTest = GLContextFixture;

namespace {

PIXELFORMATDESCRIPTOR chosenFormat(HDC dc)
{
    PIXELFORMATDESCRIPTOR pfd = {};
    EXPECT_NE(0, DescribePixelFormat(dc, GetPixelFormat(dc), sizeof pfd, &pfd));
    return pfd;
}

}

// No library initialisation anywhere in this program: the descriptor path does without it.
TEST_F(ContextTest, PlainFormatIsMadeByTheDescriptorPath)
{
    TestWindow window;
    TestContext context(window.handle(), BufferFormat::RGBA8_D24_S8, Context::DOUBLE_BUFFERED);

    ASSERT_NE(nullptr, context.renderContext());
    ASSERT_NE(nullptr, context.deviceContext());
    EXPECT_EQ(GetPixelFormat(context.deviceContext()), context.pixelFormat());

    const PIXELFORMATDESCRIPTOR pfd = chosenFormat(context.deviceContext());
    EXPECT_EQ(PFD_TYPE_RGBA, pfd.iPixelType);
    const DWORD asked = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    EXPECT_EQ(asked, pfd.dwFlags & asked);
    EXPECT_GE(pfd.cRedBits, 8);
    EXPECT_GE(pfd.cAlphaBits, 8);
    EXPECT_GE(pfd.cDepthBits, 24);
    EXPECT_GE(pfd.cStencilBits, 8);
}

TEST_F(ContextTest, GetBitDepthsReportsTheFormatTheDriverChose)
{
    TestWindow window;
    TestContext context(window.handle(), BufferFormat::RGB8, Context::SINGLE_BUFFERED);

    int red = -1, green = -1, blue = -1, alpha = -1, stencil = -1, depth = -1;
    context.getBitDepths(&red, &green, &blue, &alpha, &stencil, &depth);
    const PIXELFORMATDESCRIPTOR pfd = chosenFormat(context.deviceContext());
    EXPECT_EQ(pfd.cRedBits, red);
    EXPECT_EQ(pfd.cGreenBits, green);
    EXPECT_EQ(pfd.cBlueBits, blue);
    EXPECT_EQ(pfd.cAlphaBits, alpha);
    EXPECT_EQ(pfd.cStencilBits, stencil);
    EXPECT_EQ(pfd.cDepthBits, depth);
    EXPECT_GE(red, 8);
}

TEST_F(ContextTest, MakingAContextPutsBackTheOneThatWasCurrent)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);

    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
    made.makeCurrent();
    EXPECT_EQ(made.renderContext(), wglGetCurrentContext());
    EXPECT_EQ(made.deviceContext(), wglGetCurrentDC());
}

TEST_F(ContextTest, MakingAContextWhileNoneIsCurrentLeavesItCurrent)
{
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);

    EXPECT_EQ(made.renderContext(), wglGetCurrentContext());
    EXPECT_EQ(made.deviceContext(), wglGetCurrentDC());
}

TEST_F(ContextTest, DestroyingAContextPutsBackOnlyAnotherCurrentOne)
{
    TestWindow first, second;
    TestContext other(first.handle(), BufferFormat::RGBA8);
    other.destroyContext();
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());

    TestContext current(second.handle(), BufferFormat::RGBA8);
    current.makeCurrent();
    current.destroyContext();
    EXPECT_EQ(nullptr, wglGetCurrentContext());
    EXPECT_EQ(nullptr, wglGetCurrentDC());
}

// A window without a device context of its own hands out a device context per GetDC; the context gives back
// the one it took, which GetDC then hands out again.
TEST_F(ContextTest, DestroyingAContextGivesBackItsDeviceContext)
{
    TestWindow window;
    HDC taken = nullptr;
    {
        TestContext made(window.handle(), BufferFormat::RGBA8);
        taken = made.deviceContext();
    }
    const HDC again = GetDC(window.handle());
    EXPECT_EQ(taken, again);
    ReleaseDC(window.handle(), again);
}

TEST_F(ContextTest, SharedContextCallsTheDisplayListsOfTheOther)
{
    TestWindow first, second, third;
    TestContext owner(first.handle(), BufferFormat::RGBA8);
    TestContext sharer(second.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, &owner);
    TestContext stranger(third.handle(), BufferFormat::RGBA8);

    owner.makeCurrent();
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEndList();
    ASSERT_TRUE(glIsList(list));

    sharer.makeCurrent();
    EXPECT_TRUE(glIsList(list));
    stranger.makeCurrent();
    EXPECT_FALSE(glIsList(list));
}

// A context that already holds display lists of its own cannot take another's.
TEST_F(ContextTest, SharingIntoAContextInUseFails)
{
    TestWindow first, second;
    TestContext owner(first.handle(), BufferFormat::RGBA8);
    TestContext used(second.handle(), BufferFormat::RGBA8);
    used.makeCurrent();
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEndList();

    const auto e = thrownBy<InternalException>([&] { used.shareLists(owner.renderContext()); });
    expectFailure(e, kContextFile, 61, "Context::shareLists cannot share lists.");
}

// The index is stored before it is set.
TEST_F(ContextTest, SettingASecondFormatOnAWindowFailsWithTheWindowsErrorCode)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);
    const int other = made.pixelFormat() == 1 ? 2 : 1;

    const auto e = thrownBy<InternalException>([&] { made.setPixelFormat(made.deviceContext(), other); });
    expectFailureWithErrorCode(e, kContextFile, 302,
        "Context::setPixelFormat Unable to set pixel format %i on device context. Window Error: ");
    EXPECT_EQ(other, made.pixelFormat());
}

TEST_F(ContextTest, MakeCurrentFailsWithTheWindowsErrorCodeOnceTheWindowIsGone)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);
    window.destroy();

    const auto e = thrownBy<InternalException>([&] { made.makeCurrent(); });
    expectFailureWithErrorCode(e, kContextFile, 46, "Context::can't make this context current");
}

TEST_F(ContextTest, DeletingAContextThatIsGoneFails)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);
    ASSERT_TRUE(wglDeleteContext(made.renderContext()));

    const auto e = thrownBy<InternalException>([&] { made.destroyContext(); });
    expectFailure(e, kContextFile, 514,
        "ContextOffscreen::~ContextWindowed failed to delete rendering context: fatal exception");
    made.abandon();
}

// The host's context comes back on a device context whose window is gone: nothing can make it current again.
TEST_F(ContextTest, ContextThatCannotBePutBackFailsTheDestruction)
{
    TestWindow hostWindow(true), window;
    TestContext host(hostWindow.handle(), BufferFormat::RGBA8);
    TestContext made(window.handle(), BufferFormat::RGBA8);
    host.makeCurrent();
    hostWindow.destroy();

    const auto e = thrownBy<InternalException>([&] { made.destroyContext(); });
    expectFailure(e, kContextFile, 523, "!\"ContextOffscreen::~ContextOffscreen failed to restore context\"");
}

// The host's context cannot come back once its window is gone: initialize fails like any step, and the new
// context is not left current. (A shared device context of a destroyed window could be handed out again for
// the new window, on which the host's context would then come back.)
TEST_F(ContextTest, InitializeFailsWhenThePreviousContextCannotBePutBack)
{
    TestWindow hostWindow(true), window;
    TestContext host(hostWindow.handle(), BufferFormat::RGBA8);
    host.makeCurrent();
    hostWindow.destroy();

    const auto e = thrownBy<LogicalException>([&] { TestContext made(window.handle(), BufferFormat::RGBA8); });
    expectFailureWithErrorCode(e, kContextFile, 46, "Context::can't make this context current");
    const HGLRC current = wglGetCurrentContext();
    EXPECT_TRUE(current == nullptr || current == host.renderContext());
}

// Floating-point colour, a sample count other than one, and 10 red bits need the extended pixel-format choice,
// which needs the library on; here it is off. The manager's failure comes as a LogicalException copy, after the
// throw-away context and its hidden window (made only when no context is current) are gone again.
class ExtendedRequestTest : public ContextTest,
                            public testing::WithParamInterface<std::pair<BufferFormat, Context::teMultisample>>
{
protected:
    // The class names of the windows that the failed request created.
    std::vector<std::string> expectRefused()
    {
        const int windows = TestWindow::countOnThisThread();
        TestWindow window;
        CreatedWindows created;
        const auto e = thrownBy<LogicalException>([&] {
            TestContext made(window.handle(), GetParam().first, Context::DOUBLE_BUFFERED, GetParam().second);
        });
        expectFailure(e, "qel_ogl/extensionator/ExtensionManager.cpp", 129, "Enforce pInstance_ != NULL");
        window.destroy();
        EXPECT_EQ(windows, TestWindow::countOnThisThread());
        for (const std::string& name : created.classNames())
            EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
        return created.classNames();
    }
};

TEST_P(ExtendedRequestTest, FailsCleanlyWhileAContextIsCurrent)
{
    EXPECT_TRUE(expectRefused().empty());
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
}

TEST_P(ExtendedRequestTest, FailsCleanlyWhileNoneIsCurrent)
{
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(1u, expectRefused().size());
    EXPECT_EQ(nullptr, wglGetCurrentContext());
}

INSTANTIATE_TEST_SUITE_P(Requests, ExtendedRequestTest, testing::Values(
    std::make_pair(BufferFormat(BufferFormat::RGBA16F), Context::SAMPLES_1),
    std::make_pair(BufferFormat(BufferFormat::RGBA8), Context::SAMPLES_4),
    std::make_pair(BufferFormat(BufferFormat::RGBA8), static_cast<Context::teMultisample>(0)),
    std::make_pair(BufferFormat(10, 10, 10, 2, 0, 24, false), Context::SAMPLES_1)));
