#include "qel_ogl/ogl/ScopedContextWrapper.h"

#include <exception>

namespace QEL { namespace OGL {

ScopedContextWrapper::ScopedContextWrapper()
{
    hRC_ = wglGetCurrentContext();
    hDC_ = wglGetCurrentDC();
}

// Throwing while another exception propagates would end the program; the failure that started the unwinding
// is the one the caller needs to see.
ScopedContextWrapper::~ScopedContextWrapper() noexcept(false)
{
    try
    {
        restore();
    }
    catch (...)
    {
        if (std::uncaught_exceptions() == 0)
            throw;
    }
}

// The same rendering context on another device context counts as a change too. With nothing captured,
// makeCurrent releases whatever is current.
void ScopedContextWrapper::restore()
{
    if (wglGetCurrentContext() != hRC_ || wglGetCurrentDC() != hDC_)
        makeCurrent();
}

}}
