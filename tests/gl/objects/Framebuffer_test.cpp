// Framebuffer and Renderbuffer together on a real driver: rendering into a texture with a depth buffer, a
// depth-stencil renderbuffer at both points, and the refusals with the attachment left in place.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Framebuffer.h"
#include "qel_ogl/ogl/Renderbuffer.h"
#include "qel_ogl/ogl/Texture2.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

using QEL::InternalException;
using QEL::OGL::Framebuffer;
using QEL::OGL::Renderbuffer;
using QEL::OGL::Texture;
using QEL::OGL::Texture2D;

namespace {

const int kSize = 16;

GLint attachmentParameter(GLenum attachment, GLenum name)
{
    GLint value = 0;
    _cgmGetFramebufferAttachmentParameterivEXT(GL_FRAMEBUFFER_EXT, attachment, name, &value);
    return value;
}

GLint attachedName(GLenum attachment)
{
    return attachmentParameter(attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME_EXT);
}

// A quad over the columns [left, right) of the viewport at depth z, in one colour.
void drawQuad(float left, float right, float z, const GLubyte (&colour)[3])
{
    glColor3ubv(colour);
    glBegin(GL_QUADS);
    glVertex3f(left, -1.0f, z);
    glVertex3f(right, -1.0f, z);
    glVertex3f(right, 1.0f, z);
    glVertex3f(left, 1.0f, z);
    glEnd();
}

}

class FramebufferOnMesa : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (HasFatalFailure())
            return;
        turnOn();
        colour_.emplace(Texture::InternalFormat::RGBA8, kSize, kSize, false);
        framebuffer_.emplace();
        framebuffer_->bind();
    }

    void TearDown() override
    {
        framebuffer_.reset();
        colour_.reset();
        LibraryFixture::TearDown();
    }

    Texture2D* colour()
    {
        return &*colour_;
    }

    Framebuffer& framebuffer()
    {
        return *framebuffer_;
    }

private:
    std::optional<Texture2D> colour_;
    std::optional<Framebuffer> framebuffer_;
};

// Three quads into a texture with a depth buffer: the farther red one loses against the green one drawn
// before it, the nearer blue one on the left half wins. Without the depth renderbuffer red would cover all.
TEST_F(FramebufferOnMesa, RendersIntoATextureWithADepthRenderbuffer)
{
    Renderbuffer depth(GL_DEPTH_COMPONENT24, kSize, kSize);
    framebuffer().attach(colour(), 0, 0);
    framebuffer().attach(&depth, 0);
    unsigned status = 0;
    ASSERT_TRUE(framebuffer().statusOkay(&status));
    EXPECT_EQ(static_cast<unsigned>(GL_FRAMEBUFFER_COMPLETE_EXT), status);

    glViewport(0, 0, kSize, kSize);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    const GLubyte green[3] = {0, 255, 0}, red[3] = {255, 0, 0}, blue[3] = {0, 0, 255};
    drawQuad(-1.0f, 1.0f, 0.0f, green);
    drawQuad(-1.0f, 1.0f, 0.5f, red);
    drawQuad(-1.0f, 0.0f, -0.5f, blue);
    glDisable(GL_DEPTH_TEST);
    framebuffer().unbind();

    std::vector<GLubyte> pixels(kSize * kSize * 4);
    glBindTexture(GL_TEXTURE_2D, colour()->objectID());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const GLubyte* pixel = &pixels[(y * kSize + x) * 4];
            const GLubyte(&expected)[3] = x < kSize / 2 ? blue : green;
            ASSERT_EQ(std::vector<GLubyte>(expected, expected + 3), std::vector<GLubyte>(pixel, pixel + 3))
                << x << "," << y;
        }
    }
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

// Detaching clears only the depth point; the stencil point keeps the renderbuffer.
TEST_F(FramebufferOnMesa, DepthStencilRenderbufferGoesToBothPoints)
{
    Renderbuffer depthStencil(GL_DEPTH_STENCIL_EXT, kSize, kSize);
    const GLint name = static_cast<GLint>(depthStencil.objectID());
    framebuffer().attach(colour(), 0, 0);
    framebuffer().attach(&depthStencil, 0);
    for (const GLenum point : {GL_DEPTH_ATTACHMENT_EXT, GL_STENCIL_ATTACHMENT_EXT}) {
        EXPECT_EQ(GL_RENDERBUFFER_EXT, attachmentParameter(point, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT));
        EXPECT_EQ(name, attachedName(point));
    }

    framebuffer().detach(&depthStencil, 0);
    EXPECT_EQ(GL_NONE, attachmentParameter(GL_DEPTH_ATTACHMENT_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT));
    EXPECT_EQ(name, attachedName(GL_STENCIL_ATTACHMENT_EXT));
    framebuffer().detach(colour(), 0);
    EXPECT_EQ(GL_NONE, attachmentParameter(GL_COLOR_ATTACHMENT0_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT));
}

