#pragma once

#include <fstream>
#include <string>

#include "qel_ogl/extensionator/OpenGLTracer.h"

// Traces every call made through the GL chain into a text file while it lives: the tracer goes on top of the
// chain when it is made and comes off again when it goes, so it must go before anything installed after it.
// Construction throws std::runtime_error when the file cannot be opened.
class Tracing
{
public:
    explicit Tracing(const std::string& path);
    ~Tracing();

    Tracing(const Tracing&) = delete;
    Tracing& operator=(const Tracing&) = delete;

private:
    std::ofstream file_;
    QEL::OGL::OpenGLTracer tracer_;
};
