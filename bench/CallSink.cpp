#include "CallSink.h"

void CallSink::cgmBindTexture(const char*, unsigned, GLenum, GLuint)
{
}

void CallSink::cgmTexParameteri(const char*, unsigned, GLenum, GLenum, GLint)
{
}

void CallSink::cgmEnable(const char*, unsigned, GLenum)
{
}

void CallSink::cgmColorMask(const char*, unsigned, GLboolean, GLboolean, GLboolean, GLboolean)
{
}

void CallSink::cgmColor4f(const char*, unsigned, GLfloat, GLfloat, GLfloat, GLfloat)
{
}

void CallSink::cgmVertexPointer(const char*, unsigned, GLint, GLenum, GLsizei, const void*)
{
}

void CallSink::cgmDrawArrays(const char*, unsigned, GLenum, GLint, GLsizei)
{
}

GLint CallSink::cgmGetUniformLocation(const char*, unsigned, GLuint, const GLchar*)
{
    return -1;
}

void CallSink::cgmTexImage2D(const char*, unsigned, GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum,
    const void*)
{
}
