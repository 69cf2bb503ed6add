#pragma once

#include "qel_ogl/ogl/Context.h"

namespace QEL { namespace OGL {

// Puts back, at the end of a scope, the context that was current on the calling thread when the scope began
// (none included). It borrows that device context and rendering context and owns neither.
class QEL_OGL_API ScopedContextWrapper : public Context
{
public:
    ScopedContextWrapper();
    // Puts the captured context back. A failure throws only when no other exception is propagating.
    ~ScopedContextWrapper() noexcept(false) override;

    // Puts the captured context back now, so that a failure can be handled where the work was done; the
    // destructor then has nothing left to do unless the current context changes again.
    void restore();
};

}}
