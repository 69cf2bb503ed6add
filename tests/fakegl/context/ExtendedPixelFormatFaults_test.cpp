// The extended pixel-format choice and the swap-interval control on the stand-in driver, with the library on:
// the attribute list that the driver is given, the throw-away context, and failures that Mesa cannot be
// brought to.

#include "ContextFailure.h"
#include "ContextStress.h"
#include "CreatedWindows.h"
#include "FakeGLFixture.h"
#include "LibraryFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include <string>
#include <vector>

#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::LogicalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWindowed;

namespace {

// The attribute list up to the drawable: support, acceleration, pixel type, colour, red, green, blue, alpha,
// depth and stencil bits, double buffering.
std::vector<int> commonAttributes(int pixelType, int red, int green, int blue, int alpha, int depth, int stencil,
                                  int doubleBuffered)
{
    return {0x2010, 1, 0x2003, 0x2027, 0x2013, pixelType, 0x2014, red + green + blue + alpha, 0x2015, red,
            0x2017, green, 0x2019, blue, 0x201B, alpha, 0x2022, depth, 0x2023, stencil, 0x2011, doubleBuffered};
}

std::vector<int> operator+(std::vector<int> head, const std::vector<int>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const int kRGBA = 0x202B, kRGBAFloat = 0x21A0;
const std::vector<int> kToWindow = {0x2001, 1};
const std::vector<int> kEnd = {0};

}

class ExtendedPixelFormatFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    // Turns the library on for a driver that offers the WGL extensions named, with their entry points.
    void turnOnWith(const std::vector<std::string>& extensions)
    {
        std::string list;
        offer({"wglGetExtensionsStringARB"});
        for (const std::string& extension : extensions) {
            list += extension + " ";
            if (extension == "WGL_ARB_pixel_format")
                offer({"wglChoosePixelFormatARB", "wglGetPixelFormatAttribivARB", "wglGetPixelFormatAttribfvARB"});
            if (extension == "WGL_EXT_swap_control")
                offer({"wglSwapIntervalEXT", "wglGetSwapIntervalEXT"});
        }
        fakegl::setWglExtensions(list);
        turnOn();
    }

    void turnOnWithPixelFormats()
    {
        turnOnWith({"WGL_ARB_pixel_format"});
    }

    static void offer(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            ASSERT_TRUE(fakegl::enableProc(name)) << name;
    }

    // Makes a context on a fresh window and answers what the driver was asked for.
    std::vector<int> attributesOf(const BufferFormat& format, Context::teBuffering buffering,
                                  Context::teMultisample samples)
    {
        TestWindow window;
        TestContext made(window.handle(), format, buffering, samples);
        EXPECT_EQ(GetPixelFormat(made.deviceContext()), made.pixelFormat());
        return fakegl::pixelFormatAttributes();
    }

    // Making a context on a fresh window fails with a LogicalException copy of the check at line with text; no
    // context, window or class is left behind, and what was current is current again.
    void expectFailedRequest(int line, const std::string& text, const BufferFormat& format,
                             Context::teBuffering buffering, Context::teMultisample samples)
    {
        const HGLRC current = wglGetCurrentContext();
        const unsigned contexts = fakegl::contextCount();
        const int windows = TestWindow::countOnThisThread();
        {
            TestWindow window;
            CreatedWindows created;
            expectFailure(thrownBy<LogicalException>([&] { TestContext made(window.handle(), format, buffering, samples); }),
                          kContextFile, line, text);
            for (const std::string& name : created.classNames())
                EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
        }
        EXPECT_EQ(contexts, fakegl::contextCount());
        EXPECT_EQ(windows, TestWindow::countOnThisThread());
        EXPECT_EQ(current, wglGetCurrentContext());
    }
};

