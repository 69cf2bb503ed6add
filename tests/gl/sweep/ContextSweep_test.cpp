// Bad inputs to the buffer format and the contexts on the real driver: the format's predefined values, the
// wrapped context's handles, and the steps by which every library context is made.

#include "CreatedWindows.h"
#include "SweepFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextOffscreen.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "qel_ogl/ogl/ScopedContextWrapper.h"

using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextOffscreen;
using QEL::OGL::ContextWindowed;
using QEL::OGL::ContextWrapped;
using QEL::OGL::ScopedContextWrapper;

namespace {

BufferFormat::tePredefined predefined(int value)
{
    return static_cast<BufferFormat::tePredefined>(value);
}

HGLRC noContext()
{
    return reinterpret_cast<HGLRC>(static_cast<std::uintptr_t>(0x7FFF0));
}

// An empty context and a window of its own, not yet given a pixel format.
struct ContextOnWindow
{
    TestWindow window;
    TestContext context;
};

// The pixel format is left out: a failed initialize keeps the index it tried, on purpose.
std::string contextState(const ContextOnWindow& c)
{
    return describe("rc=", c.context.renderContext(), " dc=", c.context.deviceContext());
}

void initialize(ContextOnWindow& c, const BufferFormat& format, Context::teBuffering buffering,
                int samples, Context* shareWith = nullptr)
{
    c.context.initialize(c.window.handle(), format, buffering, static_cast<Context::teMultisample>(samples),
                         shareWith);
}

}

using ContextSweep = GLContextFixture;

TEST_F(ContextSweep, BufferFormatAndWrappedContext)
{
    sweep(Table<NoSubject>{"BufferFormat and ContextWrapped construction", noSubject, nullptr, {
        {"BufferFormat::BufferFormat", "predefined 24", kInternal, [](auto&) { BufferFormat format(predefined(24)); }},
        {"BufferFormat::BufferFormat", "predefined -1", kInternal, [](auto&) { BufferFormat format(predefined(-1)); }},
        {"BufferFormat::BufferFormat", "predefined INT_MAX", kInternal,
         [](auto&) { BufferFormat format(predefined(INT_MAX)); }},
        {"ContextWrapped::ContextWrapped", "null device context", kInternal,
         [this](auto&) { ContextWrapped wrapped(nullptr, context()); }},
        {"ContextWrapped::ContextWrapped", "null rendering context", kInternal,
         [this](auto&) { ContextWrapped wrapped(deviceContext(), nullptr); }},
        {"ContextWrapped::ContextWrapped", "both null", kInternal, [](auto&) { ContextWrapped wrapped(nullptr, nullptr); }},
    }});
}

TEST_F(ContextSweep, ContextSteps)
{
    const auto fresh = [] { return std::make_unique<ContextOnWindow>(); };
    sweep(Table<ContextOnWindow>{"Context, empty, on a window of its own", fresh, contextState, {
        {"Context::setPixelFormat", "pixel format 0", kInternal,
         [](auto& c) { c.context.setPixelFormat(GetDC(c.window.handle()), 0); }},
        {"Context::setPixelFormat", "pixel format INT_MIN", kInternal,
         [](auto& c) { c.context.setPixelFormat(GetDC(c.window.handle()), INT_MIN); }},
        {"Context::choosePixelFormat", "null device context", kInternal,
         [](auto& c) { c.context.choosePixelFormat(nullptr, BufferFormat::RGBA8, true); }},
        {"Context::createRenderingContext", "null device context", kInternal,
         [](auto& c) { c.context.createRenderingContext(nullptr); }},
        {"Context::initializeExtensions", "any call", kInternal, [](auto& c) { c.context.initializeExtensions(); }},
        {"Context::initialize", "null window", kInternal,
         [](auto& c) { c.context.initialize(nullptr, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1,
                                            nullptr); }},
        {"Context::initialize", "4 samples, single buffered", kLogical,
         [](auto& c) { initialize(c, BufferFormat::RGBA8, Context::SINGLE_BUFFERED, 4); }},
        {"Context::initialize", "0 samples", kLogical,
         [](auto& c) { initialize(c, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, 0); }},
        {"Context::initialize", "floating-point colour, library off", kLogical,
         [](auto& c) { initialize(c, BufferFormat::RGBA16F, Context::DOUBLE_BUFFERED, 1); }},
        {"Context::initialize", "sharing with a handle that names no context", kLogical,
         [this](auto& c) {
             ContextWrapped stale(deviceContext(), noContext());
             initialize(c, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, 1, &stale);
         }},
    }});
}

TEST_F(ContextSweep, WrappedContextOfNoContext)
{
    const auto stale = [this] { return std::make_unique<ContextWrapped>(deviceContext(), noContext()); };
    const auto wrappedState = [](const ContextWrapped& c) {
        return describe("rc=", c.renderContext(), " dc=", c.deviceContext());
    };
    sweep(Table<ContextWrapped>{"ContextWrapped of a handle that names no context", stale, wrappedState, {
        {"Context::makeCurrent", "a handle that names no context", kInternal, [](auto& c) { c.makeCurrent(); }},
    }});
}

