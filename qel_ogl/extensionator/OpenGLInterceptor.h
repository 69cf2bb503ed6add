#pragma once

#include <cstddef>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class OpenGLInterceptorDecorator;

// The GL call chain: one operation per GL function, taking the caller's file and line first. Decorators
// (tracer, recorder) do their work and forward; the error checker at the bottom makes the real call.
class QEL_OGL_API OpenGLInterceptor
{
public:
    // The top of the chain; an empty chain first gets an OpenGLErrorChecker as its bottom.
    static OpenGLInterceptor* Instance();

    // Puts the decorator on top of the chain, above the current top. The chain does not own it.
    void addInterceptor(OpenGLInterceptorDecorator* decorator);

    // Takes the top decorator off and hands it back; null when the top is not a decorator.
    OpenGLInterceptorDecorator* popInterceptor();

    // Deletes the error checker and empties the chain; refused while a decorator is still installed.
    static void destroy();

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOperations.inc"

    virtual ~OpenGLInterceptor();

    OpenGLInterceptor(const OpenGLInterceptor&) = delete;
    OpenGLInterceptor& operator=(const OpenGLInterceptor&) = delete;

protected:
    OpenGLInterceptor() = default;

private:
    static OpenGLInterceptor* gInterceptor;
};

}}
