// Context on Windows: the handles of every library-made context and the one procedure that makes it
// (initialize): choose a pixel format for a BufferFormat, set it on the window's device context, create the
// rendering context, share display lists, make it current, and put back the context that was current before.
// Floating-point colour, multisampling and 10-bit colour cannot be asked for with a GDI descriptor: they need
// wglChoosePixelFormatARB, an extension entry point that only a current context reaches.
//
// initialize takes the window's device context with GetDC and gives it back when the rendering context goes
// (destroyContext) or when initialize fails; classes that borrow a host's handles pass through neither.
//
// Failures throw InternalException with this file and the line of the check, which hosts and tests pin: the
// operations keep their order and each check its line. A Windows error code is read straight after the failing
// call (composing the message may reset it) and follows the text in unsigned decimal. The messages name
// ContextWindowed and ContextOffscreen, whose constructors and destructors these steps serve.

#include "qel_ogl/ogl/Context.h"

#include <optional>
#include <sstream>
#include <string>

#include "qel_core/LogicalException.h"
#include "qel_ogl/Checks.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ScopedContextWrapper.h"

namespace QEL { namespace OGL {

// GDI takes the descriptor's size as its version: 40 bytes, the same on 32-bit and 64-bit Windows.
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "GDI's pixel-format descriptor is 40 bytes");

// initialize's helpers, defined beside it.
namespace {

bool needsExtendedPixelFormat(const BufferFormat& format, Context::teMultisample samples);
std::string extendedRequestRefusal(const BufferFormat& format, Context::teMultisample samples);

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

// The extended pixel-format chooser goes here, with what it needs: wglChoosePixelFormatARB for floating-point
// colour, multisampling and 10-bit colour, asked on the device context of a current context (a throw-away one
// on a hidden window when none is current). It answers an index that initialize sets on the window's device
// context like any other. The lines up to setPixelFormat are kept for it; until it is here, initialize
// refuses such requests.













































































































































































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

// Reads back what the driver chose, which may be more than was asked for. The format is read from the device
// context itself, so that a wrapped context of the host's reports the format the host set. A device context
// without a pixel format, or one whose format cannot be described, reports zeros.
void Context::getBitDepths(int* red, int* green, int* blue, int* alpha, int* stencil, int* depth) const
{
    // Not nPixelFormat_: it stays 0 for a wrapped context, whose pixel format the host set itself, and it is
    // stored before SetPixelFormat succeeds.
    const int nPixelFormat = GetPixelFormat(hDC_);
    PIXELFORMATDESCRIPTOR pfd = {};
    DescribePixelFormat(hDC_, nPixelFormat, sizeof pfd, &pfd);
    *red = pfd.cRedBits;
    *green = pfd.cGreenBits;
    *blue = pfd.cBlueBits;
    *alpha = pfd.cAlphaBits;
    *stencil = pfd.cStencilBits;
    *depth = pfd.cDepthBits;
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

// The swap-interval control (WGL_EXT_swap_control) goes here: whether the driver offers it, and presenting
// in step with the display's vertical retrace or not. Both need the extension manager, which the rest of this
// file does without.

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

// The handles, for the host's own WGL and GDI calls; null while the context has none, and after
// destroyContext.
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
    HGLRC hThrowAwayRC = NULL;
    try
    {
        QEL_DESCRIBED_CHECK(!needsExtendedPixelFormat(format, samples), extendedRequestRefusal(format, samples));
        hRC_ = setupRenderingContext(hDC_, format, buffering == DOUBLE_BUFFERED);

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
        discardFailedContext(hThrowAwayRC);
        throw LogicalException(e.file(), e.line(), e.text());
    }
    // Anything else passes on as it is, but leaves nothing behind either.
    catch (...)
    {
        discardFailedContext(hThrowAwayRC);
        throw;
    }
}

namespace {

// Floating-point colour, any sample count but one (none included) and 10-bit colour need the extended
// pixel-format choice; everything else is a plain descriptor request.
bool needsExtendedPixelFormat(const BufferFormat& format, Context::teMultisample samples)
{
    return format.floatingPointColor() || samples != Context::SAMPLES_1 || format.redBits() == 10;
}

// The message that refuses a request for the extended path, naming what sent it there.
std::string extendedRequestRefusal(const BufferFormat& format, Context::teMultisample samples)
{
    std::ostringstream text;
    text << "Context::initialize the extended pixel-format path is not available, asked for "
         << (format.floatingPointColor() ? "floating-point" : "integer") << " colour, " << static_cast<int>(samples)
         << " samples, " << format.redBits() << " red bits";
    return text.str();
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

// Undoes a failed initialize, so that nothing made there stays behind: no context current that was not current
// before, no rendering context, no device context taken from the window. A failure here is fatal: the handles
// are left in a state that nothing can repair, and its exception replaces the one being cleaned up.
void Context::discardFailedContext(HGLRC hThrowAwayRC)
{
    // Whatever is current goes, the new context or the throw-away one; initialize's ScopedContextWrapper puts
    // back what was current before it began.
    if (wglGetCurrentContext() != NULL || wglGetCurrentDC() != NULL)
    {
        const BOOL bReleased = wglMakeCurrent(NULL, NULL);
        QEL_DESCRIBED_CHECK(bReleased, "ContextWindowed::ContextWindowed failed to release context: fatal exception!");
    }

    // The throw-away context, when the extended choice failed before it removed it.
    if (hThrowAwayRC != NULL)
    {
        const BOOL bDeleted = wglDeleteContext(hThrowAwayRC);
        QEL_DESCRIBED_CHECK(bDeleted, "ContextWindowed::ContextWindowed failed to destroy context: fatal exception!");
    }

    // The hidden window that carried the throw-away context goes with it, once no context lives on it; the
    // extended choice makes and removes both together.

    // Then this context's own, if it was made before the failure, and the device context that initialize
    // took for it.
    if (hRC_ != NULL)
    {
        const BOOL bDeleted = wglDeleteContext(hRC_);
        QEL_DESCRIBED_CHECK(bDeleted, "ContextWindowed::ContextWindowed failed to destroy context: fatal exception!");
        hRC_ = NULL;
    }
    releaseDeviceContext();
}

// Unmakes a context that initialize made, for the destructors of the derived classes, which decide whether a
// failure may leave them (not while another exception propagates). Whatever is current is released, this
// rendering context deleted and its device context given back; a context that was current and is not this
// one is current again afterwards, with the device context it had. A failure of any step is fatal: the
// context is left half unmade.
void Context::destroyContext()
{
    // What is current now, to be put back at the end unless it is this context. A rendering context is current
    // with a device context, and comes back with the same one.
    const HDC hCurrentDC = wglGetCurrentDC();
    const HGLRC hCurrentRC = wglGetCurrentContext();
    const bool bRestore = hCurrentRC != NULL && hCurrentRC != hRC_;

    // Whatever is current is released first, so that no driver is asked to delete a current context (Windows
    // would release it on the way, other WGL implementations need not). A context other than this one is put
    // back at the end; this one stays released.
    if (hCurrentRC != NULL)
    {
        const BOOL bReleased = wglMakeCurrent(NULL, NULL);
        QEL_DESCRIBED_CHECK(bReleased, "ContextWindowed::~ContextWindowed failed to release context: fatal exception!");
    }

    // A context still current on another thread is not deleted.
    const BOOL bDeleted = wglDeleteContext(hRC_);
    QEL_DESCRIBED_CHECK(bDeleted, "ContextOffscreen::~ContextWindowed failed to delete rendering context: fatal exception");
    hRC_ = NULL;
    releaseDeviceContext();

    // The previous context comes back last, on its own device context, which nothing here touched.
    if (bRestore)
    {
        const BOOL bRestored = wglMakeCurrent(hCurrentDC, hCurrentRC);
        if (!bRestored)
            QEL_UNREACHABLE("ContextOffscreen::~ContextOffscreen failed to restore context");
    }
}

}}
