#pragma once

#include "qel_ogl/extensionator/OpenGLInterceptorDecorator.h"

namespace QEL { namespace OGL {

// A decorator that forwards every operation unchanged to its inner interceptor and answers its result.
// Derive from it to intercept a few calls without writing all of them.
class QEL_OGL_API OpenGLForwardingDecorator : public OpenGLInterceptorDecorator
{
public:
    explicit OpenGLForwardingDecorator(OpenGLInterceptor* inner = nullptr);
    ~OpenGLForwardingDecorator() override;

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOverrides.inc"
};

}}
