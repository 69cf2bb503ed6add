#pragma once

#include <windows.h>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class BufferFormat;
class InternalWindow;

// The base of the library's rendering contexts: a device context and an OpenGL rendering context, and the one
// procedure by which every library-made context comes to be (choose and set a pixel format, create the
// context, share display lists, make it current). Derived classes decide on which window the context lives,
// or adopt a context that the host made. Every operation acts on the calling thread's current context.
class QEL_OGL_API Context
{
public:
    // Each enumeration has the fixed type int, so that any int a caller casts to it is a value of the type
    // (without a fixed type, a value outside the enumerators' range would be undefined): 32 samples, say.
    enum teBuffering : int { SINGLE_BUFFERED = 0, DOUBLE_BUFFERED = 1 };

    // The number of samples per pixel: 1 is no multisampling, a larger count asks for that many samples. Any
    // count may be given (cast to the type); every value but 1 takes the extension path of pixel-format choice.
    enum teMultisample : int { SAMPLES_1 = 1, SAMPLES_2 = 2, SAMPLES_4 = 4, SAMPLES_8 = 8, SAMPLES_16 = 16 };

    // Any non-zero value counts as DRAW_TO_WINDOW.
    enum teWindowed : int { DRAW_TO_PBUFFER = 0, DRAW_TO_WINDOW = 1 };

    // Derived destructors may fail (they throw only when no other exception is propagating), which the base
    // must allow for them.
    virtual ~Context() noexcept(false);

    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    void makeCurrent();
    // Presents the back buffer; the result of GDI's SwapBuffers is ignored.
    void swapBuffers();
    // The bits of the pixel format that is set on the device context, which may exceed those asked for. A null
    // pointer skips its depth.
    void getBitDepths(int* red, int* green, int* blue, int* alpha, int* stencil, int* depth) const;

    HGLRC renderContext() const;
    HDC deviceContext() const;

    // Whether the driver offers swap-interval control (WGL_EXT_swap_control). Needs an initialised library.
    static bool supportsVerticalRetraceControl();
    // Presents the current context's frames in step with the display's vertical retrace, or as soon as they
    // are swapped; fails when the driver offers no swap-interval control.
    void enableSyncToVerticalRetrace(bool enable);

protected:
    Context();

    // Makes a context on the window: on success it is current, unless another context was current before,
    // which is then current again. On failure everything made here is released again, and a LogicalException
    // copy of the failure is thrown.
    void initialize(HWND window, const BufferFormat& format, teBuffering buffering, teMultisample samples,
                    Context* shareWith);

    // The descriptor path of pixel-format choice (integer colour, one sample).
    int choosePixelFormat(HDC dc, const BufferFormat& format, bool doubleBuffered);
    // The extension path (wglChoosePixelFormatARB of the current context's driver), through the device
    // context of a current context: floating-point colour, multisampling and 10-bit colour.
    int choosePixelFormat(HDC dc, const BufferFormat& format, teBuffering buffering, teMultisample samples,
                          teWindowed windowed);
    void setPixelFormat(HDC dc, int pixelFormat);
    HGLRC createRenderingContext(HDC dc);
    HGLRC setupRenderingContext(HDC dc, const BufferFormat& format, bool doubleBuffered);
    void shareLists(HGLRC other);
    // Deletes this rendering context and releases the device context that initialize took, putting back
    // another context that was current.
    void destroyContext();
    // Always fails: the extensions are set up by Library::initializeExtensionator.
    void initializeExtensions();

    HDC hDC_;
    HGLRC hRC_;
    int nPixelFormat_;

private:
    // What the extension path makes to reach the driver when no context is current: a hidden window with a
    // plain context on it, removed again once the format is chosen.
    struct ThrowAwayContext
    {
        InternalWindow* pWindow = NULL;
        HGLRC hRC = NULL;
    };

    HGLRC setupExtendedRenderingContext(HDC dc, const BufferFormat& format, teBuffering buffering,
                                        teMultisample samples, ThrowAwayContext& throwAway);
    HDC makeThrowAwayContext(ThrowAwayContext& throwAway);
    static void DiscardThrowAwayContext(ThrowAwayContext& throwAway);
    void releaseDeviceContext();
    void discardFailedContext(ThrowAwayContext& throwAway);

    // The window whose device context initialize took with GetDC; that device context is released with the
    // rendering context. Null while the device context is borrowed (ContextWrapped, ScopedContextWrapper).
    HWND hWnd_;
};

}}
