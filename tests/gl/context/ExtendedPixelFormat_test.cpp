// The extended pixel-format choice and the swap-interval control on the real driver (Mesa under Wine) with the
// library on: what the driver grants for multisampled, floating-point and 10-bit requests, made while a context
// is current and while none is, and the swap interval read back.

#include "ContextFailure.h"
#include "CreatedWindows.h"
#include "GLContextFixture.h"
#include "LibraryFixture.h"
#include "TestContext.h"
#include "TestWindow.h"

#include <GL/gl.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWindowed.h"
#include "qel_ogl/ogl/ScopedContextWrapper.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::LogicalException;
using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWindowed;
using QEL::OGL::Library;
using QEL::OGL::ScopedContextWrapper;

namespace {

const int WGL_DOUBLE_BUFFER_ARB = 0x2011;
const int WGL_PIXEL_TYPE_ARB = 0x2013;
const int WGL_RED_BITS_ARB = 0x2015;
const int WGL_ALPHA_BITS_ARB = 0x201B;
const int WGL_SAMPLE_BUFFERS_ARB = 0x2041;
const int WGL_SAMPLES_ARB = 0x2042;
const int WGL_TYPE_RGBA_FLOAT_ARB = 0x21A0;
const GLenum GL_SAMPLES_QUERY = 0x80A9;  // GL_SAMPLES

// A request, and what the driver must report of the granted format: attribute names and their least values.
struct Request
{
    const char* name;
    BufferFormat format;
    Context::teMultisample samples;
    // What decides whether the driver offers such a format, as wglChoosePixelFormatARB takes it.
    std::vector<int> driverRequest;
    std::vector<std::pair<int, int>> granted;
};

const Request kRequests[] = {
    {"multisampled", BufferFormat::RGBA8_D24, Context::SAMPLES_4,
     {0x2010, 1, 0x2003, 0x2027, 0x2001, 1, WGL_DOUBLE_BUFFER_ARB, 1, WGL_SAMPLE_BUFFERS_ARB, 1, WGL_SAMPLES_ARB, 4, 0},
     {{WGL_SAMPLE_BUFFERS_ARB, 1}, {WGL_SAMPLES_ARB, 4}, {WGL_DOUBLE_BUFFER_ARB, 1}, {WGL_RED_BITS_ARB, 8}}},
    {"floating-point", BufferFormat::RGBA16F, Context::SAMPLES_1,
     {0x2010, 1, 0x2003, 0x2027, 0x2001, 1, WGL_DOUBLE_BUFFER_ARB, 1, WGL_PIXEL_TYPE_ARB, WGL_TYPE_RGBA_FLOAT_ARB, 0},
     {{WGL_PIXEL_TYPE_ARB, WGL_TYPE_RGBA_FLOAT_ARB}, {WGL_RED_BITS_ARB, 16}, {WGL_ALPHA_BITS_ARB, 16}}},
    {"10-bit", BufferFormat(10, 10, 10, 2, 0, 24, false), Context::SAMPLES_1,
     {0x2010, 1, 0x2003, 0x2027, 0x2001, 1, WGL_DOUBLE_BUFFER_ARB, 1, WGL_RED_BITS_ARB, 10, WGL_ALPHA_BITS_ARB, 2, 0},
     {{WGL_RED_BITS_ARB, 10}, {WGL_ALPHA_BITS_ARB, 2}}},
};

}

