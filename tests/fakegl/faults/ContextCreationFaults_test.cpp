// Making a context against a driver that fails one window-system call at a time: every call of every kind that
// the making asks for, each in turn. Each failure throws the library's exception, leaves no context or window
// behind and the thread's current context as it was, and the same context can be made once the fault is gone.

#include "CreatedWindows.h"
#include "FakeGLFixture.h"
#include "FaultTally.h"
#include "LibraryFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include "qel_core/LogicalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextOffscreen.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "tests/fakegl/driver/FakeGL.h"

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using QEL::LogicalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextOffscreen;
using QEL::OGL::ContextWindowed;
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
    {fakegl::Call::DeleteContext, "wglDeleteContext"},
    {fakegl::Call::ChoosePixelFormatARB, "wglChoosePixelFormatARB"},
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

// A context and the window it lives on, if the test made one; the context goes first.
struct Made
{
    std::unique_ptr<TestWindow> window;
    std::unique_ptr<Context> context;
};

using Making = std::function<Made()>;

template <class ContextKind, class... Arguments>
Making onNewWindow(Arguments... arguments)
{
    return [arguments...] {
        Made made{std::make_unique<TestWindow>(), nullptr};
        made.context = std::make_unique<ContextKind>(made.window->handle(), arguments...);
        return made;
    };
}

Making offscreen(Context* shareWith = nullptr)
{
    return [shareWith] { return Made{nullptr, std::make_unique<ContextOffscreen>(shareWith)}; };
}

// A context made by Context::initialize on a window of its own.
Making onTestWindow(const BufferFormat& format, Context::teBuffering buffering, Context* shareWith = nullptr)
{
    return [format, buffering, shareWith] {
        Made made{std::make_unique<TestWindow>(), nullptr};
        made.context = std::make_unique<TestContext>(made.window->handle(), format, buffering, Context::SAMPLES_1,
                                                     shareWith);
        return made;
    };
}

}

class ContextCreationFaults : public LibraryFixture<FakeGLFixture>
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
                makeDespite(make);
                if (c.call == fakegl::Call::DeleteContext)
                    deleteTheContextThatTheDriverKept(before);
                before.expectSameAs(Leftovers::now());
                makeAndDestroy(make);
                before.expectSameAs(Leftovers::now());
            }
        }
    }

    // The library turned on for a driver whose pixel formats can be chosen by attribute.
    void turnOnWithPixelFormats()
    {
        for (const char* name : {"wglGetExtensionsStringARB", "wglChoosePixelFormatARB",
                                 "wglGetPixelFormatAttribivARB", "wglGetPixelFormatAttribfvARB"})
            ASSERT_TRUE(fakegl::enableProc(name)) << name;
        fakegl::setWglExtensions("WGL_ARB_pixel_format");
        turnOn();
    }

private:
    // Makes a context against a fault: the making throws, or, where the library ignores the failing call's
    // answer (the removal of the throw-away context of the choice by attribute), gives a context that is then
    // destroyed. No class of the library's hidden windows is left either way.
    static void makeDespite(const Making& make)
    {
        CreatedWindows created;
        try {
            Made made = make();
            EXPECT_NE(nullptr, made.context->renderContext());
            made.context.reset();
        } catch (const LogicalException&) {
        }
        expectNoClassOfTheLibraryLeft(created);
    }

    // A context whose deletion the driver refused stays; the test deletes it to go on.
    static void deleteTheContextThatTheDriverKept(const Leftovers& before)
    {
        const std::vector<HGLRC> contexts = fakegl::contexts();
        ASSERT_EQ(before.contexts + 1, contexts.size());
        EXPECT_TRUE(wglDeleteContext(contexts.back()));
        if (before.current != nullptr)
            wglMakeCurrent(before.currentDC, before.current);
    }

    // The classes of the library's hidden windows are named "OpenGL" and the window object's address.
    static void expectNoClassOfTheLibraryLeft(const CreatedWindows& created)
    {
        for (const std::string& name : created.classNames()) {
            if (name.rfind("OpenGL", 0) == 0) {
                EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
            }
        }
    }

    // Makes a context and destroys it again, putting back the context that was current before; answers the
    // driver's log of the making.
    static std::string makeAndDestroy(const Making& make)
    {
        const HGLRC current = wglGetCurrentContext();
        const HDC currentDC = wglGetCurrentDC();
        fakegl::clearCallLog();
        Made made = make();
        const std::string log = fakegl::callLog();
        made.context.reset();
        made.window.reset();
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
    sweepFaults("plain", onTestWindow(BufferFormat::RGBA8, Context::DOUBLE_BUFFERED));
}

TEST_F(ContextCreationFaults, SharingContextWhileTheHostsIsCurrent)
{
    ContextWrapped host(deviceContext(), context());
    sweepFaults("sharing", onTestWindow(BufferFormat::RGB8_D24_S8, Context::SINGLE_BUFFERED, &host));
}

TEST_F(ContextCreationFaults, PlainContextWithNoneCurrent)
{
    wglMakeCurrent(nullptr, nullptr);
    sweepFaults("none current", onTestWindow(BufferFormat::RGBA8, Context::DOUBLE_BUFFERED));
    wglMakeCurrent(deviceContext(), context());
}

TEST_F(ContextCreationFaults, WindowedAndOffscreenContexts)
{
    ContextWrapped host(deviceContext(), context());
    sweepFaults("windowed", onNewWindow<ContextWindowed>(BufferFormat(BufferFormat::RGBA8), Context::DOUBLE_BUFFERED,
                                                         Context::SAMPLES_1, static_cast<Context*>(nullptr)));
    sweepFaults("off-screen", offscreen());
    sweepFaults("off-screen, sharing", offscreen(&host));
    wglMakeCurrent(nullptr, nullptr);
    sweepFaults("off-screen, none current", offscreen());
    wglMakeCurrent(deviceContext(), context());
}

// The choice by attribute, on the current context's device context, or on a throw-away context of a hidden
// window when none is current.
TEST_F(ContextCreationFaults, ExtendedPixelFormats)
{
    turnOnWithPixelFormats();
    const Making multisampled = onNewWindow<ContextWindowed>(BufferFormat(BufferFormat::RGBA16F),
                                                             Context::DOUBLE_BUFFERED, Context::SAMPLES_4,
                                                             static_cast<Context*>(nullptr));
    sweepFaults("extended", multisampled);
    wglMakeCurrent(nullptr, nullptr);
    sweepFaults("extended, none current", multisampled);
    wglMakeCurrent(deviceContext(), context());
}
