#include "Tracing.h"

#include <stdexcept>

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

Tracing::Tracing(const std::string& path)
    : file_(path), tracer_(file_)
{
    if (!file_)
        throw std::runtime_error("Cannot write " + path);
    QEL::OGL::OpenGLInterceptor::Instance()->addInterceptor(&tracer_);
}

Tracing::~Tracing()
{
    QEL::OGL::OpenGLInterceptor::Instance()->popInterceptor();
}
