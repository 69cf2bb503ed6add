#pragma once

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

namespace QEL { namespace OGL {

// An element of the GL chain above the error checker. Every operation stays pure: each concrete decorator
// implements all of them. The inner interceptor is not owned.
class QEL_OGL_API OpenGLInterceptorDecorator : public OpenGLInterceptor
{
public:
    explicit OpenGLInterceptorDecorator(OpenGLInterceptor* inner = nullptr);
    ~OpenGLInterceptorDecorator() override;

    OpenGLInterceptor* interceptor();
    const OpenGLInterceptor* interceptor() const;
    void setInterceptor(OpenGLInterceptor* inner);

protected:
    // The inner interceptor that a call is handed on to. A decorator without one (never added to a chain)
    // throws InternalException instead of calling through a null pointer.
    OpenGLInterceptor& next();

private:
    OpenGLInterceptor* pInterceptor_;
};

}}
