// ContextWindowed: a rendering context on the host's window. Everything it does is Context's: initialize
// makes it, destroyContext unmakes it; the failures carry Context_WIN_OS's file and lines.

#include "qel_ogl/ogl/ContextWindowed.h"

#include "qel_ogl/Teardown.h"

namespace QEL { namespace OGL {

ContextWindowed::ContextWindowed(HWND window, const BufferFormat& format, teBuffering buffering,
                                 teMultisample samples, Context* shareWith)
{
    initialize(window, format, buffering, samples, shareWith);
}

ContextWindowed::ContextWindowed()
{
}

// A derived class that never made its context leaves nothing to unmake.
ContextWindowed::~ContextWindowed() noexcept(false)
{
    if (hRC_ == NULL)
        return;
    Teardown teardown;
    teardown.step([this] { destroyContext(); });
    teardown.finish();
}

}}
