#pragma once

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

namespace QEL { namespace OGL {

// The bottom of the GL chain: makes the real call, then asks glGetError once (never between glBegin and
// glEnd, where GL forbids it) and throws a non-zero code as ExceptionOGL with the caller's file and line.
class QEL_OGL_API OpenGLErrorChecker : public OpenGLInterceptor
{
public:
    OpenGLErrorChecker();
    ~OpenGLErrorChecker() override;

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOverrides.inc"

private:
    // Asks glGetError once and throws a non-zero code; never called between glBegin and glEnd.
    void checkError(const char* file, unsigned line) const;

    bool bInBeginEnd_;
};

}}
