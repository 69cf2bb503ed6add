#pragma once

// One short form for a call through the interceptor chains, with the caller's file and line filled in:
//
//     QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, texture);
//     const GLint location = QEL_CHECKED(GetUniformLocation)(program, "modelView");
//     QEL_CHECKED(End)();
//     QEL_CHECKED_WGL(MakeCurrent)(deviceContext, renderingContext);
//
// The first line is OpenGLInterceptor::Instance()->cgmBindTexture(__FILE__, __LINE__, GL_TEXTURE_2D, texture);
// the last one calls wcgmMakeCurrent on the top of the WGL chain the same way. The arguments are those of the
// GL or WGL function and convert exactly as in the operation's own call (0 or NULL for a pointer, a double for a
// float); the result is the operation's. The top of the chain is asked at each call, so decorators added or
// removed in between are seen, and an ExceptionOGL names the line of the QEL_CHECKED.

#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"

#define QEL_CHECKED(Name) ::QEL::OGL::CheckedCall(&::QEL::OGL::OpenGLInterceptor::cgm##Name, __FILE__, __LINE__)

#define QEL_CHECKED_WGL(Name) ::QEL::OGL::CheckedCall(&::QEL::OGL::wglInterceptor::wcgm##Name, __FILE__, __LINE__)

namespace QEL { namespace OGL {

// A call site: an operation of the chain Chain (OpenGLInterceptor or wglInterceptor) with the caller's file and
// line, called with the remaining arguments of the operation. Its parameter types are the operation's, not
// deduced from the arguments, so that every argument converts as it would in a direct call.
template <class Chain, class Result, class... Parameters>
class CheckedCall
{
public:
    using Operation = Result (Chain::*)(const char* file, unsigned line, Parameters...);

    CheckedCall(Operation operation, const char* file, unsigned line)
        : operation_(operation), file_(file), line_(line)
    {
    }

    Result operator()(Parameters... arguments) const
    {
        return (Chain::Instance()->*operation_)(file_, line_, arguments...);
    }

private:
    Operation operation_;
    const char* file_;
    unsigned line_;
};

}}
