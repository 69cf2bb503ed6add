// Context on the stand-in driver: each window-system step failing with a scripted Windows error code, the
// clean-up of a failed initialize (no context or window left behind, the host's context current again), and
// what the context asks the driver.

#include "ContextFailure.h"
#include "CreatedWindows.h"
#include "FakeGLFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include <memory>
#include <string>

#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextOffscreen.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "qel_ogl/ogl/ScopedContextWrapper.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::LogicalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextOffscreen;
using QEL::OGL::ContextWrapped;
using QEL::OGL::ScopedContextWrapper;

// The fixture's context is the host's: current, and the driver's only context.
class ContextFaults : public FakeGLFixture
{
protected:
    // Making a context on a fresh window throws a LogicalException copy of the check at line with text, and
    // leaves the host's context current and no context or window behind.
    void expectFailedInitialize(int line, const std::string& text, Context* shareWith = nullptr)
    {
        const int windows = TestWindow::countOnThisThread();
        {
            TestWindow window;
            const auto e = thrownBy<LogicalException>([&] {
                TestContext made(window.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1,
                                 shareWith);
            });
            expectFailure(e, kContextFile, line, text);
        }
        EXPECT_EQ(1u, fakegl::contextCount());
        EXPECT_EQ(context(), wglGetCurrentContext());
        EXPECT_EQ(deviceContext(), wglGetCurrentDC());
        EXPECT_EQ(windows, TestWindow::countOnThisThread());
    }
};

TEST_F(ContextFaults, EachFailingStepOfInitializeIsCleanedUp)
{
    fakegl::failNext(fakegl::Call::ChoosePixelFormat, ERROR_NOT_ENOUGH_MEMORY);
    expectFailedInitialize(108, "Cannot create OpenGL Context. Can't find suitable format. Windows error 8");

    fakegl::failNext(fakegl::Call::SetPixelFormat, ERROR_INVALID_PIXEL_FORMAT);
    expectFailedInitialize(302,
        "Context::setPixelFormat Unable to set pixel format %i on device context. Window Error: 2000");

    fakegl::failNext(fakegl::Call::CreateContext, ERROR_NO_SYSTEM_RESOURCES);
    expectFailedInitialize(332, "Context::createRenderingContext Can't create rendering context");

    ContextWrapped host(deviceContext(), context());
    fakegl::failNext(fakegl::Call::ShareLists, ERROR_INVALID_HANDLE);
    expectFailedInitialize(61, "Context::shareLists cannot share lists.", &host);

    fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_BUSY);
    expectFailedInitialize(46, "Context::can't make this context current170");
}

// Nothing can be trusted any more: the clean-up's own failure is thrown as it is, not as a copy of the failure
// that it was cleaning up. The rest of the clean-up is still done.
TEST_F(ContextFaults, FailingToReleaseDuringTheCleanUpIsFatal)
{
    ContextWrapped host(deviceContext(), context());
    TestWindow window;
    TestContext made;
    fakegl::failNext(fakegl::Call::ShareLists, ERROR_INVALID_HANDLE);
    fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_BUSY);

    const auto e = thrownBy<InternalException>([&] {
        made.initialize(window.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, &host);
    });
    expectFailure(e, kContextFile, 466,
        "ContextWindowed::ContextWindowed failed to release context: fatal exception!");
    EXPECT_EQ(1u, fakegl::contextCount());
}

TEST_F(ContextFaults, FailingToDeleteTheNewContextDuringTheCleanUpIsFatal)
{
    ContextWrapped host(deviceContext(), context());
    TestWindow window;
    TestContext made;
    fakegl::failNext(fakegl::Call::ShareLists, ERROR_INVALID_HANDLE);
    fakegl::failNext(fakegl::Call::DeleteContext, ERROR_BUSY);

    const auto e = thrownBy<InternalException>([&] {
        made.initialize(window.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, &host);
    });
    expectFailure(e, kContextFile, 484,
        "ContextWindowed::ContextWindowed failed to destroy context: fatal exception!");
    EXPECT_EQ(context(), wglGetCurrentContext());
    ASSERT_EQ(2u, fakegl::contextCount());
    EXPECT_TRUE(wglDeleteContext(made.renderContext()));
    made.abandon();
}

