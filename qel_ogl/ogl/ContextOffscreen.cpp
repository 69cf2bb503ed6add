// ContextOffscreen: a rendering context on the library's hidden window, which it owns. The window goes after
// the context on it; the failures of both pass to the caller with their own files and lines.

#include "qel_ogl/ogl/ContextOffscreen.h"

#include "qel_ogl/InternalWindow.h"
#include "qel_ogl/Teardown.h"
#include "qel_ogl/ogl/BufferFormat.h"

namespace QEL { namespace OGL {

// The format always takes the descriptor path: no extension and no initialised library are needed.
ContextOffscreen::ContextOffscreen(Context* shareWith)
    : pWindow_(new InternalWindow())
{
    try
    {
        initialize(pWindow_->handle(), BufferFormat(BufferFormat::RGB8), SINGLE_BUFFERED, SAMPLES_1, shareWith);
    }
    // The destructor does not run for a constructor that throws; the failure of initialize is the one to report.
    catch (...)
    {
        InternalWindow::DeleteIgnoringFailure(pWindow_);
        throw;
    }
}

// The window goes even when the context could not be unmade: nothing could use it any more.
ContextOffscreen::~ContextOffscreen() noexcept(false)
{
    Teardown teardown;
    teardown.step([this] { destroyContext(); });
    teardown.step([this] { delete pWindow_; });
    teardown.finish();
}

}}
