#pragma once

// What the generated exports and stubs of the stand-in opengl32.dll call: every export logs its call here and
// draws the object names it hands out from the test's script.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "qel_ogl/extensionator/GLTypes.h"

// Exports a function under opengl32.dll's own name. The driver is compiled with _GDI32_, which keeps
// wingdi.h and gl.h from declaring those names dllimport; x86_64 leaves the names undecorated.
#define FAKEGL_EXPORT __declspec(dllexport)

namespace fakegl {

// Casting through void (*)() is how a function pointer of one type becomes another without a warning.
template <class Function>
PROC asProc(Function function)
{
    return reinterpret_cast<PROC>(reinterpret_cast<void (*)()>(function));
}

void logCall(const char* name);
// Fills names[0..n) with the next n names; nothing for n <= 0.
void generateNames(GLsizei n, GLuint* names);
GLuint createName();
// Writes the values scripted for pname, or a single 0 when none were.
void writeScriptedIntegers(const std::map<GLenum, std::vector<GLint>>& scripted, GLenum pname, GLint* data);

struct ProcStub
{
    const char* name;
    PROC address;
};

// What wglGetProcAddress can answer, each table sorted by name in byte order: the generated stubs, and the
// few written by hand because they answer more than a default value.
extern const ProcStub kProcStubs[];
extern const std::size_t kProcStubCount;
extern const ProcStub kHandWrittenStubs[];
extern const std::size_t kHandWrittenStubCount;

// The stubs whose answer the test scripts (setAnswer), written by hand for that.
GLenum APIENTRY answeringCheckFramebufferStatusEXT(GLenum target);
void* APIENTRY answeringMapBuffer(GLenum target, GLenum access);
GLboolean APIENTRY answeringUnmapBuffer(GLenum target);

// The shader and program queries, whose integers and info log the test scripts (ObjectQueryStubs.cpp).
void APIENTRY getShaderiv(GLuint shader, GLenum pname, GLint* params);
void APIENTRY getProgramiv(GLuint program, GLenum pname, GLint* params);
void APIENTRY getShaderInfoLog(GLuint shader, GLsizei bufSize, GLsizei* length, GLchar* infoLog);
void APIENTRY getProgramInfoLog(GLuint program, GLsizei bufSize, GLsizei* length, GLchar* infoLog);

// The stub of that name, a hand-written one before a generated one; null when there is none.
PROC findStub(const std::string& name);

} // namespace fakegl
