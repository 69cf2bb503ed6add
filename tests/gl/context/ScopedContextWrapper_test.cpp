// ScopedContextWrapper puts back whatever was current when it was made: a context, the same context on its own
// device context, or none.

#include "ContextFailure.h"
#include "GLContextFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include <stdexcept>

#include "qel_core/InternalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ScopedContextWrapper.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::ScopedContextWrapper;

using ScopedContextWrapperTest = GLContextFixture;

TEST_F(ScopedContextWrapperTest, PutsBackThePreviousContext)
{
    TestWindow window;
    TestContext other(window.handle(), BufferFormat::RGBA8);
    {
        ScopedContextWrapper scope;
        other.makeCurrent();
    }
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
}

TEST_F(ScopedContextWrapperTest, PutsBackNone)
{
    TestWindow window;
    TestContext other(window.handle(), BufferFormat::RGBA8);
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    {
        ScopedContextWrapper scope;
        other.makeCurrent();
    }
    EXPECT_EQ(nullptr, wglGetCurrentContext());
    EXPECT_EQ(nullptr, wglGetCurrentDC());
}

// The fixture's context made current on a second window of the same pixel format.
TEST_F(ScopedContextWrapperTest, PutsBackTheDeviceContextOfTheSameRenderingContext)
{
    TestWindow window;
    const HDC otherDC = GetDC(window.handle());
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    ASSERT_TRUE(SetPixelFormat(otherDC, GetPixelFormat(deviceContext()), &pfd));
    {
        ScopedContextWrapper scope;
        ASSERT_TRUE(wglMakeCurrent(otherDC, context()));
    }
    EXPECT_EQ(context(), wglGetCurrentContext());
    EXPECT_EQ(deviceContext(), wglGetCurrentDC());
    ReleaseDC(window.handle(), otherDC);
}

// The context to put back was deleted in the meantime. A plain delete, since smart pointers may not throw from
// their deleters.
TEST_F(ScopedContextWrapperTest, FailureToPutBackThrowsWhenNothingElseIsPropagating)
{
    TestWindow window;
    TestContext gone(window.handle(), BufferFormat::RGBA8);
    gone.makeCurrent();
    ScopedContextWrapper* scope = new ScopedContextWrapper();
    gone.destroyContext();

    const auto e = thrownBy<InternalException>([&] { delete scope; });
    expectFailureWithErrorCode(e, kContextFile, 46, "Context::can't make this context current");
}

TEST_F(ScopedContextWrapperTest, FailureToPutBackGivesWayToThePropagatingException)
{
    TestWindow window;
    TestContext gone(window.handle(), BufferFormat::RGBA8);
    gone.makeCurrent();

    EXPECT_THROW({
        ScopedContextWrapper scope;
        gone.destroyContext();
        throw std::runtime_error("the work failed");
    }, std::runtime_error);
}
