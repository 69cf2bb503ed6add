#include "qel_ogl/extensionator/windows/wglForwardingDecorator.h"

namespace QEL { namespace OGL {

wglForwardingDecorator::wglForwardingDecorator(wglInterceptor* inner)
    : wglInterceptorDecorator(inner)
{
}

wglForwardingDecorator::~wglForwardingDecorator() = default;

}}
