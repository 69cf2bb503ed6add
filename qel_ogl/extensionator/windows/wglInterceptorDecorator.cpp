#include "qel_ogl/extensionator/windows/wglInterceptorDecorator.h"

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

wglInterceptorDecorator::wglInterceptorDecorator(wglInterceptor* inner)
    : pInterceptor_(inner)
{
}

wglInterceptorDecorator::~wglInterceptorDecorator() = default;

wglInterceptor* wglInterceptorDecorator::interceptor()
{
    return pInterceptor_;
}

const wglInterceptor* wglInterceptorDecorator::interceptor() const
{
    return pInterceptor_;
}

void wglInterceptorDecorator::setInterceptor(wglInterceptor* inner)
{
    pInterceptor_ = inner;
}

wglInterceptor& wglInterceptorDecorator::next()
{
    QEL_ENFORCE(pInterceptor_ != NULL);
    return *pInterceptor_;
}

}}
