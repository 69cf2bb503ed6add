#include "qel_ogl/intercept/SessionWglDecorator.h"

#include "qel_ogl/intercept/InterceptionSession.h"

namespace QEL { namespace OGL {

SessionWglDecorator::SessionWglDecorator(InterceptionSession& session)
    : session_(session)
{
}

SessionWglDecorator::~SessionWglDecorator() = default;

int SessionWglDecorator::wcgmMakeCurrent(const char* file, unsigned line, HDC hdc, HGLRC hglrc)
{
    const int made = next().wcgmMakeCurrent(file, line, hdc, hglrc);
    if (made)
        session_.contextMadeCurrent(hdc, hglrc);
    return made;
}

// The library goes off while the context still exists, and on again for a context that is still current.
int SessionWglDecorator::wcgmDeleteContext(const char* file, unsigned line, HGLRC hglrc)
{
    session_.contextDeleting(hglrc);
    const int deleted = next().wcgmDeleteContext(file, line, hglrc);
    session_.contextDeleted();
    return deleted;
}

PROC SessionWglDecorator::wcgmGetProcAddress(const char* file, unsigned line, LPCSTR name)
{
    return session_.procAddress(name, next().wcgmGetProcAddress(file, line, name));
}

// The frame is saved before the swap makes its back buffer undefined.
int SessionWglDecorator::wcgmSwapBuffers(const char* file, unsigned line, HDC hdc)
{
    session_.beforeSwap(hdc);
    const int swapped = next().wcgmSwapBuffers(file, line, hdc);
    session_.afterSwap();
    return swapped;
}

}}