// The host deletes the context that a wrapper captured before the wrapper puts it back; the host then makes its
// own context current again itself.
TEST_F(ContextSweep, ScopedContextWrapperOfADeletedContext)
{
    sweep(Table<NoSubject>{"ScopedContextWrapper around a deleted context", noSubject, nullptr, {
        {"ScopedContextWrapper::~ScopedContextWrapper", "the captured context deleted", kInternal, [this](auto&) {
             TestWindow window;
             TestContext made(window.handle(), BufferFormat::RGBA8);
             made.makeCurrent();
             try {
                 ScopedContextWrapper scope;
                 made.destroyContext();
             } catch (...) {
                 wglMakeCurrent(deviceContext(), context());
                 throw;
             }
         }},
    }});
}

namespace {

// Runs make, which must throw; every class that the library registered for its hidden windows while it ran
// ("OpenGL" and the window object's address) must be gone again.
void refusedLeavingNoClass(const std::function<void()>& make)
{
    CreatedWindows created;
    try {
        make();
    } catch (...) {
        for (const std::string& name : created.classNames()) {
            if (name.rfind("OpenGL", 0) == 0) {
                EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
            }
        }
        throw;
    }
}

void makeWindowed(const BufferFormat& format, Context::teBuffering buffering, int samples,
                  Context* shareWith = nullptr)
{
    TestWindow window;
    ContextWindowed made(window.handle(), format, buffering, static_cast<Context::teMultisample>(samples), shareWith);
}

}

TEST_F(ContextSweep, WindowedAndOffscreenContexts)
{
    sweep(Table<NoSubject>{"windowed and off-screen contexts, library off", noSubject, nullptr, {
        {"ContextWindowed::ContextWindowed", "null window", kInternal,
         [](auto&) { ContextWindowed made(nullptr, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1,
                                          nullptr); }},
        {"ContextWindowed::ContextWindowed", "floating-point colour, library off", kLogical,
         [](auto&) { refusedLeavingNoClass([] { makeWindowed(BufferFormat::RGBA16F, Context::DOUBLE_BUFFERED, 1); }); }},
        {"ContextWindowed::ContextWindowed", "4 samples, library off", kLogical,
         [](auto&) { refusedLeavingNoClass([] { makeWindowed(BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, 4); }); }},
        {"ContextWindowed::ContextWindowed", "10 red bits, library off", kLogical,
         [](auto&) {
             refusedLeavingNoClass([] { makeWindowed(BufferFormat(10, 10, 10, 2, 0, 24, false), Context::DOUBLE_BUFFERED, 1); });
         }},
        {"ContextWindowed::ContextWindowed", "sharing with a handle that names no context", kLogical,
         [this](auto&) {
             ContextWrapped stale(deviceContext(), noContext());
             makeWindowed(BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, 1, &stale);
         }},
        {"ContextOffscreen::ContextOffscreen", "sharing with a handle that names no context", kLogical,
         [this](auto&) {
             ContextWrapped stale(deviceContext(), noContext());
             refusedLeavingNoClass([&stale] { ContextOffscreen made(&stale); });
         }},
        {"Context::supportsVerticalRetraceControl", "library off", kInternal,
         [](auto&) { Context::supportsVerticalRetraceControl(); }},
        {"Context::enableSyncToVerticalRetrace", "library off", kInternal,
         [this](auto&) { ContextWrapped(deviceContext(), context()).enableSyncToVerticalRetrace(true); }},
    }});
}

TEST_F(ContextSweep, BitDepthsIntoNullPointers)
{
    const auto wrapped = [this] { return std::make_unique<ContextWrapped>(deviceContext(), context()); };
    sweep(Table<ContextWrapped>{"ContextWrapped of the host's context", wrapped, nullptr, {
        {"Context::getBitDepths", "every pointer null", kAnswered,
         [](auto& c) { c.getBitDepths(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr); }},
        {"Context::getBitDepths", "all but the depth null", kAnswered,
         [](auto& c) {
             int depth = -1;
             c.getBitDepths(nullptr, nullptr, nullptr, nullptr, nullptr, &depth);
             EXPECT_EQ(24, depth);
         }},
    }});
}

TEST_F(LibraryOnSweep, ContextsWithTheLibraryOn)
{
    sweep(Table<NoSubject>{"windowed contexts, library on", noSubject, nullptr, {
        {"ContextWindowed::ContextWindowed", "4 samples, single buffered", kLogical,
         [](auto&) { refusedLeavingNoClass([] { makeWindowed(BufferFormat::RGBA8, Context::SINGLE_BUFFERED, 4); }); }},
        {"ContextWindowed::ContextWindowed", "a format no driver has", kLogical,
         [](auto&) {
             refusedLeavingNoClass([] { makeWindowed(BufferFormat(200, 200, 200, 200, 200, 200, true), Context::DOUBLE_BUFFERED, 1); });
         }},
    }});
}
