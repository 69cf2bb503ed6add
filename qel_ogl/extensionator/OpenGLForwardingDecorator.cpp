#include "qel_ogl/extensionator/OpenGLForwardingDecorator.h"

namespace QEL { namespace OGL {

OpenGLForwardingDecorator::OpenGLForwardingDecorator(OpenGLInterceptor* inner)
    : OpenGLInterceptorDecorator(inner)
{
}

OpenGLForwardingDecorator::~OpenGLForwardingDecorator() = default;

}}
