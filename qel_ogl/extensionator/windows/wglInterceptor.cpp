// The WGL chain, built like the GL chain: from the top (gInterceptor) down to wglErrorChecker, which calls
// the system. A plain global without a lock, used on the thread that owns the GL context.

#include "qel_ogl/extensionator/windows/wglInterceptor.h"

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ChainSupport.h"
#include "qel_ogl/extensionator/windows/wglErrorChecker.h"
#include "qel_ogl/extensionator/windows/wglInterceptorDecorator.h"

namespace QEL { namespace OGL {

// Null until the first Instance(); the chain owns only the error checker at its bottom.
wglInterceptor* wglInterceptor::gInterceptor = nullptr;

wglInterceptor::~wglInterceptor() = default;

wglInterceptor* wglInterceptor::Instance()
{
    if (gInterceptor == nullptr)
        gInterceptor = new wglErrorChecker();
    return gInterceptor;
}

// Uses no state of the object it is called on: hosts write Instance()->addInterceptor(decorator).
void wglInterceptor::addInterceptor(wglInterceptorDecorator* decorator)
{
    pushDecorator(gInterceptor, decorator);
}

// The host owns the decorator again and deletes it when it likes.
wglInterceptorDecorator* wglInterceptor::popInterceptor()
{
    return popDecorator<wglInterceptorDecorator>(gInterceptor);
}

// Only the error checker may be left when the chain goes; refused while a decorator of the host is still
// on top, and the chain then stays as it was.
//
// An empty chain has nothing to destroy: destroy() twice, or before any call, is harmless.
void wglInterceptor::destroy()
{
    if (gInterceptor == nullptr)
        return;

    // The check's line is part of its message; tests pin it.
    QEL_ENFORCE(dynamic_cast<wglErrorChecker *>(gInterceptor) != NULL);
    delete gInterceptor;
    gInterceptor = nullptr;
}

}}