// A level that the texture does not have makes the attachment incomplete; the attachment stays.
TEST_F(FramebufferOnMesa, IncompleteAttachmentThrowsItsStatusAndStays)
{
    expectRefusal(thrownBy<InternalException>([&] { framebuffer().attach(colour(), 3, 0); }),
               "qel_ogl/ogl/Framebuffer.cpp", "Framebuffer attachment error: GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT");
    EXPECT_EQ(static_cast<GLint>(colour()->objectID()), attachedName(GL_COLOR_ATTACHMENT0_EXT));
    EXPECT_EQ(3, attachmentParameter(GL_COLOR_ATTACHMENT0_EXT, GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_LEVEL_EXT));
}

// Separate depth and stencil renderbuffers are a combination that Mesa does not support.
TEST_F(FramebufferOnMesa, UnsupportedRenderbufferNamesItsTargetAndFormatAndStays)
{
    Renderbuffer depth(GL_DEPTH_COMPONENT24, kSize, kSize);
    Renderbuffer stencil(GL_STENCIL_INDEX8_EXT, kSize, kSize);
    framebuffer().attach(colour(), 0, 0);
    framebuffer().attach(&depth, 0);
    expectRefusal(thrownBy<InternalException>([&] { framebuffer().attach(&stencil, 0); }),
               "qel_ogl/ogl/Framebuffer.cpp",
               "Unsupported renderbuffer format (GL_RENDERBUFFER_EXT,GL_STENCIL_INDEX8_EXT) for framebuffer object "
               "rendering.");
    EXPECT_EQ(static_cast<GLint>(stencil.objectID()), attachedName(GL_STENCIL_ATTACHMENT_EXT));
}

// Each refusal before any attachment is made, with the framebuffer bound or not as the case needs.
TEST_F(FramebufferOnMesa, MisuseThrowsItsText)
{
    Renderbuffer depth(GL_DEPTH_COMPONENT24, kSize, kSize);
    Renderbuffer colourbuffer(GL_RGBA8, kSize, kSize);
    const unsigned max = Framebuffer::maxColorAttachments();
    std::ostringstream tooFar;
    tooFar << "Invalid color buffer attachment only " << max << " attachments supported with " << max
           << " requested";
    const std::string attachUnbound = "Framebuffer Objects must be bound to attach objects";
    const std::string detachUnbound = "Framebuffer Object must be bound before detaching objects";
    const struct {
        bool bound;
        std::function<void(Framebuffer&)> misuse;
        std::string text;
    } cases[] = {
        {false, [&](Framebuffer& f) { f.attach(colour(), 0, 0); }, attachUnbound},
        {false, [&](Framebuffer& f) { f.attach(&depth, 0); }, attachUnbound},
        {false, [&](Framebuffer& f) { f.detach(colour(), 0); }, detachUnbound},
        {false, [&](Framebuffer& f) { f.detach(&depth, 0); }, detachUnbound},
        {false, [](Framebuffer& f) { f.statusOkay(nullptr); },
         "Framebuffer object must be bound before calling statusOkay()"},
        {false, [](Framebuffer& f) { f.unbind(); }, "Framebuffer object must be bound before calling unbind()"},
        {false, [&](Framebuffer& f) { glBindTexture(GL_TEXTURE_2D, colour()->objectID()); f.attach(colour(), 0, 0); },
         "Texture cannot be bound during attachment to framebuffer object"},
        {true, [&](Framebuffer& f) { f.attach(colour(), 0, max); }, tooFar.str()},
        {true, [&](Framebuffer& f) { f.detach(&colourbuffer, max); }, tooFar.str()},
        {true, [&](Framebuffer& f) { f.attach(&depth, 1); },
         "Color buffer index is not supported with attachment:GL_DEPTH_ATTACHMENT_EXT"},
        {true, [&](Framebuffer& f) { f.detach(&depth, 1); },
         "Color buffer index is not supported with attachment:GL_DEPTH_ATTACHMENT_EXT"},
    };
    for (const auto& c : cases) {
        if (c.bound)
            framebuffer().bind();
        else
            _cgmBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
        expectRefusal(thrownBy<InternalException>([&] { c.misuse(framebuffer()); }), "qel_ogl/ogl/Framebuffer.cpp",
                   c.text);
        glBindTexture(GL_TEXTURE_2D, 0);
        framebuffer().bind();
        EXPECT_EQ(GL_NONE, attachmentParameter(GL_COLOR_ATTACHMENT0_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT))
            << c.text;
    }
}

TEST_F(FramebufferOnMesa, DestructionDeletesTheName)
{
    GLuint name = 0;
    {
        Framebuffer framebuffer;
        name = framebuffer.objectID();
        framebuffer.bind();
        ASSERT_EQ(GL_TRUE, _cgmIsFramebufferEXT(name));
    }
    EXPECT_EQ(GL_FALSE, _cgmIsFramebufferEXT(name));
}