// With a context current, its device context is asked and nothing else is made.
TEST_F(ExtendedPixelFormatFaults, AsksForTheRequestInTheListsOrder)
{
    struct Case
    {
        BufferFormat format;
        Context::teBuffering buffering;
        int samples;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {BufferFormat::RGBA8_D24_S8, Context::DOUBLE_BUFFERED, 4,
         commonAttributes(kRGBA, 8, 8, 8, 8, 24, 8, 1) + kToWindow + std::vector<int>{0x2041, 1, 0x2042, 4} + kEnd},
        {BufferFormat::R32F_D24, Context::DOUBLE_BUFFERED, 8,
         commonAttributes(kRGBAFloat, 32, 0, 0, 0, 24, 0, 1) + kToWindow + std::vector<int>{0x2041, 1, 0x2042, 8} + kEnd},
        {BufferFormat::RGBA16F, Context::SINGLE_BUFFERED, 1,
         commonAttributes(kRGBAFloat, 16, 16, 16, 16, 0, 0, 0) + kToWindow + kEnd},
        {BufferFormat(10, 10, 10, 2, 0, 24, false), Context::DOUBLE_BUFFERED, 1,
         commonAttributes(kRGBA, 10, 10, 10, 2, 24, 0, 1) + kToWindow + kEnd},
        // No samples asks for no sample buffer, but takes this path.
        {BufferFormat::RGBA8, Context::SINGLE_BUFFERED, 0, commonAttributes(kRGBA, 8, 8, 8, 8, 0, 0, 0) + kToWindow + kEnd},
    };
    turnOnWithPixelFormats();
    for (const Case& c : cases) {
        fakegl::clearCallLog();
        EXPECT_EQ(c.expected,
                  attributesOf(c.format, c.buffering, static_cast<Context::teMultisample>(c.samples)))
            << c.samples << " samples";
        EXPECT_EQ(1u, fakegl::callCount("wglCreateContext"));
        EXPECT_EQ(0u, fakegl::callCount("wglChoosePixelFormat"));
    }
}

// No operation of the library asks for a pbuffer format; the branch asks not to draw to a window.
TEST_F(ExtendedPixelFormatFaults, PbufferFormatIsAskedNotToDrawToAWindow)
{
    turnOnWithPixelFormats();
    TestContext chooser;
    EXPECT_EQ(1, chooser.choosePixelFormat(deviceContext(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED,
                                           Context::SAMPLES_1, Context::DRAW_TO_PBUFFER));
    const std::vector<int> toPbufferOnly = {0x202D, 1, 0x2001, 0};
    EXPECT_EQ(commonAttributes(kRGBA, 8, 8, 8, 8, 0, 0, 1) + toPbufferOnly + kEnd, fakegl::pixelFormatAttributes());
}

TEST_F(ExtendedPixelFormatFaults, MakesAndRemovesAThrowAwayContextWhenNoneIsCurrent)
{
    turnOnWithPixelFormats();
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    const int windows = TestWindow::countOnThisThread();
    TestWindow window;
    CreatedWindows created;
    fakegl::clearCallLog();
    {
        ContextWindowed made(window.handle(), BufferFormat::RGBA8_D24, Context::DOUBLE_BUFFERED, Context::SAMPLES_4,
                             nullptr);
        EXPECT_EQ(made.renderContext(), wglGetCurrentContext());
        EXPECT_EQ(2u, fakegl::contextCount());
    }
    EXPECT_EQ(2u, fakegl::callCount("wglCreateContext"));
    EXPECT_EQ(1u, fakegl::callCount("wglChoosePixelFormat"));
    EXPECT_EQ(1u, fakegl::callCount("wglChoosePixelFormatARB"));
    ASSERT_EQ(1u, created.classNames().size());
    EXPECT_FALSE(CreatedWindows::ClassExists(created.classNames()[0]));
    window.destroy();
    EXPECT_EQ(windows, TestWindow::countOnThisThread());
}

TEST_F(ExtendedPixelFormatFaults, SingleBufferedMultisamplingIsRefusedBeforeTheDriverIsAsked)
{
    turnOnWithPixelFormats();
    expectFailedRequest(199, "Double buffering required with multisampling.", BufferFormat::RGBA8,
                        Context::SINGLE_BUFFERED, Context::SAMPLES_4);
    EXPECT_EQ(0u, fakegl::callCount("wglChoosePixelFormatARB"));
}

TEST_F(ExtendedPixelFormatFaults, FailuresOfTheChoiceLeaveNothingBehind)
{
    turnOnWithPixelFormats();
    for (const bool current : {true, false}) {
        if (!current) {
            ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
        }
        fakegl::failNext(fakegl::Call::ChoosePixelFormatARB, ERROR_INVALID_DATA);
        expectFailedRequest(264, "Can't find suitable pixel format.", BufferFormat::RGBA16F, Context::DOUBLE_BUFFERED,
                            Context::SAMPLES_1);
        // The throw-away context made for the choice cannot be made current.
        if (!current) {
            fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_BUSY);
            expectFailedRequest(238, "Context::choosePixelFormat can't make the throw-away context current170",
                                BufferFormat::RGBA16F, Context::DOUBLE_BUFFERED, Context::SAMPLES_1);
        }
    }
}

