// ContextWrapped: a device context and rendering context that the host made itself, adopted so that the host
// can hand its own context to the library (Library::initializeExtensionator, AutoInitializer) and use
// makeCurrent, swapBuffers and getBitDepths on it.
//
// The wrapper borrows both handles. It does not make the context current, never releases the device context
// and never deletes the rendering context: when it goes, the host's context is exactly as it was, current if
// it was current, and alive. Its pixel format stays 0: getBitDepths reads the format that the host set from
// the device context itself.
//
// In return the host keeps both handles valid while the wrapper, and every library object that was given it,
// exists. Nothing here can tell a stale handle from a live one; only null handles are refused.

#include "qel_ogl/ogl/ContextWrapped.h"

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

// Both handles are stored only once both are known to be valid, so that a wrapper never holds half a
// context; until then they are the null handles of Context's own constructor.
ContextWrapped::ContextWrapped(HDC dc, HGLRC rc)
{
    // The device context first: a wrapper of two null handles is refused for its device context.
    // The checks' lines are part of their messages; hosts and tests pin them.
    //
    // (Each check stays on one line, so that its line is the one the message carries.)
    QEL_DESCRIBED_CHECK(dc != NULL, "ContextWrapped::ctor invalid device");
    QEL_DESCRIBED_CHECK(rc != NULL, "ContextWrapped::ctor invalid rendering context");
    hDC_ = dc;
    hRC_ = rc;
}

// Nothing to release: the handles stay the host's.
ContextWrapped::~ContextWrapped()
{
}

}}
