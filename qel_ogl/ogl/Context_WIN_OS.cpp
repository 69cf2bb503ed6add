// Context on Windows: the handles of every library-made context and the one procedure that makes it (initialize):
// choose a pixel format, set it on the window's device context, create the rendering context, share display
// lists, make it current, and put back the context that was current before. The window's device context from
// GetDC goes back with the rendering context (destroyContext) or when initialize fails.
// Failures throw InternalException with this file and the line of the check, which hosts and tests pin. A Windows
// error code is read straight after the failing call (composing the message may reset it) and follows the text
// in unsigned decimal. The messages name ContextWindowed and ContextOffscreen, whose steps these are.

#include "qel_ogl/ogl/Context.h"

#include <optional>
#include <vector>

#include "qel_core/LogicalException.h"
#include "qel_ogl/Checks.h"
#include "qel_ogl/InternalWindow.h"
#include "qel_ogl/Teardown.h"
#include "qel_ogl/extensionator/LoaderSupport.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/ScopeGuard.h"
#include "qel_ogl/ogl/ScopedContextWrapper.h"

namespace QEL { namespace OGL {

// GDI takes the descriptor's size as its version: 40 bytes, the same on 32-bit and 64-bit Windows.
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "GDI's pixel-format descriptor is 40 bytes");

// The extended choice's helpers, defined beside it.
namespace {

std::vector<int> pixelFormatAttributes(const BufferFormat& format, Context::teBuffering buffering,
                                       Context::teMultisample samples, Context::teWindowed windowed);
int firstMatchingFormat(PFNWGLCHOOSEPIXELFORMATARBPROC choose, HDC dc, const std::vector<int>& attributes);

}

// Makes this context current on the calling thread with its own device context, in place of whatever was
// current there. For a context whose handles are both null (a ScopedContextWrapper that found nothing
// current) this releases whatever is current.
void Context::makeCurrent()
{
    const BOOL bCurrent = wglMakeCurrent(hDC_, hRC_);
    const DWORD nError = GetLastError();
    QEL_DESCRIBED_CHECK(bCurrent, "Context::can't make this context current" << nError);
}

// Presents the back buffer in the window. A single-buffered format has no back buffer to present, and GDI's
// answer tells the caller nothing to act on.
void Context::swapBuffers()
{
    SwapBuffers(hDC_);
}

// wglShareLists takes the context whose display lists are shared first; this context then uses the same
// display-list and texture-object space. The receiving context must not hold any of its own yet, which is why
// initialize shares right after creating the context, before anything can have been drawn with it.
void Context::shareLists(HGLRC other)
{
    QEL_DESCRIBED_CHECK(wglShareLists(other, hRC_), "Context::shareLists cannot share lists.");
}

// The extension manager is one for the process. Library::initializeExtensionator creates it for a context
// that it is given and reads the driver's answers with; a context cannot set it up for itself, and a host
// that still calls this learns so at once.
void Context::initializeExtensions()
{
    throwInternal(__FILE__, __LINE__, "We can't initialize Extensions automatically any more with the new Singleton scheme");
}

// The descriptor path: integer colour, one sample. ChoosePixelFormat answers the closest format the driver
// has, which may hold more than was asked for (getBitDepths tells what it holds).
int Context::choosePixelFormat(HDC dc, const BufferFormat& format, bool doubleBuffered)
{
    QEL_DESCRIBED_CHECK(dc != NULL, "Context:choosePixelFormat invalid device context");

    // Everything not set here stays 0: no separate red, green and blue depths (the total and the alpha depth
    // are what ChoosePixelFormat matches), no accumulation buffer, no auxiliary buffers, the main plane, no
    // visibility masks.
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;

    // Every library context lives on a window, the off-screen one on a hidden window of its own. A
    // single-buffered request leaves the flag out rather than asking for "don't care", so that the driver
    // prefers a single-buffered format where it has one. GDI drawing is not asked for: formats that allow it
    // are the generic software ones, and a request for it would rule out the driver's own.
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (doubleBuffered)
        pfd.dwFlags |= PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;

    // The colour depth counts alpha too. The floating-point flag of the format is not looked at: a
    // floating-point format never comes this way. A descriptor holds each depth in a byte, well above any
    // depth that a driver offers.
    const unsigned nColorBits = format.redBits() + format.greenBits() + format.blueBits() + format.alphaBits();
    pfd.cColorBits = static_cast<BYTE>(nColorBits);
    pfd.cAlphaBits = static_cast<BYTE>(format.alphaBits());
    pfd.cDepthBits = static_cast<BYTE>(format.depthBits());
    pfd.cStencilBits = static_cast<BYTE>(format.stencilBits());

    // ChoosePixelFormat answers the nearest format rather than an exact one, so a 0 means that the device
    // context offers no OpenGL format at all, or that the handle is not a device context. The index is not
    // set here: setPixelFormat does that, once per window.
    const int nPixelFormat = ChoosePixelFormat(dc, &pfd);
    const DWORD nError = GetLastError();
    QEL_DESCRIBED_CHECK(nPixelFormat != 0, "Cannot create OpenGL Context. Can't find suitable format. Windows error " << nError);
    return nPixelFormat;
}

// The extended pixel-format choice: wglChoosePixelFormatARB, for what a GDI descriptor cannot ask for
// (floating-point colour, multisampling, 10-bit colour). The entry point is the driver's, and only a current
// context reaches it: with none current, initialize makes a throw-away context on a hidden window for the
// choice. The chosen index is set on the window's device context like any other.

// The driver behind the current context is asked. Its entry point is looked up for each choice rather than
// taken from the table, which holds those of the context that the library was initialised with.
int Context::choosePixelFormat(HDC dc, const BufferFormat& format, teBuffering buffering, teMultisample samples,
                               teWindowed windowed)
{
    PFNWGLCHOOSEPIXELFORMATARBPROC choose = NULL;
    fetch(choose, "wglChoosePixelFormatARB");
    // Null also when no context is current.
    QEL_DESCRIBED_CHECK(choose != NULL, "wglChoosePixelFormatARB extension not supported");

    // The device context tells the driver whose formats to choose from: the current context's, whose driver
    // answers. A pixel-format index means the same on every device context of a display, so the index chosen
    // there is then set on the window's own device context.
    //
    // The request is checked while the attribute list is built, before the driver is asked: a multisampled
    // format must be double-buffered. Of the formats that match, only the driver's best one is asked for, and
    // no attribute is given as a floating-point value.
    QEL_DESCRIBED_CHECK(dc != NULL, "Context:choosePixelFormat invalid device context");
    return firstMatchingFormat(choose, dc, pixelFormatAttributes(format, buffering, samples, windowed));
}

// The extension branch of initialize: chooses the format through the driver of a current context (a
// throw-away one when none is current, removed again once the choice is made), then sets it on the window's
// device context and creates the context there. Everything here needs an initialised library; the
// descriptor path never does.
HGLRC Context::setupExtendedRenderingContext(HDC dc, const BufferFormat& format, teBuffering buffering,
                                             teMultisample samples, ThrowAwayContext& throwAway)
{
    const HDC hChoiceDC = wglGetCurrentContext() != NULL ? wglGetCurrentDC() : makeThrowAwayContext(throwAway);
    // Fails with the manager's own exception when the library is off.
    ExtensionManager::Instance();
    const int nPixelFormat = choosePixelFormat(hChoiceDC, format, buffering, samples, DRAW_TO_WINDOW);
    DiscardThrowAwayContext(throwAway);
    setPixelFormat(dc, nPixelFormat);
    return createRenderingContext(dc);
}

namespace {

// The attribute names and values of WGL_ARB_pixel_format, WGL_ARB_pbuffer and WGL_ARB_multisample, and the
// floating-point pixel type of WGL_ARB_pixel_format_float (WGL_ATI_pixel_format_float has the same number),
// as the registry numbers them.
enum
{
    WGL_DRAW_TO_WINDOW_ARB = 0x2001,
    WGL_ACCELERATION_ARB = 0x2003,
    WGL_SUPPORT_OPENGL_ARB = 0x2010,
    WGL_DOUBLE_BUFFER_ARB = 0x2011,
    WGL_PIXEL_TYPE_ARB = 0x2013,
    WGL_COLOR_BITS_ARB = 0x2014,
    WGL_RED_BITS_ARB = 0x2015,
    WGL_GREEN_BITS_ARB = 0x2017,
    WGL_BLUE_BITS_ARB = 0x2019,
    WGL_ALPHA_BITS_ARB = 0x201B,
    WGL_DEPTH_BITS_ARB = 0x2022,
    WGL_STENCIL_BITS_ARB = 0x2023,
    WGL_FULL_ACCELERATION_ARB = 0x2027,
    WGL_TYPE_RGBA_ARB = 0x202B,
    WGL_DRAW_TO_PBUFFER_ARB = 0x202D,
    WGL_SAMPLE_BUFFERS_ARB = 0x2041,
    WGL_SAMPLES_ARB = 0x2042,
    WGL_TYPE_RGBA_FLOAT_ARB = 0x21A0
};

// A pbuffer format is asked not to draw to a window, so that the driver does not answer a window format
// that also offers pbuffers. No operation of the library asks for a pbuffer format yet; the branch keeps the
// request complete.
void appendDrawable(std::vector<int>& attributes, Context::teWindowed windowed)
{
    if (windowed != Context::DRAW_TO_PBUFFER)
        attributes.insert(attributes.end(), {WGL_DRAW_TO_WINDOW_ARB, 1});
    else
        attributes.insert(attributes.end(), {WGL_DRAW_TO_PBUFFER_ARB, 1, WGL_DRAW_TO_WINDOW_ARB, 0});
}

// One sample asks for no sample buffer; 0 asks for none either, but still takes this path. The library makes
// multisampled contexts only with a back buffer, whose samples are resolved when a frame is presented; the
// request is refused before the driver is asked, since a driver may well offer a single-buffered format.
void appendSamples(std::vector<int>& attributes, Context::teBuffering buffering, Context::teMultisample samples)
{
    if (static_cast<int>(samples) <= 1)
        return;
    QEL_DESCRIBED_CHECK(buffering == Context::DOUBLE_BUFFERED, "Double buffering required with multisampling.");
    attributes.insert(attributes.end(), {WGL_SAMPLE_BUFFERS_ARB, 1, WGL_SAMPLES_ARB, static_cast<int>(samples)});
}

// Pairs of name and value, closed by a 0; the driver matches depths and samples as minimums, the rest exactly.
// Floating-point colour is a pixel type of its own, a value of WGL_PIXEL_TYPE_ARB.
std::vector<int> pixelFormatAttributes(const BufferFormat& format, Context::teBuffering buffering,
                                       Context::teMultisample samples, Context::teWindowed windowed)
{
    std::vector<int> attributes = {
        WGL_SUPPORT_OPENGL_ARB, 1,
        WGL_ACCELERATION_ARB, WGL_FULL_ACCELERATION_ARB,
        WGL_PIXEL_TYPE_ARB, format.floatingPointColor() ? WGL_TYPE_RGBA_FLOAT_ARB : WGL_TYPE_RGBA_ARB,
        WGL_COLOR_BITS_ARB, static_cast<int>(format.redBits() + format.greenBits() + format.blueBits() + format.alphaBits()),
        WGL_RED_BITS_ARB, static_cast<int>(format.redBits()),
        WGL_GREEN_BITS_ARB, static_cast<int>(format.greenBits()),
        WGL_BLUE_BITS_ARB, static_cast<int>(format.blueBits()),
        WGL_ALPHA_BITS_ARB, static_cast<int>(format.alphaBits()),
        WGL_DEPTH_BITS_ARB, static_cast<int>(format.depthBits()),
        WGL_STENCIL_BITS_ARB, static_cast<int>(format.stencilBits()),
        WGL_DOUBLE_BUFFER_ARB, buffering == Context::DOUBLE_BUFFERED ? 1 : 0,
    };
    appendDrawable(attributes, windowed);
    appendSamples(attributes, buffering, samples);
    attributes.push_back(0);
    return attributes;
}

}

// A plain context on a hidden window of its own, made current for the choice; its device context is the
// window class's own and is not given back. Whatever is made is noted in throwAway at once, for the clean-up.
HDC Context::makeThrowAwayContext(ThrowAwayContext& throwAway)
{
    throwAway.pWindow = new InternalWindow();
    const HDC hDC = GetDC(throwAway.pWindow->handle());
    throwAway.hRC = setupRenderingContext(hDC, BufferFormat(BufferFormat::RGB8), false);
    const BOOL bCurrent = wglMakeCurrent(hDC, throwAway.hRC);
    const DWORD nError = GetLastError();
    QEL_DESCRIBED_CHECK(bCurrent, "Context::choosePixelFormat can't make the throw-away context current" << nError);
    return hDC;
}

// The choice is made, and nothing here can change it: the results are not looked at. Nothing was current before
// the throw-away context, so nothing is afterwards.
void Context::DiscardThrowAwayContext(ThrowAwayContext& throwAway)
{
    if (throwAway.pWindow == NULL)
        return;
    wglMakeCurrent(NULL, NULL);
    wglDeleteContext(throwAway.hRC);
    InternalWindow::DeleteIgnoringFailure(throwAway.pWindow);
    throwAway = ThrowAwayContext();
}

namespace {

// The driver orders the matching formats best first; only the first is asked for. No attribute is given as a
// floating-point value (that list holds only zeros). A driver may answer success with no format when none matches.
int firstMatchingFormat(PFNWGLCHOOSEPIXELFORMATARBPROC choose, HDC dc, const std::vector<int>& attributes)
{
    const FLOAT floatAttributes[] = {0.0f, 0.0f};
    int nPixelFormat = 0;
    UINT nFormats = 0;
    const BOOL bChosen = choose(dc, attributes.data(), floatAttributes, 1, &nPixelFormat, &nFormats);
    QEL_DESCRIBED_CHECK(bChosen && nFormats > 0, "Can't find suitable pixel format.");
    return nPixelFormat;
}

// Floating-point colour, any sample count but one (none included) and 10-bit colour need the extended
// pixel-format choice; everything else is a plain descriptor request.
bool needsExtendedPixelFormat(const BufferFormat& format, Context::teMultisample samples)
{
    return format.floatingPointColor() || samples != Context::SAMPLES_1 || format.redBits() == 10;
}

}

// An empty context: no device context, no rendering context, no pixel format. The derived classes' constructors
// fill it, by initialize or by adopting a host's handles.
Context::Context()
    : hDC_(NULL), hRC_(NULL), nPixelFormat_(0), hWnd_(NULL)
{
}

// The derived classes release what they own: a windowed or off-screen context unmakes its rendering context
// (destroyContext), a wrapped one leaves the host's handles alone.
Context::~Context() noexcept(false)
{
}

// The index is stored before it is set, so that after a failure the context still tells which it tried. A
// window takes a pixel format only once: setting another one on it later fails.
void Context::setPixelFormat(HDC dc, int pixelFormat)
{
    QEL_DESCRIBED_CHECK(pixelFormat > 0, "Context::setPixelFormat invalid pixel format " << pixelFormat);
    nPixelFormat_ = pixelFormat;
    // The index alone selects the format: GDI keeps the descriptor only for metafile records, so it carries
    // no request beyond its size.
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    const BOOL bSet = SetPixelFormat(dc, pixelFormat, &pfd);
    const DWORD nError = GetLastError();
    QEL_DESCRIBED_CHECK(bSet, "Context::setPixelFormat Unable to set pixel format %i on device context. Window Error: " << nError);
}

// Reads back what the driver chose, which may be more than was asked for, from the device context itself, so
// that a wrapped context of the host's reports the format the host set; a format that cannot be described
// reports zeros. A null pointer skips its depth: a host asks only for the depths it wants.
void Context::getBitDepths(int* red, int* green, int* blue, int* alpha, int* stencil, int* depth) const
{
    // Not nPixelFormat_: it stays 0 for a wrapped context, whose pixel format the host set itself, and it is
    // stored before SetPixelFormat succeeds.
    const int nPixelFormat = GetPixelFormat(hDC_);
    PIXELFORMATDESCRIPTOR pfd = {};
    DescribePixelFormat(hDC_, nPixelFormat, sizeof pfd, &pfd);
    if (red != NULL) *red = pfd.cRedBits;
    if (green != NULL) *green = pfd.cGreenBits;
    if (blue != NULL) *blue = pfd.cBlueBits;
    if (alpha != NULL) *alpha = pfd.cAlphaBits;
    if (stencil != NULL) *stencil = pfd.cStencilBits;
    if (depth != NULL) *depth = pfd.cDepthBits;
}

// Creates a rendering context for the device context; it takes the pixel format of the device context's
// window, which must be set first. The caller owns the new context, which is current nowhere until it is made
// current.
HGLRC Context::createRenderingContext(HDC dc)
{
    QEL_DESCRIBED_CHECK(dc != NULL, "Context:createRenderingContext invalid device context");
    // A pixel format can be set on a window only once, so a failure here cannot be retried with another
    // format on the same window.
    const HGLRC hRC = wglCreateContext(dc);
    QEL_DESCRIBED_CHECK(hRC != NULL, "Context::createRenderingContext Can't create rendering context");
    return hRC;
}

// Whether the driver offers swap-interval control (WGL_EXT_swap_control), as the extension manager found it;
// fails with the manager's own exception when the library is off.
bool Context::supportsVerticalRetraceControl()
{
    return ExtensionManager::Instance()->isSupported(ExtensionManager::WGL_EXT_SWAP_CONTROL);
}

// Presents in step with the display's vertical retrace (swap interval 1) or at once (0), for the current
// context. Called straight through the table, not through an interceptor; the driver's answer is ignored.
void Context::enableSyncToVerticalRetrace(bool enable)
{
    QEL_DESCRIBED_CHECK(supportsVerticalRetraceControl(), "ContextWindowed::enableSyncToVerticalRetrace unsupported feature");
    // Never through a null entry, which only a table changed behind the manager's back can hold.
    loadedEntryPoint(_wcgmSwapIntervalEXT, __FILE__, __LINE__, "wglSwapIntervalEXT")(enable ? 1 : 0);
}

// The handles, for the host's own WGL and GDI calls; null while the context has none, and after
// destroyContext. The device context stays the window's: a host that draws into it with GDI does so on a
// window with a pixel format of its own.
HGLRC Context::renderContext() const
{
    return hRC_;
}

HDC Context::deviceContext() const
{
    return hDC_;
}

// The descriptor path from request to rendering context; the chosen index becomes this context's pixel format.
// The rendering context is returned, not stored: the throw-away context of the extended choice is made so too.
HGLRC Context::setupRenderingContext(HDC dc, const BufferFormat& format, bool doubleBuffered)
{
    setPixelFormat(dc, choosePixelFormat(dc, format, doubleBuffered));
    return createRenderingContext(dc);
}

// Makes this context on the window: the window's device context, a pixel format and a rendering context on
// it, display lists shared with shareWith if given, and the new context made current.
//
// Whatever was current when initialize began is current again when it ends, by success or by failure; when
// nothing was, the new context stays current. Only a ScopedContextWrapper that found a context current is
// made, since one that found none would release the new context again. The new context is made current even
// when the previous one comes back: that proves it usable before initialize returns.
void Context::initialize(HWND window, const BufferFormat& format, teBuffering buffering, teMultisample samples,
                         Context* shareWith)
{
    std::optional<ScopedContextWrapper> previous;
    if (wglGetCurrentContext() != NULL)
        previous.emplace();

    // GetDC of a null window answers the whole screen's device context: never make a context on the desktop.
    hDC_ = window != NULL ? GetDC(window) : NULL;
    QEL_DESCRIBED_CHECK(hDC_ != NULL, "ContextWindowed::ctor invalid DC on window");
    hWnd_ = window;
    // Made by the extended pixel-format choice when no context is current, and removed by it again.
    ThrowAwayContext throwAway;
    try
    {
        hRC_ = needsExtendedPixelFormat(format, samples)
                   ? setupExtendedRenderingContext(hDC_, format, buffering, samples, throwAway)
                   : setupRenderingContext(hDC_, format, buffering == DOUBLE_BUFFERED);

        // Shared while the new context is still empty, before it is current.
        if (shareWith != NULL)
            shareLists(shareWith->renderContext());
        makeCurrent();

        // Put back here, so that a failure to put it back is cleaned up too; the destructor then finds nothing
        // to do, and std::optional needs it not to throw.
        if (previous)
            previous->restore();
    }
    // Every check of the steps throws InternalException. The host gets a plain LogicalException copy: where
    // the failure happened, not which kind of check it was.
    catch (const LogicalException& e)
    {
        discardFailedContext(throwAway);
        throw LogicalException(e.file(), e.line(), e.text());
    }
    // Anything else passes on as it is, but leaves nothing behind either.
    catch (...)
    {
        discardFailedContext(throwAway);
        throw;
    }
}

// The device context from GetDC goes back to the window: for a window with its own or its class's device
// context this changes nothing, for any other window it would leak one device context per context. ReleaseDC's
// answer only tells which of the two it was. The window is forgotten, so that it is given back once.
void Context::releaseDeviceContext()
{
    if (hWnd_ == NULL)
        return;
    ReleaseDC(hWnd_, hDC_);
    hWnd_ = NULL;
    hDC_ = NULL;
}

// The clean-up's checks keep the lines that their exceptions carry (466, 473 and 484); the free lines before
// them are left for later additions, so that nothing added moves them.















// Undoes a failed initialize, so that nothing made there stays behind: no context current that was not current
// before, no rendering context, no hidden window, no device context taken from the window. Every step is taken
// even after one failed. A failure here is fatal (the handles are in a state that nothing can repair): the
// first one is thrown at the end, in place of the exception being cleaned up.
void Context::discardFailedContext(ThrowAwayContext& throwAway)
{
    Teardown teardown;
    // Whatever is current goes, the new context or the throw-away one; initialize's ScopedContextWrapper puts
    // back what was current before it began.
    teardown.step([] {
        if (wglGetCurrentContext() == NULL && wglGetCurrentDC() == NULL)
            return;
        const BOOL bReleased = wglMakeCurrent(NULL, NULL);
        QEL_DESCRIBED_CHECK(bReleased, "ContextWindowed::ContextWindowed failed to release context: fatal exception!");
    });
    // The throw-away context, when the extended choice failed before it removed it.
    teardown.step([&throwAway] {
        if (throwAway.hRC == NULL)
            return;
        const BOOL bDeleted = wglDeleteContext(throwAway.hRC);
        QEL_DESCRIBED_CHECK(bDeleted, "ContextWindowed::ContextWindowed failed to destroy context: fatal exception!");
    });
    // The hidden window that carried it goes once no context lives on it. Its own failure is not the one to
    // report: nothing is left on it that a caller could use.
    InternalWindow::DeleteIgnoringFailure(throwAway.pWindow);
    // Then this context's own, if it was made before the failure, and the device context that initialize took
    // for it.
    teardown.step([this] {
        if (hRC_ == NULL)
            return;
        const BOOL bDeleted = wglDeleteContext(hRC_);
        QEL_DESCRIBED_CHECK(bDeleted, "ContextWindowed::ContextWindowed failed to destroy context: fatal exception!");
        hRC_ = NULL;
    });
    releaseDeviceContext();
    teardown.finish();
}

// Unmakes a context that initialize made, for the destructors of the derived classes, which decide whether a
// failure may leave them (not while another exception propagates). Whatever is current is released, this
// rendering context deleted and its device context given back; a context that was current and is not this one
// is current again afterwards, with the device context it had, also when a step fails. Any failure is fatal.
void Context::destroyContext()
{
    // On every exit the previous context comes back first (after another failure, a failure to put it back is
    // not the one to report), then the device context goes, unless this context is still current on it.
    ScopeGuard releaseDC([this] { if (hRC_ == NULL || wglGetCurrentContext() != hRC_) releaseDeviceContext(); });
    std::optional<ScopedContextWrapper> previous;
    const HGLRC hCurrentRC = wglGetCurrentContext();
    if (hCurrentRC != NULL && hCurrentRC != hRC_)
        previous.emplace();

    // Released first: no driver is asked to delete a current context. This one, if current, stays released.
    if (hCurrentRC != NULL)
    {
        const BOOL bReleased = wglMakeCurrent(NULL, NULL);
        QEL_DESCRIBED_CHECK(bReleased, "ContextWindowed::~ContextWindowed failed to release context: fatal exception!");
    }

    // A context still current on another thread is not deleted.
    const BOOL bDeleted = wglDeleteContext(hRC_);
    QEL_DESCRIBED_CHECK(bDeleted, "ContextOffscreen::~ContextWindowed failed to delete rendering context: fatal exception");
    hRC_ = NULL;

    // Put back here, so that a failure to put it back is reported; the wrapper's destructor then finds nothing
    // left to do.
    if (previous)
    {
        const BOOL bRestored = wglMakeCurrent(previous->deviceContext(), previous->renderContext());
        if (!bRestored)
            QEL_UNREACHABLE("ContextOffscreen::~ContextOffscreen failed to restore context");
    }
}

}}
