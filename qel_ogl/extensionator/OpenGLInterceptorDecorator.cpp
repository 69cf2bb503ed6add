#include "qel_ogl/extensionator/OpenGLInterceptorDecorator.h"

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

OpenGLInterceptorDecorator::OpenGLInterceptorDecorator(OpenGLInterceptor* inner)
    : pInterceptor_(inner)
{
}

OpenGLInterceptorDecorator::~OpenGLInterceptorDecorator() = default;

OpenGLInterceptor* OpenGLInterceptorDecorator::interceptor()
{
    return pInterceptor_;
}

const OpenGLInterceptor* OpenGLInterceptorDecorator::interceptor() const
{
    return pInterceptor_;
}

void OpenGLInterceptorDecorator::setInterceptor(OpenGLInterceptor* inner)
{
    pInterceptor_ = inner;
}

OpenGLInterceptor& OpenGLInterceptorDecorator::next()
{
    QEL_ENFORCE(pInterceptor_ != NULL);
    return *pInterceptor_;
}

}}
