#pragma once

#include <windows.h>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class wglInterceptorDecorator;

// The WGL call chain: one operation per base WGL function (and GDI's SwapBuffers), taking the caller's
// file and line first. The bottom element, wglErrorChecker, forwards to the system.
class QEL_OGL_API wglInterceptor
{
public:
    // The top of the chain; an empty chain first gets a wglErrorChecker as its bottom.
    static wglInterceptor* Instance();

    // Puts the decorator on top of the chain, above the current top. The chain does not own it.
    void addInterceptor(wglInterceptorDecorator* decorator);

    // Takes the top decorator off and hands it back; null when the top is not a decorator.
    wglInterceptorDecorator* popInterceptor();

    // Deletes the error checker and empties the chain; refused while a decorator is still installed.
    static void destroy();

#include "qel_ogl/extensionator/generated/wglInterceptorOperations.inc"

    virtual ~wglInterceptor();

    wglInterceptor(const wglInterceptor&) = delete;
    wglInterceptor& operator=(const wglInterceptor&) = delete;

protected:
    wglInterceptor() = default;

private:
    static wglInterceptor* gInterceptor;
};

}}
