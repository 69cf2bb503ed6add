// Renderbuffer on a real driver: its storage, the binding it leaves, its name's lifetime and its size limit.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Renderbuffer.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <sstream>

using QEL::InternalException;
using QEL::OGL::Renderbuffer;

namespace {

GLint boundRenderbuffer()
{
    GLint bound = 0;
    glGetIntegerv(GL_RENDERBUFFER_BINDING_EXT, &bound);
    return bound;
}

GLint parameter(GLenum name)
{
    GLint value = 0;
    _cgmGetRenderbufferParameterivEXT(GL_RENDERBUFFER_EXT, name, &value);
    return value;
}

}

class RenderbufferOnMesa : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }
};

TEST_F(RenderbufferOnMesa, StorageHasTheGivenFormatAndSizeAndTheBindingStays)
{
    ASSERT_TRUE(Renderbuffer::isSupported());
    GLuint other = 0;
    _cgmGenRenderbuffersEXT(1, &other);
    const struct { GLenum format; int width; int height; } cases[] = {
        {GL_RGBA8, 17, 5}, {GL_DEPTH_COMPONENT24, 64, 32}, {GL_DEPTH24_STENCIL8_EXT, 3, 300}};
    for (const auto& c : cases) {
        _cgmBindRenderbufferEXT(GL_RENDERBUFFER_EXT, other);
        Renderbuffer renderbuffer(c.format, c.width, c.height);
        EXPECT_EQ(static_cast<GLint>(other), boundRenderbuffer());
        renderbuffer.bind();
        EXPECT_EQ(static_cast<GLint>(c.format), parameter(GL_RENDERBUFFER_INTERNAL_FORMAT_EXT));
        EXPECT_EQ(c.width, parameter(GL_RENDERBUFFER_WIDTH_EXT));
        EXPECT_EQ(c.height, parameter(GL_RENDERBUFFER_HEIGHT_EXT));
        EXPECT_EQ(c.format, renderbuffer.format());
        renderbuffer.unbind();
        EXPECT_EQ(0, boundRenderbuffer());
    }
    _cgmDeleteRenderbuffersEXT(1, &other);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST_F(RenderbufferOnMesa, DestructionDeletesTheName)
{
    GLuint name = 0;
    {
        Renderbuffer renderbuffer(GL_RGBA8, 4, 4);
        name = renderbuffer.objectID();
        ASSERT_EQ(GL_TRUE, _cgmIsRenderbufferEXT(name));
    }
    EXPECT_EQ(GL_FALSE, _cgmIsRenderbufferEXT(name));
}

TEST_F(RenderbufferOnMesa, SizesAboveTheLimitNameTheSizeAndTheLimit)
{
    const int limit = Renderbuffer::maxSize();
    ASSERT_GT(limit, 0);
    const struct { int width; int height; const char* dimension; int requested; } cases[] = {
        {limit + 1, 16, "width", limit + 1}, {16, limit + 1, "height", limit + 1},
        {limit * 2, limit * 2, "width", limit * 2}};
    for (const auto& c : cases) {
        std::ostringstream text;
        text << "Can't create renderbuffer of " << c.dimension << " " << c.requested << ", a max " << c.dimension
             << " of " << limit << " is supported";
        const auto e = thrownBy<InternalException>([&] { Renderbuffer(GL_RGBA8, c.width, c.height); });
        ASSERT_TRUE(e.has_value());
        EXPECT_STREQ("qel_ogl/ogl/Renderbuffer.cpp", e->file());
        EXPECT_EQ(text.str(), e->text());
    }
}

TEST_F(RenderbufferOnMesa, UnbindIsRefusedUnlessBound)
{
    Renderbuffer renderbuffer(GL_RGBA8, 4, 4);
    const auto e = thrownBy<InternalException>([&] { renderbuffer.unbind(); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/Renderbuffer.cpp", e->file());
    EXPECT_STREQ("Framebuffer object must be bound before calling unbind()", e->text());
}
