#pragma once

#include "qel_ogl/ogl/Context.h"

namespace QEL { namespace OGL {

class InternalWindow;

// A rendering context without a window of the host's: an ordinary window context on a hidden window of the
// library's own (not a pbuffer), for GL work whose results no window of the host's presents. Its format is
// fixed: 8 bits each of red, green and blue, no alpha, depth or stencil, single-buffered, one sample.
class QEL_OGL_API ContextOffscreen : public Context
{
public:
    // Makes the window and the context, sharing display lists with shareWith if given. On return the new
    // context is current, unless another context was current before, which is then current again. A
    // constructor that throws leaves neither window nor context behind.
    explicit ContextOffscreen(Context* shareWith = 0);
    // Deletes the rendering context, then the window; a context other than this one that was current is
    // current again afterwards. A failure throws only when no other exception is propagating.
    ~ContextOffscreen() noexcept(false) override;

private:
    InternalWindow* pWindow_;
};

}}
