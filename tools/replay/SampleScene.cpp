#include "tools/replay/SampleScene.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <string>
#include <vector>

#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"

using QEL::OGL::OpenGLInterceptor;

// The caller's place, which the tracer and the recorders write with each call.
#define AT __FILE__, __LINE__

namespace {

const char* const kVertexShader =
    "varying vec2 uv;\n"
    "void main()\n"
    "{\n"
    "    uv = gl_MultiTexCoord0.xy;\n"
    "    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;\n"
    "}\n";

// In two strings: the first is passed by its length, and the characters after it are not part of the source;
// the second ends at its NUL. Both forms of a source record occur.
const std::string kFragmentShaderHead = "uniform sampler2D image;\nuniform vec4 tint;\n";
const std::string kFragmentShaderHeadAndMore = kFragmentShaderHead + "#error not part of the source\n";
const char* const kFragmentShaderBody =
    "varying vec2 uv;\n"
    "void main()\n"
    "{\n"
    "    gl_FragColor = texture2D(image, uv) * tint;\n"
    "}\n";

// A 4 x 4 RGBA checkerboard of two colours.
std::vector<unsigned char> checkerboard()
{
    const unsigned char light[4] = {255, 224, 64, 255};
    const unsigned char dark[4] = {32, 64, 160, 255};
    std::vector<unsigned char> pixels;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
        {
            const unsigned char* texel = (x + y) % 2 == 0 ? light : dark;
            pixels.insert(pixels.end(), texel, texel + 4);
        }
    return pixels;
}

// A 3 x 2 RGB image at GL's default unpack alignment of 4: each row of 9 bytes is padded to 12.
std::vector<unsigned char> paddedRGBImage()
{
    return {255, 0, 0, 0, 255, 0, 0, 0, 255, 0xEE, 0xEE, 0xEE,
            255, 255, 0, 0, 255, 255, 255, 0, 255};
}

void uploadTexture(OpenGLInterceptor& gl, unsigned name, int width, int height, unsigned format,
                   const std::vector<unsigned char>& pixels)
{
    gl.cgmBindTexture(AT, GL_TEXTURE_2D, name);
    gl.cgmTexParameteri(AT, GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.cgmTexParameteri(AT, GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.cgmTexImage2D(AT, GL_TEXTURE_2D, 0, format, width, height, 0, format, GL_UNSIGNED_BYTE, pixels.data());
}

unsigned buildProgram(OpenGLInterceptor& gl)
{
    const unsigned vertexShader = gl.cgmCreateShader(AT, GL_VERTEX_SHADER);
    gl.cgmShaderSource(AT, vertexShader, 1, &kVertexShader, nullptr);
    gl.cgmCompileShader(AT, vertexShader);

    const unsigned fragmentShader = gl.cgmCreateShader(AT, GL_FRAGMENT_SHADER);
    const char* const fragmentSources[] = {kFragmentShaderHeadAndMore.c_str(), kFragmentShaderBody};
    const int fragmentLengths[] = {static_cast<int>(kFragmentShaderHead.size()), -1};
    gl.cgmShaderSource(AT, fragmentShader, 2, fragmentSources, fragmentLengths);
    gl.cgmCompileShader(AT, fragmentShader);

    const unsigned program = gl.cgmCreateProgram(AT);
    gl.cgmAttachShader(AT, program, vertexShader);
    gl.cgmAttachShader(AT, program, fragmentShader);
    gl.cgmLinkProgram(AT, program);
    // Flagged now, freed with the program.
    gl.cgmDeleteShader(AT, vertexShader);
    gl.cgmDeleteShader(AT, fragmentShader);
    return program;
}

// Orthographic projection of [0, 1] x [0, 1] onto the viewport, column by column.
void loadProjection(OpenGLInterceptor& gl)
{
    const float projection[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1};
    gl.cgmMatrixMode(AT, GL_PROJECTION);
    gl.cgmLoadMatrixf(AT, projection);
    gl.cgmMatrixMode(AT, GL_MODELVIEW);
    gl.cgmLoadIdentity(AT);
}

void drawTexturedQuad(OpenGLInterceptor& gl, float x0, float y0, float x1, float y1)
{
    gl.cgmBegin(AT, GL_QUADS);
    gl.cgmTexCoord2f(AT, 0.0f, 0.0f);
    gl.cgmVertex2f(AT, x0, y0);
    gl.cgmTexCoord2f(AT, 1.0f, 0.0f);
    gl.cgmVertex2f(AT, x1, y0);
    gl.cgmTexCoord2f(AT, 1.0f, 1.0f);
    gl.cgmVertex2f(AT, x1, y1);
    gl.cgmTexCoord2f(AT, 0.0f, 1.0f);
    gl.cgmVertex2f(AT, x0, y1);
    gl.cgmEnd(AT);
}

void drawShadedTriangle(OpenGLInterceptor& gl)
{
    gl.cgmBegin(AT, GL_TRIANGLES);
    gl.cgmColor3f(AT, 1.0f, 0.0f, 0.0f);
    gl.cgmVertex2f(AT, 0.5f, 0.05f);
    gl.cgmColor3f(AT, 0.0f, 1.0f, 0.0f);
    gl.cgmVertex2f(AT, 0.95f, 0.05f);
    gl.cgmColor3f(AT, 0.0f, 0.0f, 1.0f);
    gl.cgmVertex2f(AT, 0.75f, 0.5f);
    gl.cgmEnd(AT);
}

}

SampleScene::SampleScene(int width, int height)
    : nWidth_(width), nHeight_(height)
{
}

// The checkerboard through the GLSL program on the left, the padded RGB image through the fixed pipeline on
// the right over a smoothly shaded triangle, on a cleared background. The frame keeps none of its objects.
void SampleScene::draw(OpenGLInterceptor& gl, QEL::OGL::wglInterceptor& wgl, HDC deviceContext,
                       HGLRC context) const
{
    wgl.wcgmMakeCurrent(AT, deviceContext, context);
    gl.cgmViewport(AT, 0, 0, nWidth_, nHeight_);
    gl.cgmClearColor(AT, 0.1f, 0.2f, 0.3f, 1.0f);
    gl.cgmClear(AT, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    loadProjection(gl);

    unsigned textures[2] = {};
    gl.cgmGenTextures(AT, 2, textures);
    uploadTexture(gl, textures[0], 4, 4, GL_RGBA, checkerboard());
    uploadTexture(gl, textures[1], 3, 2, GL_RGB, paddedRGBImage());

    const unsigned program = buildProgram(gl);
    gl.cgmUseProgram(AT, program);
    gl.cgmUniform1i(AT, gl.cgmGetUniformLocation(AT, program, "image"), 0);
    const float tint[4] = {1.0f, 0.75f, 0.5f, 1.0f};
    gl.cgmUniform4fv(AT, gl.cgmGetUniformLocation(AT, program, "tint"), 1, tint);
    gl.cgmBindTexture(AT, GL_TEXTURE_2D, textures[0]);
    drawTexturedQuad(gl, 0.05f, 0.1f, 0.45f, 0.9f);
    gl.cgmUseProgram(AT, 0);

    drawShadedTriangle(gl);

    gl.cgmColor3f(AT, 1.0f, 1.0f, 1.0f);
    gl.cgmEnable(AT, GL_TEXTURE_2D);
    gl.cgmBindTexture(AT, GL_TEXTURE_2D, textures[1]);
    drawTexturedQuad(gl, 0.55f, 0.55f, 0.95f, 0.95f);
    gl.cgmDisable(AT, GL_TEXTURE_2D);

    gl.cgmDeleteProgram(AT, program);
    gl.cgmDeleteTextures(AT, 2, textures);
}
