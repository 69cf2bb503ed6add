#pragma once

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include <array>

#include "qel_ogl/ogl/Program.h"

// A current context with the library on, a viewport of 4 x 4 pixels, and what the shader tests draw with.
class GLSLFixture : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override;

    // Gives the program a shader of each source; no compile or link.
    static void load(QEL::OGL::Program& program, const char* vertexSource, const char* fragmentSource);
    // Fills the viewport with one quad and answers the RGBA bytes of a pixel inside it, read from the back buffer.
    static std::array<int, 4> drawAndRead();
};

// A vertex shader that passes the quad through.
extern const char* const kPassThroughVertex;
// A fragment shader that paints everything opaque red.
extern const char* const kRedFragment;
