#include "GLSLFixture.h"

#include <windows.h>
#include <GL/gl.h>

const char* const kPassThroughVertex = "void main() { gl_Position = gl_Vertex; }";
const char* const kRedFragment = "void main() { gl_FragColor = vec4(1.0, 0.0, 0.0, 1.0); }";

void GLSLFixture::SetUp()
{
    LibraryFixture::SetUp();
    if (HasFatalFailure())
        return;
    turnOn();
    glViewport(0, 0, 4, 4);
}

void GLSLFixture::load(QEL::OGL::Program& program, const char* vertexSource, const char* fragmentSource)
{
    program.loadVertexShader(1, &vertexSource, nullptr);
    program.loadFragmentShader(1, &fragmentSource, nullptr);
}

std::array<int, 4> GLSLFixture::drawAndRead()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(1.0f, -1.0f);
    glVertex2f(1.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    unsigned char pixel[4] = {};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}
