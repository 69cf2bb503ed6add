#pragma once

#include "qel_core/LogicalException.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// An error that OpenGL reported (or an unbalanced glBegin/glEnd, number 0), with the caller's file and line.
class QEL_OGL_API ExceptionOGL : public LogicalException
{
public:
    ExceptionOGL(const char* file, unsigned line, const char* message, unsigned errorNumber);
    ExceptionOGL(const ExceptionOGL& other);
    ExceptionOGL& operator=(const ExceptionOGL& other);
    ~ExceptionOGL() override;

    unsigned errorNumber() const;

private:
    unsigned nErrorNumber_;
};

}}
