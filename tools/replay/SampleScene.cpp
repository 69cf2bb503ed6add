#include "tools/replay/SampleScene.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <string>
#include <vector>

#include "qel_ogl/CheckedCall.h"

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

void uploadTexture(unsigned name, int width, int height, unsigned format,
                   const std::vector<unsigned char>& pixels)
{
    QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, name);
    QEL_CHECKED(TexParameteri)(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    QEL_CHECKED(TexParameteri)(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    QEL_CHECKED(TexImage2D)(GL_TEXTURE_2D, 0, format, width, height, 0, format, GL_UNSIGNED_BYTE, pixels.data());
}

unsigned buildProgram()
{
    const unsigned vertexShader = QEL_CHECKED(CreateShader)(GL_VERTEX_SHADER);
    QEL_CHECKED(ShaderSource)(vertexShader, 1, &kVertexShader, nullptr);
    QEL_CHECKED(CompileShader)(vertexShader);

    const unsigned fragmentShader = QEL_CHECKED(CreateShader)(GL_FRAGMENT_SHADER);
    const char* const fragmentSources[] = {kFragmentShaderHeadAndMore.c_str(), kFragmentShaderBody};
    const int fragmentLengths[] = {static_cast<int>(kFragmentShaderHead.size()), -1};
    QEL_CHECKED(ShaderSource)(fragmentShader, 2, fragmentSources, fragmentLengths);
    QEL_CHECKED(CompileShader)(fragmentShader);

    const unsigned program = QEL_CHECKED(CreateProgram)();
    QEL_CHECKED(AttachShader)(program, vertexShader);
    QEL_CHECKED(AttachShader)(program, fragmentShader);
    QEL_CHECKED(LinkProgram)(program);
    // Flagged now, freed with the program.
    QEL_CHECKED(DeleteShader)(vertexShader);
    QEL_CHECKED(DeleteShader)(fragmentShader);
    return program;
}

// Orthographic projection of [0, 1] x [0, 1] onto the viewport, column by column.
void loadProjection()
{
    const float projection[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1};
    QEL_CHECKED(MatrixMode)(GL_PROJECTION);
    QEL_CHECKED(LoadMatrixf)(projection);
    QEL_CHECKED(MatrixMode)(GL_MODELVIEW);
    QEL_CHECKED(LoadIdentity)();
}

void drawTexturedQuad(float x0, float y0, float x1, float y1)
{
    QEL_CHECKED(Begin)(GL_QUADS);
    QEL_CHECKED(TexCoord2f)(0.0f, 0.0f);
    QEL_CHECKED(Vertex2f)(x0, y0);
    QEL_CHECKED(TexCoord2f)(1.0f, 0.0f);
    QEL_CHECKED(Vertex2f)(x1, y0);
    QEL_CHECKED(TexCoord2f)(1.0f, 1.0f);
    QEL_CHECKED(Vertex2f)(x1, y1);
    QEL_CHECKED(TexCoord2f)(0.0f, 1.0f);
    QEL_CHECKED(Vertex2f)(x0, y1);
    QEL_CHECKED(End)();
}

void drawShadedTriangle()
{
    QEL_CHECKED(Begin)(GL_TRIANGLES);
    QEL_CHECKED(Color3f)(1.0f, 0.0f, 0.0f);
    QEL_CHECKED(Vertex2f)(0.5f, 0.05f);
    QEL_CHECKED(Color3f)(0.0f, 1.0f, 0.0f);
    QEL_CHECKED(Vertex2f)(0.95f, 0.05f);
    QEL_CHECKED(Color3f)(0.0f, 0.0f, 1.0f);
    QEL_CHECKED(Vertex2f)(0.75f, 0.5f);
    QEL_CHECKED(End)();
}

}

SampleScene::SampleScene(int width, int height)
    : nWidth_(width), nHeight_(height)
{
}

// The checkerboard through the GLSL program on the left, the padded RGB image through the fixed pipeline on
// the right over a smoothly shaded triangle, on a cleared background. The frame keeps none of its objects.
void SampleScene::draw(HDC deviceContext, HGLRC context) const
{
    QEL_CHECKED_WGL(MakeCurrent)(deviceContext, context);
    QEL_CHECKED(Viewport)(0, 0, nWidth_, nHeight_);
    QEL_CHECKED(ClearColor)(0.1f, 0.2f, 0.3f, 1.0f);
    QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    loadProjection();

    unsigned textures[2] = {};
    QEL_CHECKED(GenTextures)(2, textures);
    uploadTexture(textures[0], 4, 4, GL_RGBA, checkerboard());
    uploadTexture(textures[1], 3, 2, GL_RGB, paddedRGBImage());

    const unsigned program = buildProgram();
    QEL_CHECKED(UseProgram)(program);
    QEL_CHECKED(Uniform1i)(QEL_CHECKED(GetUniformLocation)(program, "image"), 0);
    const float tint[4] = {1.0f, 0.75f, 0.5f, 1.0f};
    QEL_CHECKED(Uniform4fv)(QEL_CHECKED(GetUniformLocation)(program, "tint"), 1, tint);
    QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, textures[0]);
    drawTexturedQuad(0.05f, 0.1f, 0.45f, 0.9f);
    QEL_CHECKED(UseProgram)(0);

    drawShadedTriangle();

    QEL_CHECKED(Color3f)(1.0f, 1.0f, 1.0f);
    QEL_CHECKED(Enable)(GL_TEXTURE_2D);
    QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, textures[1]);
    drawTexturedQuad(0.55f, 0.55f, 0.95f, 0.95f);
    QEL_CHECKED(Disable)(GL_TEXTURE_2D);

    QEL_CHECKED(DeleteProgram)(program);
    QEL_CHECKED(DeleteTextures)(2, textures);
}
