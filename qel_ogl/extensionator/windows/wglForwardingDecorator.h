#pragma once

#include "qel_ogl/extensionator/windows/wglInterceptorDecorator.h"

namespace QEL { namespace OGL {

// A decorator that forwards every operation unchanged to its inner interceptor and answers its result.
// Derive from it to intercept a few calls without writing all of them.
class QEL_OGL_API wglForwardingDecorator : public wglInterceptorDecorator
{
public:
    explicit wglForwardingDecorator(wglInterceptor* inner = nullptr);
    ~wglForwardingDecorator() override;

#include "qel_ogl/extensionator/generated/wglInterceptorOverrides.inc"
};

}}
