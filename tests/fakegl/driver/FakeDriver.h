#pragma once

// What the generated exports and stubs of the stand-in opengl32.dll call: every export logs its call here and
// draws the object names it hands out from the test's script.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>

#include "qel_ogl/extensionator/GLTypes.h"

namespace fakegl {

void logCall(const char* name);
// Fills names[0..n) with the next n names; nothing for n <= 0.
void generateNames(GLsizei n, GLuint* names);
GLuint createName();

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

} // namespace fakegl
