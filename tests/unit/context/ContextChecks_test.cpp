// The checks of the context classes that refuse an argument before any window-system call.

#include "ContextFailure.h"
#include "TestContext.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWindowed;
using QEL::OGL::ContextWrapped;

namespace {

// Never looked at: the checks refuse only null handles.
const HDC kSomeDC = reinterpret_cast<HDC>(0x100);
const HGLRC kSomeRC = reinterpret_cast<HGLRC>(0x200);

}

// GetDC of a null window would answer the whole screen's device context.
TEST(ContextChecks, NullWindowIsRefusedBeforeAnyDeviceContextIsTaken)
{
    TestContext context;
    const auto e = thrownBy<InternalException>([&] {
        context.initialize(nullptr, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, nullptr);
    });
    expectFailure(e, kContextFile, 389, "ContextWindowed::ctor invalid DC on window");
    EXPECT_EQ(nullptr, context.deviceContext());
    EXPECT_EQ(nullptr, context.renderContext());
    EXPECT_EQ(nullptr, wglGetCurrentContext());

    expectFailure(thrownBy<InternalException>([] {
        ContextWindowed windowed(nullptr, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, nullptr);
    }), kContextFile, 389, "ContextWindowed::ctor invalid DC on window");
}

TEST(ContextChecks, NullDeviceContextsAreRefused)
{
    TestContext context;
    expectFailure(thrownBy<InternalException>([&] { context.choosePixelFormat(nullptr, BufferFormat::RGBA8, true); }),
                  kContextFile, 76, "Context:choosePixelFormat invalid device context");
    expectFailure(thrownBy<InternalException>([&] { context.createRenderingContext(nullptr); }),
                  kContextFile, 328, "Context:createRenderingContext invalid device context");
}

TEST(ContextChecks, PixelFormatIndicesBelowOneAreRefused)
{
    TestContext context;
    expectFailure(thrownBy<InternalException>([&] { context.setPixelFormat(kSomeDC, 0); }),
                  kContextFile, 294, "Context::setPixelFormat invalid pixel format 0");
    expectFailure(thrownBy<InternalException>([&] { context.setPixelFormat(kSomeDC, -3); }),
                  kContextFile, 294, "Context::setPixelFormat invalid pixel format -3");
    EXPECT_EQ(0, context.pixelFormat());
}

TEST(ContextChecks, InitializeExtensionsAlwaysFails)
{
    TestContext context;
    expectFailure(thrownBy<InternalException>([&] { context.initializeExtensions(); }), kContextFile, 69,
                  "We can't initialize Extensions automatically any more with the new Singleton scheme");
}

// The device context is checked first, so two null handles are refused for the device context.
TEST(ContextWrappedChecks, NullHandlesAreRefusedDeviceContextFirst)
{
    const char* const invalidDevice = "ContextWrapped::ctor invalid device";
    expectFailure(thrownBy<InternalException>([] { ContextWrapped wrapped(nullptr, kSomeRC); }),
                  kContextWrappedFile, 27, invalidDevice);
    expectFailure(thrownBy<InternalException>([] { ContextWrapped wrapped(nullptr, nullptr); }),
                  kContextWrappedFile, 27, invalidDevice);
    expectFailure(thrownBy<InternalException>([] { ContextWrapped wrapped(kSomeDC, nullptr); }),
                  kContextWrappedFile, 28, "ContextWrapped::ctor invalid rendering context");
}
