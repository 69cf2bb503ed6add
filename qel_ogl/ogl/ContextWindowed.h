#pragma once

#include "qel_ogl/ogl/Context.h"

namespace QEL { namespace OGL {

class BufferFormat;

// A rendering context on a window of the host's, presenting into it with swapBuffers. The window must outlive
// the context.
class QEL_OGL_API ContextWindowed : public Context
{
public:
    // Makes the context on the window; on return it is current, unless another context was current before,
    // which is then current again. A null window is refused. A constructor that throws leaves nothing behind.
    // Floating-point colour, a sample count other than 1 and 10 red bits need an initialised library.
    ContextWindowed(HWND window, const BufferFormat& format, teBuffering buffering, teMultisample samples,
                    Context* shareWith);
    // Deletes the rendering context and gives back the window's device context; a context other than this one
    // that was current is current again afterwards. A failure throws only when no other exception is
    // propagating.
    ~ContextWindowed() noexcept(false) override;

protected:
    // An empty context, for derived classes that make it themselves.
    ContextWindowed();
};

}}
