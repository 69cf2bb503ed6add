// Making a context against a driver that fails one window-system call at a time: every call of every kind that
// the making asks for, each in turn. Each failure throws the library's exception, leaves no context or window
// behind and the thread's current context as it was, and the same context can be made once the fault is gone.

#include "FakeGLFixture.h"
#include "FaultTally.h"
#include "TestContext.h"
#include "TestWindow.h"

#include "qel_core/LogicalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "tests/fakegl/driver/FakeGL.h"

#include <functional>
#include <sstream>
#include <string>

using QEL::LogicalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWrapped;

namespace {

// The calls that can fail, with the name the driver's log gives them.
const struct
{
    fakegl::Call call;
    const char* logged;
} kCalls[] = {
    {fakegl::Call::CreateContext, "wglCreateContext"},
    {fakegl::Call::MakeCurrent, "wglMakeCurrent"},
    {fakegl::Call::ShareLists, "wglShareLists"},
    {fakegl::Call::ChoosePixelFormat, "wglChoosePixelFormat"},
    {fakegl::Call::DescribePixelFormat, "wglDescribePixelFormat"},
    {fakegl::Call::GetPixelFormat, "wglGetPixelFormat"},
    {fakegl::Call::SetPixelFormat, "wglSetPixelFormat"},
};

// What the window system holds for the calling thread.
struct Leftovers
{
    unsigned contexts;
    int windows;
    HGLRC current;
    HDC currentDC;

    static Leftovers now()
    {
        return {fakegl::contextCount(), TestWindow::countOnThisThread(), wglGetCurrentContext(), wglGetCurrentDC()};
    }

    void expectSameAs(const Leftovers& before) const
    {
        EXPECT_EQ(before.contexts, contexts);
        EXPECT_EQ(before.windows, windows);
        EXPECT_EQ(before.current, current);
        EXPECT_EQ(before.currentDC, currentDC);
    }
};

// One way of making a context, on the window given.
using Making = std::function<void(TestWindow&, TestContext&)>;

}

class ContextCreationFaults : public FakeGLFixture
{
protected:
    // Every call of every kind that making asks for fails in turn; making then throws and leaves nothing.
    void sweepFaults(const char* way, const Making& make)
    {
        SCOPED_TRACE(way);
        const Leftovers before = Leftovers::now();
        const std::string log = makeAndDestroy(make);
        before.expectSameAs(Leftovers::now());

        for (const auto& c : kCalls) {
            const unsigned calls = countIn(log, c.logged);
            for (unsigned successes = 0; successes < calls; ++successes) {
                SCOPED_TRACE(std::string(c.logged) + " failing after " + std::to_string(successes));
                countInjectedFault();
                fakegl::failAfter(c.call, successes, ERROR_INVALID_OPERATION);
                {
                    TestWindow window;
                    TestContext context;
                    EXPECT_THROW(make(window, context), LogicalException);
                    EXPECT_EQ(nullptr, context.renderContext());
                }
                before.expectSameAs(Leftovers::now());
                makeAndDestroy(make);
                before.expectSameAs(Leftovers::now());
            }
        }
    }

private:
    // Makes a context and destroys it again, putting back the context that was current before; answers the
    // driver's log of the making.
    static std::string makeAndDestroy(const Making& make)
    {
        const HGLRC current = wglGetCurrentContext();
        const HDC currentDC = wglGetCurrentDC();
        std::string log;
        {
            TestWindow window;
            TestContext context;
            fakegl::clearCallLog();
            make(window, context);
            log = fakegl::callLog();
            context.destroyContext();
        }
        if (current != nullptr)
            wglMakeCurrent(currentDC, current);
        return log;
    }

    static unsigned countIn(const std::string& log, const std::string& name)
    {
        std::istringstream lines(log);
        unsigned count = 0;
        for (std::string line; std::getline(lines, line);)
            count += line == name ? 1 : 0;
        return count;
    }
};

TEST_F(ContextCreationFaults, PlainContextWhileTheHostsIsCurrent)
{
    sweepFaults("plain", [](TestWindow& window, TestContext& context) {
        context.initialize(window.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1,
                           nullptr);
    });
}

TEST_F(ContextCreationFaults, SharingContextWhileTheHostsIsCurrent)
{
    ContextWrapped host(deviceContext(), context());
    sweepFaults("sharing", [&host](TestWindow& window, TestContext& context) {
        context.initialize(window.handle(), BufferFormat::RGB8_D24_S8, Context::SINGLE_BUFFERED, Context::SAMPLES_1,
                           &host);
    });
}

TEST_F(ContextCreationFaults, PlainContextWithNoneCurrent)
{
    wglMakeCurrent(nullptr, nullptr);
    sweepFaults("none current", [](TestWindow& window, TestContext& context) {
        context.initialize(window.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1,
                           nullptr);
    });
    wglMakeCurrent(deviceContext(), context());
}
