// The GL chain: a singly linked list of interceptors from the top (gInterceptor) down to the error checker.
// A host call enters at the top; each decorator does its work and calls the same operation on the element
// below it, and the error checker at the bottom makes the GL call. The chain is a plain global without a
// lock: it is built, used and torn down on the thread that owns the GL context. The library's own classes
// never call through it.

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ChainSupport.h"
#include "qel_ogl/extensionator/OpenGLErrorChecker.h"
#include "qel_ogl/extensionator/OpenGLInterceptorDecorator.h"

namespace QEL { namespace OGL {

// The top of the chain. Null until the first Instance(); the chain owns only the error checker at its
// bottom, never the decorators above it.
OpenGLInterceptor* OpenGLInterceptor::gInterceptor = nullptr;

OpenGLInterceptor::~OpenGLInterceptor() = default;

// The first call makes the error checker, so that a host can call the chain without any set-up; after
// destroy() the next call starts a fresh chain whose glBegin/glEnd state is cleared.
OpenGLInterceptor* OpenGLInterceptor::Instance()
{
    if (gInterceptor == nullptr)
        gInterceptor = new OpenGLErrorChecker();
    return gInterceptor;
}

// Uses no state of the object it is called on: hosts write Instance()->addInterceptor(decorator).
void OpenGLInterceptor::addInterceptor(OpenGLInterceptorDecorator* decorator)
{
    pushDecorator(gInterceptor, decorator);
}

// The host owns the decorator again and deletes it when it likes.
OpenGLInterceptorDecorator* OpenGLInterceptor::popInterceptor()
{
    return popDecorator<OpenGLInterceptorDecorator>(gInterceptor);
}

// Only the error checker may be left when the chain goes: a decorator still on top belongs to the host,
// which takes it off with popInterceptor first. Refused, the chain stays as it was, so a later call still
// reaches the decorator.
//
// Hosts call destroy() once at shut-down, after popping their decorators and before the GL context goes;
// library initialisation and termination never touch the chain.
//
// An empty chain has nothing to destroy: destroy() twice, or before any call, is harmless. Nothing of the
// entry-point table or of GL itself changes here; the checker holds no GL state but its glBegin/glEnd
// flag.
void OpenGLInterceptor::destroy()
{
    if (gInterceptor == nullptr)
        return;

    // The check's line is part of its message; tests pin it.
    QEL_ENFORCE(dynamic_cast<OpenGLErrorChecker *>(gInterceptor) != NULL);
    delete gInterceptor;
    gInterceptor = nullptr;
}

}}