class ExtendedPixelFormatTest : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }

    bool driverOffers(const Request& request)
    {
        const float noFloats[] = {0, 0};
        int format = 0;
        UINT count = 0;
        return _wcgmChoosePixelFormatARB(deviceContext(), request.driverRequest.data(), noFloats, 1, &format, &count) &&
               count > 0;
    }

    static int attribute(HDC dc, int name)
    {
        int value = -1;
        EXPECT_TRUE(_wcgmGetPixelFormatAttribivARB(dc, GetPixelFormat(dc), 0, 1, &name, &value));
        return value;
    }

    // Makes the context of the request on a fresh window, or, where the driver has no such format, sees it
    // fail and leave nothing behind; either way the context that was current is current again afterwards.
    void expectGrantedOrRefused(const Request& request)
    {
        SCOPED_TRACE(request.name);
        const HGLRC current = wglGetCurrentContext();
        const int windows = TestWindow::countOnThisThread();
        TestWindow window;
        CreatedWindows created;
        if (driverOffers(request))
            expectGranted(request, window);
        else
            expectFailure(thrownBy<LogicalException>([&] { make(request, window); }), kContextFile, 264,
                          "Can't find suitable pixel format.");
        EXPECT_EQ(current, wglGetCurrentContext());
        for (const std::string& name : created.classNames())
            EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
        window.destroy();
        EXPECT_EQ(windows, TestWindow::countOnThisThread());
    }

    static std::unique_ptr<ContextWindowed> make(const Request& request, const TestWindow& window)
    {
        return std::make_unique<ContextWindowed>(window.handle(), request.format, Context::DOUBLE_BUFFERED,
                                                 request.samples, nullptr);
    }

    static void expectGranted(const Request& request, const TestWindow& window)
    {
        const HGLRC current = wglGetCurrentContext();
        const auto made = make(request, window);
        EXPECT_EQ(current != nullptr ? current : made->renderContext(), wglGetCurrentContext());
        const HDC dc = made->deviceContext();
        for (const auto& [name, least] : request.granted)
            EXPECT_LE(least, attribute(dc, name)) << std::hex << name;

        int red = 0, green = 0, blue = 0, alpha = 0, stencil = 0, depth = 0;
        made->getBitDepths(&red, &green, &blue, &alpha, &stencil, &depth);
        EXPECT_LE(static_cast<int>(request.format.redBits()), red);
        EXPECT_LE(static_cast<int>(request.format.alphaBits()), alpha);
        EXPECT_LE(static_cast<int>(request.format.depthBits()), depth);

        const ScopedContextWrapper previous;
        made->makeCurrent();
        GLint samples = -1;
        glGetIntegerv(GL_SAMPLES_QUERY, &samples);
        EXPECT_EQ(request.samples > 1 ? static_cast<GLint>(request.samples) : 0, samples);
    }
};

TEST_F(ExtendedPixelFormatTest, RequestsAreGrantedWhereTheDriverOffersThemWhileAContextIsCurrent)
{
    for (const Request& request : kRequests)
        expectGrantedOrRefused(request);
}

// Each choice makes and removes a throw-away context on a hidden window.
TEST_F(ExtendedPixelFormatTest, RequestsAreGrantedWhereTheDriverOffersThemWhileNoneIsCurrent)
{
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
    for (const Request& request : kRequests)
        expectGrantedOrRefused(request);
}

// This display offers 4-sample formats.
TEST_F(ExtendedPixelFormatTest, MesaOffersMultisampling)
{
    EXPECT_TRUE(driverOffers(kRequests[0]));
}

TEST_F(ExtendedPixelFormatTest, SingleBufferedMultisamplingIsRefused)
{
    TestWindow window;
    expectFailure(thrownBy<LogicalException>([&] {
        ContextWindowed made(window.handle(), BufferFormat::RGBA8, Context::SINGLE_BUFFERED, Context::SAMPLES_4,
                             nullptr);
    }), kContextFile, 199, "Double buffering required with multisampling.");
    EXPECT_EQ(context(), wglGetCurrentContext());
}

// Checked once the driver's entry point is found, which needs a current context.
TEST_F(ExtendedPixelFormatTest, ChoiceOnANullDeviceContextIsRefused)
{
    TestContext chooser;
    expectFailure(thrownBy<InternalException>([&] {
        chooser.choosePixelFormat(nullptr, BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_4,
                                  Context::DRAW_TO_WINDOW);
    }), kContextFile, 134, "Context:choosePixelFormat invalid device context");
}

TEST_F(ExtendedPixelFormatTest, SwapIntervalIsReadBack)
{
    ASSERT_TRUE(Context::supportsVerticalRetraceControl());
    TestWindow window;
    ContextWindowed made(window.handle(), BufferFormat::RGBA8, Context::DOUBLE_BUFFERED, Context::SAMPLES_1, nullptr);
    made.makeCurrent();
    made.enableSyncToVerticalRetrace(true);
    EXPECT_EQ(1, _wcgmGetSwapIntervalEXT());
    made.enableSyncToVerticalRetrace(false);
    EXPECT_EQ(0, _wcgmGetSwapIntervalEXT());
}

// Only a table changed behind the manager's back can hold a null entry of a supported extension.
TEST_F(ExtendedPixelFormatTest, SwapIntervalIsNeverSetThroughANullEntry)
{
    const PFNWGLSWAPINTERVALEXTPROC loaded = _wcgmSwapIntervalEXT;
    _wcgmSwapIntervalEXT = nullptr;
    const auto e = thrownBy<InternalException>([&] { wrapped()->enableSyncToVerticalRetrace(true); });
    _wcgmSwapIntervalEXT = loaded;
    expectFailure(e, kContextFile, 349, "wglSwapIntervalEXT is not loaded: its version or extension was not initialised");
}

TEST_F(ExtendedPixelFormatTest, SwapControlNeedsTheLibrary)
{
    Library::terminateExtensionator();
    expectFailure(thrownBy<InternalException>([] { Context::supportsVerticalRetraceControl(); }),
                  "qel_ogl/extensionator/ExtensionManager.cpp", 129, "Enforce pInstance_ != NULL");
}