TEST_F(ContextFaults, FailingToReleaseBeforeDeletingIsFatal)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);
    fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_BUSY);

    const auto e = thrownBy<InternalException>([&] { made.destroyContext(); });
    expectFailure(e, kContextFile, 509,
        "ContextWindowed::~ContextWindowed failed to release context: fatal exception!");
    EXPECT_EQ(2u, fakegl::contextCount());
}

// A context that could not be released is still current on its device context, which it keeps.
TEST_F(ContextFaults, AContextStillCurrentAfterAFailedReleaseKeepsItsDeviceContext)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);
    made.makeCurrent();
    fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_BUSY);

    EXPECT_THROW(made.destroyContext(), InternalException);
    EXPECT_EQ(made.renderContext(), wglGetCurrentContext());
    EXPECT_EQ(made.deviceContext(), wglGetCurrentDC());
    EXPECT_NE(nullptr, made.deviceContext());
}

// The host's context is current again after a failed delete, and the window has its device context back: the
// next GetDC hands out the one that the context took.
TEST_F(ContextFaults, FailingToDeleteStillRestoresTheHostsContextAndGivesBackTheDeviceContext)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);
    const HDC taken = made.deviceContext();
    const HGLRC rc = made.renderContext();
    fakegl::failNext(fakegl::Call::DeleteContext, ERROR_BUSY);

    const auto e = thrownBy<InternalException>([&] { made.destroyContext(); });
    expectFailure(e, kContextFile, 514,
        "ContextOffscreen::~ContextWindowed failed to delete rendering context: fatal exception");
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
    const HDC again = GetDC(window.handle());
    EXPECT_EQ(taken, again);
    ReleaseDC(window.handle(), again);
    EXPECT_TRUE(wglDeleteContext(rc));
    made.abandon();
}

// wglChoosePixelFormatARB is an extension entry point; a plain format never looks for it.
TEST_F(ContextFaults, DescriptorPathAsksForNoExtensionEntryPoint)
{
    TestWindow window;
    TestContext made(window.handle(), BufferFormat::RGBA8);

    EXPECT_EQ(0u, fakegl::callCount("wglGetProcAddress"));
    EXPECT_EQ(1u, fakegl::callCount("wglChoosePixelFormat"));
    EXPECT_EQ(1u, fakegl::callCount("wglCreateContext"));
}

// The off-screen context's window goes with a context that could not be made, and after one that could not be
// deleted.
TEST_F(ContextFaults, OffscreenContextLeavesNoWindowBehind)
{
    const int windows = TestWindow::countOnThisThread();
    CreatedWindows created;
    fakegl::failNext(fakegl::Call::CreateContext, ERROR_NO_SYSTEM_RESOURCES);
    expectFailure(thrownBy<LogicalException>([] { ContextOffscreen made; }), kContextFile, 332,
                  "Context::createRenderingContext Can't create rendering context");
    EXPECT_EQ(1u, fakegl::contextCount());

    auto made = std::make_unique<ContextOffscreen>();
    const HGLRC rc = made->renderContext();
    fakegl::failNext(fakegl::Call::DeleteContext, ERROR_BUSY);
    expectFailure(thrownBy<InternalException>([&] { delete made.release(); }), kContextFile, 514,
                  "ContextOffscreen::~ContextWindowed failed to delete rendering context: fatal exception");
    EXPECT_TRUE(wglDeleteContext(rc));

    ASSERT_EQ(2u, created.classNames().size());
    for (const std::string& name : created.classNames())
        EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
    EXPECT_EQ(windows, TestWindow::countOnThisThread());
}

TEST_F(ContextFaults, ScopedContextWrapperLeavesAnUnchangedContextAlone)
{
    {
        ScopedContextWrapper scope;
    }
    EXPECT_EQ(0u, fakegl::callCount("wglMakeCurrent"));
}
