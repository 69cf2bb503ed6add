// The host build takes the GL interceptor interface without its chain: the bottom of the chain is the error
// checker, which calls the driver. The interface's destructor is its one member defined out of line, which is
// where the compiler places the class's virtual table; the Windows build defines it with the chain
// (OpenGLInterceptor.cpp), the host build here.

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

namespace QEL { namespace OGL {

OpenGLInterceptor::~OpenGLInterceptor() = default;

}}
