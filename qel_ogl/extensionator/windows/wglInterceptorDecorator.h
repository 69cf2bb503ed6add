#pragma once

#include "qel_ogl/extensionator/windows/wglInterceptor.h"

namespace QEL { namespace OGL {

// An element of the WGL chain above the error checker; every operation stays pure. The inner interceptor
// is not owned.
class QEL_OGL_API wglInterceptorDecorator : public wglInterceptor
{
public:
    explicit wglInterceptorDecorator(wglInterceptor* inner = nullptr);
    ~wglInterceptorDecorator() override;

    wglInterceptor* interceptor();
    const wglInterceptor* interceptor() const;
    void setInterceptor(wglInterceptor* inner);

protected:
    // The inner interceptor that a call is handed on to. A decorator without one (never added to a chain)
    // throws InternalException instead of calling through a null pointer.
    wglInterceptor& next();

private:
    wglInterceptor* pInterceptor_;
};

}}
