#include "qel_ogl/ExceptionOGL.h"

namespace QEL { namespace OGL {

ExceptionOGL::ExceptionOGL(const char* file, unsigned line, const char* message, unsigned errorNumber)
    : LogicalException(file, static_cast<int>(line), message), nErrorNumber_(errorNumber)
{
}

ExceptionOGL::ExceptionOGL(const ExceptionOGL& other) = default;

ExceptionOGL& ExceptionOGL::operator=(const ExceptionOGL& other) = default;

ExceptionOGL::~ExceptionOGL() = default;

unsigned ExceptionOGL::errorNumber() const
{
    return nErrorNumber_;
}

}}
