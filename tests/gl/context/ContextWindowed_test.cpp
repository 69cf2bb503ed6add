// ContextWindowed on a window of the test's: which context is current after making and destroying one, and a
// destructor that fails.

#include "ContextFailure.h"
#include "GLContextFixture.h"
#include "TestWindow.h"

#include <GL/gl.h>

#include <memory>
#include <stdexcept>

#include "qel_core/InternalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWindowed;

// Each test starts with the fixture's context, the host's own, current.
class ContextWindowedTest : public GLContextFixture
{
protected:
    std::unique_ptr<ContextWindowed> make(const TestWindow& window)
    {
        return std::make_unique<ContextWindowed>(window.handle(), BufferFormat::RGBA8_D24, Context::DOUBLE_BUFFERED,
                                                 Context::SAMPLES_1, nullptr);
    }

    void expectCurrent(HGLRC rc, HDC dc)
    {
        EXPECT_EQ(rc, wglGetCurrentContext());
        EXPECT_EQ(dc, wglGetCurrentDC());
    }
};

TEST_F(ContextWindowedTest, MakingAndDestroyingLeaveTheRightContextCurrent)
{
    TestWindow first, second;
    auto made = make(first);
    expectCurrent(context(), deviceContext());
    made.reset();
    expectCurrent(context(), deviceContext());

    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    made = make(second);
    expectCurrent(made->renderContext(), made->deviceContext());
    made.reset();
    expectCurrent(nullptr, nullptr);
}

TEST_F(ContextWindowedTest, PresentsIntoTheHostsWindow)
{
    TestWindow window;
    auto made = make(window);
    EXPECT_EQ(window.handle(), WindowFromDC(made->deviceContext()));
    made->makeCurrent();
    EXPECT_NE(nullptr, glGetString(GL_VERSION));
    made->swapBuffers();
}

TEST_F(ContextWindowedTest, FailingDestructionThrowsWhenNothingElseIsPropagating)
{
    TestWindow window;
    auto made = make(window);
    ASSERT_TRUE(wglDeleteContext(made->renderContext()));

    expectFailure(thrownBy<InternalException>([&] { delete made.release(); }), kContextFile, 514,
                  "ContextOffscreen::~ContextWindowed failed to delete rendering context: fatal exception");
}

TEST_F(ContextWindowedTest, FailingDestructionGivesWayToThePropagatingException)
{
    TestWindow window;
    auto made = make(window);
    ASSERT_TRUE(wglDeleteContext(made->renderContext()));

    EXPECT_THROW({
        const std::unique_ptr<ContextWindowed> dying = std::move(made);
        throw std::runtime_error("the work failed");
    }, std::runtime_error);
}
