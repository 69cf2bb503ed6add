// The example of docs/gpu-objects.md, run on the driver. The text between "// example:" and "// end of
// example" is the page's code, word for word (qel_docs_examples_match checks it).

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <vector>

#include "GLContextFixture.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/Program.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/TextureUnit.h"

namespace {

class GPUObjectsExample : public GLContextFixture
{
protected:
    void TearDown() override
    {
        QEL::OGL::OpenGLInterceptor::destroy();
        GLContextFixture::TearDown();
    }
};

const char* const kVertexSource =
    "varying vec2 uv;\n"
    "void main() { uv = gl_Vertex.xy * 0.5 + 0.5; gl_Position = gl_Vertex; }\n";
const char* const kFragmentSource =
    "uniform sampler2D image;\n"
    "varying vec2 uv;\n"
    "void main() { gl_FragColor = texture2D(image, uv); }\n";

// The pixel at (x, y) of the current framebuffer, RGBA.
std::vector<unsigned char> pixelAt(int x, int y)
{
    std::vector<unsigned char> rgba(4);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

}

TEST_F(GPUObjectsExample, DrawsATexturedQuadFromABuffer)
{
    QEL::OGL::ContextWrapped host(deviceContext(), context());
    QEL::OGL::AutoInitializer library(&host);
    QEL_CHECKED(Viewport)(0, 0, 64, 64);
    const char* vertexSource = kVertexSource;
    const char* fragmentSource = kFragmentSource;
    // example: a texture, a program and a vertex buffer
    using namespace QEL::OGL;
    // A 2 x 2 texture: red, green / blue, white.
    const unsigned char texels[] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    Texture2D texture(Texture::InternalFormat::RGBA8, 2, 2, false);
    TextureUnit::Unit(0)->bind(&texture);  // operations act on the bound texture
    texture.subImage(0, 0, 0, 2, 2, Texture::Format::RGBA, Texture::UNSIGNED_BYTE, texels,
                     PixelUnpackParameters());
    texture.setFilter(Texture::NEAREST, Texture::NEAREST);

    Program program;
    program.loadVertexShader(1, &vertexSource, nullptr);
    program.loadFragmentShader(1, &fragmentSource, nullptr);
    program.link(true);  // a failure throws with the driver's log
    program.enable();
    program.setUniformSampler2D("image", 0);

    const float corners[] = {-1, -1, 1, -1, 1, 1, -1, 1};
    Buffer vertices(sizeof corners, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW, corners);
    vertices.bind();
    QEL_CHECKED(EnableClientState)(GL_VERTEX_ARRAY);
    QEL_CHECKED(VertexPointer)(2, GL_FLOAT, 0, nullptr);  // offset 0 into the bound buffer
    QEL_CHECKED(DrawArrays)(GL_QUADS, 0, 4);
    QEL_CHECKED(DisableClientState)(GL_VERTEX_ARRAY);
    Buffer::bindDefaultArrayBuffer();
    program.disable();
    // end of example

    EXPECT_EQ((std::vector<unsigned char>{255, 0, 0, 255}), pixelAt(8, 8));
    EXPECT_EQ((std::vector<unsigned char>{0, 255, 0, 255}), pixelAt(56, 8));
    EXPECT_EQ((std::vector<unsigned char>{0, 0, 255, 255}), pixelAt(8, 56));
    EXPECT_EQ((std::vector<unsigned char>{255, 255, 255, 255}), pixelAt(56, 56));
}
