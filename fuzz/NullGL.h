#pragma once

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

namespace QEL { namespace OGL { namespace Fuzz {

// The bottom of the fuzzed chain: does nothing with a call and answers a zero result. It writes nothing into
// the caller's arrays, so that those GL only writes to can have no bytes at all.
class NullGL : public OpenGLInterceptor
{
public:
    NullGL() = default;

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOverrides.inc"
};

}}}
