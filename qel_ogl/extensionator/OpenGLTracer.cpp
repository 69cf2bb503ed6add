#include "qel_ogl/extensionator/OpenGLTracer.h"

#include <iostream>

#include "qel_ogl/extensionator/CallText.h"

namespace QEL { namespace OGL {

OpenGLTracer::OpenGLTracer(std::ostream& output, OpenGLInterceptor* inner)
    : OpenGLInterceptorDecorator(inner), pOutputStream_(&output)
{
}

OpenGLTracer::~OpenGLTracer() = default;

const std::ostream* OpenGLTracer::outputStream() const
{
    return pOutputStream_;
}

void OpenGLTracer::setOutputStream(std::ostream& output)
{
    pOutputStream_ = &output;
}

std::ostream& OpenGLTracer::defaultOutput()
{
    return std::cout;
}

std::ostream& OpenGLTracer::beginLine(const char* file, unsigned line)
{
    return *pOutputStream_ << CallText::Text{file} << ':' << line << ": ";
}

}}
