#pragma once

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/OpenGLForwardingDecorator.h"

// The bottom of the chains that the tracer and recorder benchmarks build: it takes the calls those benchmarks
// make and does nothing with them, so that only the decorator above it is measured. It has no inner
// interceptor; any other call would be forwarded to none.
class CallSink : public QEL::OGL::OpenGLForwardingDecorator
{
public:
    void cgmBindTexture(const char* file, unsigned line, GLenum target, GLuint texture) override;
    void cgmTexParameteri(const char* file, unsigned line, GLenum target, GLenum pname, GLint param) override;
    void cgmEnable(const char* file, unsigned line, GLenum cap) override;
    void cgmColorMask(const char* file, unsigned line, GLboolean red, GLboolean green, GLboolean blue,
        GLboolean alpha) override;
    void cgmColor4f(const char* file, unsigned line, GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)
        override;
    void cgmVertexPointer(const char* file, unsigned line, GLint size, GLenum type, GLsizei stride,
        const void* pointer) override;
    void cgmDrawArrays(const char* file, unsigned line, GLenum mode, GLint first, GLsizei count) override;
    // Answers -1, GL's answer for a name that is not an active uniform.
    GLint cgmGetUniformLocation(const char* file, unsigned line, GLuint program, const GLchar* name) override;
    void cgmTexImage2D(const char* file, unsigned line, GLenum target, GLint level, GLint internalformat,
        GLsizei width, GLsizei height, GLint border, GLenum format, GLenum type, const void* pixels) override;
};
