// What the texture constructors leave in GL: the levels they allocate, their parameters, the bindings they
// touched, and the name that the destructor deletes.

#include "TexturesOnMesa.h"

#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"
#include "qel_ogl/ogl/TextureState.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using QEL::OGL::Texture;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using QEL::OGL::TextureRECT;
using IF = Texture::InternalFormat;

namespace {

struct Kind
{
    const char* name;
    GLenum target;
    GLenum binding;
    std::vector<GLenum> wraps;
    std::function<std::unique_ptr<Texture>()> make;
};

const Kind kKinds[] = {
    {"1D", GL_TEXTURE_1D, GL_TEXTURE_BINDING_1D, {GL_TEXTURE_WRAP_S},
     [] { return std::make_unique<Texture1D>(IF::RGBA8, 8, true); }},
    {"2D", GL_TEXTURE_2D, GL_TEXTURE_BINDING_2D, {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T},
     [] { return std::make_unique<Texture2D>(IF::RGBA8, 8, 2, true); }},
    {"RECT", GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_BINDING_RECTANGLE_ARB, {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T},
     [] { return std::make_unique<TextureRECT>(IF::RGBA8, 5, 3); }},
    {"3D", GL_TEXTURE_3D, GL_TEXTURE_BINDING_3D, {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T, GL_TEXTURE_WRAP_R},
     [] { return std::make_unique<Texture3D>(IF::RGBA8, 4, 4, 1, true); }},
};

using Size = std::array<GLint, 3>;

// The width, height and depth of every level that has storage, from level 0 on. A rectangle texture has only
// level 0, and GL refuses a question about any other.
std::vector<Size> levels(GLenum target)
{
    std::vector<Size> sizes;
    const GLint levelCount = target == GL_TEXTURE_RECTANGLE_ARB ? 1 : 1000;
    for (GLint level = 0; level < levelCount && levelParameter(target, level, GL_TEXTURE_WIDTH) > 0; ++level) {
        sizes.push_back({levelParameter(target, level, GL_TEXTURE_WIDTH),
                         levelParameter(target, level, GL_TEXTURE_HEIGHT),
                         levelParameter(target, level, GL_TEXTURE_DEPTH)});
    }
    return sizes;
}

}

using TextureConstruction = TexturesOnMesa;

TEST_F(TextureConstruction, AllocatesTheWholeMipChain)
{
    const std::vector<Size> expected[] = {
        {{8, 1, 1}, {4, 1, 1}, {2, 1, 1}, {1, 1, 1}},
        {{8, 2, 1}, {4, 1, 1}, {2, 1, 1}, {1, 1, 1}},
        {{5, 3, 1}},
        {{4, 4, 1}, {2, 2, 1}, {1, 1, 1}},
    };
    for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
        SCOPED_TRACE(kKinds[kind].name);
        const std::unique_ptr<Texture> texture = kKinds[kind].make();
        glBindTexture(kKinds[kind].target, texture->objectID());
        EXPECT_EQ(expected[kind], levels(kKinds[kind].target));
        EXPECT_EQ(GL_RGBA8, levelParameter(kKinds[kind].target, 0, GL_TEXTURE_INTERNAL_FORMAT));
    }
}

TEST_F(TextureConstruction, AllocatesOneLevelWithoutMipmaps)
{
    const Texture2D texture(IF::LUMINANCE8, 8, 2, false);
    glBindTexture(GL_TEXTURE_2D, texture.objectID());
    EXPECT_EQ((std::vector<Size>{{8, 2, 1}}), levels(GL_TEXTURE_2D));
    EXPECT_EQ(GL_LUMINANCE8, levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT));
}

// A dimension of 0 never halves to 1; the chain still ends once no dimension is above 1.
TEST_F(TextureConstruction, EndsTheMipChainOfAnEmptyDimension)
{
    const Texture2D texture(IF::RGBA8, 0, 4, true);
    glBindTexture(GL_TEXTURE_2D, texture.objectID());
    EXPECT_EQ(4, levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT));
    EXPECT_EQ(1, levelParameter(GL_TEXTURE_2D, 2, GL_TEXTURE_HEIGHT));
    EXPECT_EQ(0, levelParameter(GL_TEXTURE_2D, 3, GL_TEXTURE_HEIGHT));
}

TEST_F(TextureConstruction, StartsWithNearestFiltersAndEdgeClamping)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const std::unique_ptr<Texture> texture = kind.make();
        glBindTexture(kind.target, texture->objectID());
        EXPECT_EQ(GL_NEAREST, textureParameter(kind.target, GL_TEXTURE_MIN_FILTER));
        EXPECT_EQ(GL_NEAREST, textureParameter(kind.target, GL_TEXTURE_MAG_FILTER));
        for (const GLenum wrap : kind.wraps)
            EXPECT_EQ(GL_CLAMP_TO_EDGE, textureParameter(kind.target, wrap)) << wrap;
    }
}

