#pragma once

#include <iosfwd>

#include "qel_ogl/extensionator/OpenGLInterceptorDecorator.h"

namespace QEL { namespace OGL {

// Writes one line per GL call that passes through it, "file:line: glName(arguments)", then forwards the call
// unchanged. Arguments are written by their GL type (CallText); pointed-to data is never read, except the
// names of the uniform, attribute and varying lookups, which are written as text. The line is complete
// before the call goes down the chain, so a call that throws is the last line of the trace. Neither the
// stream nor the inner interceptor is owned; the stream is never flushed. Platform-free.
class QEL_OGL_API OpenGLTracer : public OpenGLInterceptorDecorator
{
public:
    explicit OpenGLTracer(std::ostream& output = defaultOutput(), OpenGLInterceptor* inner = nullptr);
    ~OpenGLTracer() override;

    const std::ostream* outputStream() const;
    void setOutputStream(std::ostream& output);

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOverrides.inc"

private:
    // The process's standard output.
    static std::ostream& defaultOutput();

    // Writes "file:line: " and answers the stream for the rest of the line.
    std::ostream& beginLine(const char* file, unsigned line);

    std::ostream* pOutputStream_;
};

}}
