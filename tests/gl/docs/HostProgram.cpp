// example: a host program
#include <iostream>
#include "qel_ogl/qel_ogl.h"
#include <GL/gl.h>

int main()
{
    using namespace QEL::OGL;
    ContextOffscreen context;                 // a context on a hidden window of the library's
    AutoInitializer library(&context);        // the library on: version, extensions, entry points
    OpenGLTracer tracer(std::cout);           // a line per GL call: "file:line: glName(arguments)"
    OpenGLInterceptor::Instance()->addInterceptor(&tracer);
    try {
        QEL_CHECKED(ClearColor)(0.0f, 0.0f, 0.5f, 1.0f);  // a frame, each call checked and traced
        QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT);
        QEL_CHECKED(Rectf)(-0.5f, -0.5f, 0.5f, 0.5f);
        QEL_CHECKED(Enable)(0x1234);              // not a capability: throws, naming this line
    } catch (const ExceptionOGL& e) {
        std::cerr << e.what() << '\n';            // "<file>(<line>): invalid enumerant"
    }
    OpenGLInterceptor::Instance()->popInterceptor();
    OpenGLInterceptor::destroy();
}
// end of example