TEST_F(TextureConstruction, LeavesTheBindingOfItsTargetAndTheActiveUnit)
{
    QEL::OGL::TextureState::setActiveTexture(2);
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        GLuint previous = 0;
        glGenTextures(1, &previous);
        glBindTexture(kind.target, previous);
        const std::unique_ptr<Texture> texture = kind.make();
        EXPECT_NE(previous, texture->objectID());
        EXPECT_EQ(static_cast<GLint>(previous), integer(kind.binding));
        EXPECT_EQ(GL_TEXTURE2, integer(GL_ACTIVE_TEXTURE));
        glDeleteTextures(1, &previous);
    }
}

TEST_F(TextureConstruction, DestructionDeletesTheName)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<Texture> texture = kind.make();
        const GLuint name = texture->objectID();
        EXPECT_TRUE(glIsTexture(name));
        texture.reset();
        EXPECT_FALSE(glIsTexture(name));
    }
}

// The parameter operations act on the bound texture.
TEST_F(TextureConstruction, SetsFiltersWrapsAndBorderColour)
{
    Texture3D texture(IF::RGBA8, 4, 4, 4, true);
    glBindTexture(GL_TEXTURE_3D, texture.objectID());
    texture.setFilter(Texture::LINEAR_MIPMAP_NEAREST, Texture::LINEAR);
    EXPECT_EQ(GL_LINEAR_MIPMAP_NEAREST, textureParameter(GL_TEXTURE_3D, GL_TEXTURE_MIN_FILTER));
    EXPECT_EQ(GL_LINEAR, textureParameter(GL_TEXTURE_3D, GL_TEXTURE_MAG_FILTER));
    texture.setWrap(Texture::REPEAT, Texture::MIRRORED_REPEAT, Texture::CLAMP_TO_BORDER);
    EXPECT_EQ(GL_REPEAT, textureParameter(GL_TEXTURE_3D, GL_TEXTURE_WRAP_S));
    EXPECT_EQ(GL_MIRRORED_REPEAT, textureParameter(GL_TEXTURE_3D, GL_TEXTURE_WRAP_T));
    EXPECT_EQ(GL_CLAMP_TO_BORDER, textureParameter(GL_TEXTURE_3D, GL_TEXTURE_WRAP_R));
    const float border[4] = {0.25f, 0.5f, 0.75f, 1.0f};
    texture.setBorderColor(border);
    float read[4] = {};
    glGetTexParameterfv(GL_TEXTURE_3D, GL_TEXTURE_BORDER_COLOR, read);
    EXPECT_EQ(0, std::memcmp(border, read, sizeof border));
    texture.enableAutoMIPGeneration(true);
    EXPECT_EQ(GL_TRUE, textureParameter(GL_TEXTURE_3D, GL_GENERATE_MIPMAP));
    texture.enableAutoMIPGeneration(false);
    EXPECT_EQ(GL_FALSE, textureParameter(GL_TEXTURE_3D, GL_GENERATE_MIPMAP));

    Texture1D line(IF::RGBA8, 4, false);
    glBindTexture(GL_TEXTURE_1D, line.objectID());
    line.setWrap(Texture::REPEAT);
    EXPECT_EQ(GL_REPEAT, textureParameter(GL_TEXTURE_1D, GL_TEXTURE_WRAP_S));
    Texture2D plane(IF::RGBA8, 4, 4, false);
    glBindTexture(GL_TEXTURE_2D, plane.objectID());
    plane.setWrap(Texture::CLAMP, Texture::REPEAT);
    EXPECT_EQ(GL_CLAMP, textureParameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S));
    EXPECT_EQ(GL_REPEAT, textureParameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T));
}

TEST_F(TextureConstruction, AnswersSizesPerLevel)
{
    const Texture2D texture(IF::RGBA16F, 256, 4, false);
    EXPECT_EQ(128u, texture.width(1));
    EXPECT_EQ(0u, texture.width(9));
    EXPECT_EQ(0u, texture.width(32));
    EXPECT_EQ(1u, texture.height(2));
    EXPECT_EQ(1u, texture.depth(0));
    EXPECT_EQ(4u, texture.channels());
    EXPECT_EQ(256 * 4 * 8, texture.sizeInBytes());
    EXPECT_EQ(IF::RGBA16F, texture.format());
}