TEST_F(ExtendedPixelFormatFaults, DriverWithoutTheChoiceFails)
{
    turnOnWith({});
    for (const bool current : {true, false}) {
        if (!current) {
            ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
        }
        expectFailedRequest(125, "wglChoosePixelFormatARB extension not supported", BufferFormat::RGBA16F,
                            Context::DOUBLE_BUFFERED, Context::SAMPLES_1);
    }
}

// Fatal: thrown as it is. The hidden window still goes; the throw-away context stays, being undeletable.
TEST_F(ExtendedPixelFormatFaults, FailingToDeleteTheThrowAwayContextDuringTheCleanUpIsFatal)
{
    turnOnWithPixelFormats();
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    TestWindow window;
    CreatedWindows created;
    TestContext made;
    fakegl::failNext(fakegl::Call::ChoosePixelFormatARB, ERROR_INVALID_DATA);
    fakegl::failNext(fakegl::Call::DeleteContext, ERROR_BUSY);

    const auto e = thrownBy<InternalException>([&] {
        made.initialize(window.handle(), BufferFormat::RGBA16F, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, nullptr);
    });
    expectFailure(e, kContextFile, 473, "ContextWindowed::ContextWindowed failed to destroy context: fatal exception!");
    EXPECT_EQ(nullptr, wglGetCurrentContext());
    ASSERT_EQ(1u, created.classNames().size());
    EXPECT_FALSE(CreatedWindows::ClassExists(created.classNames()[0]));
    const std::vector<HGLRC> contexts = fakegl::contexts();
    ASSERT_EQ(2u, contexts.size());
    EXPECT_TRUE(wglDeleteContext(contexts.back()));
}

TEST_F(ExtendedPixelFormatFaults, SwapIntervalNeedsTheDriversSwapControl)
{
    turnOnWithPixelFormats();
    EXPECT_FALSE(Context::supportsVerticalRetraceControl());
    expectFailure(thrownBy<InternalException>([&] { wrapped()->enableSyncToVerticalRetrace(true); }), kContextFile,
                  347, "ContextWindowed::enableSyncToVerticalRetrace unsupported feature");
    EXPECT_EQ(0u, fakegl::callCount("wglSwapIntervalEXT"));
}

TEST_F(ExtendedPixelFormatFaults, SwapIntervalIsSetThroughTheTable)
{
    turnOnWith({"WGL_ARB_pixel_format", "WGL_EXT_swap_control"});
    ASSERT_TRUE(Context::supportsVerticalRetraceControl());
    fakegl::clearCallLog();
    wrapped()->enableSyncToVerticalRetrace(true);
    wrapped()->enableSyncToVerticalRetrace(false);
    EXPECT_EQ(2u, fakegl::callCount("wglSwapIntervalEXT"));
}

// The real driver's stress test, where the driver's contexts can be counted: as many deleted as created. Wine
// keeps some memory for every top-level window made, even one made and destroyed bare; the contexts' windows
// may cost no more than as many bare ones.
TEST_F(ExtendedPixelFormatFaults, ManyContextsLeaveNothingBehind)
{
    const ContextCounts counts = {200, 200, 50};
    // A window of the test's for each windowed or extended context, one hidden window for each off-screen one
    // and for every other extended one (made while no context is current, with a throw-away context).
    const int windows = counts.windowed + counts.offscreen + counts.extended + counts.extended / 2;
    turnOnWithPixelFormats();
    makeAndDestroyContexts({20, 20, 6});
    const ProcessFootprint start = ProcessFootprint::Now();
    makeAndDestroyWindows(windows);
    const ProcessFootprint before = ProcessFootprint::Now();

    CreatedWindows created;
    fakegl::clearCallLog();
    makeAndDestroyContexts(counts);
    const ProcessFootprint after = ProcessFootprint::Now();

    EXPECT_EQ(1u, fakegl::contextCount());
    EXPECT_EQ(fakegl::callCount("wglCreateContext"), fakegl::callCount("wglDeleteContext"));
    EXPECT_EQ(before.windows, after.windows);
    expectHiddenWindowsRemoved(created, counts.offscreen + counts.extended / 2);
    const SIZE_T bareWindows = before.committedBytes - start.committedBytes;
    EXPECT_LT(after.committedBytes - before.committedBytes, bareWindows + bareWindows / 4 + (256u << 10))
        << "bare windows " << bareWindows;
}
