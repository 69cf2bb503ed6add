#pragma once

#include "qel_ogl/extensionator/windows/wglInterceptor.h"

namespace QEL { namespace OGL {

// The bottom of the WGL chain: calls the system function of the same name and answers its result,
// failure values included. It asks for no error and throws nothing.
class QEL_OGL_API wglErrorChecker : public wglInterceptor
{
public:
    wglErrorChecker();
    ~wglErrorChecker() override;

#include "qel_ogl/extensionator/generated/wglInterceptorOverrides.inc"
};

}}
