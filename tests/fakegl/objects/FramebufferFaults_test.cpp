// Framebuffer and Renderbuffer on drivers that Mesa cannot be: without framebuffer objects, with four color
// attachments, handing out name 0, answering every completeness status.

#include "ObjectFaults.h"

#include "qel_ogl/ogl/Framebuffer.h"
#include "qel_ogl/ogl/Renderbuffer.h"
#include "qel_ogl/ogl/Texture2.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <functional>
#include <string>

using QEL::InternalException;
using QEL::OGL::Framebuffer;
using QEL::OGL::Renderbuffer;
using QEL::OGL::Texture;
using QEL::OGL::Texture2D;

namespace {

const char kFramebufferFile[] = "qel_ogl/ogl/Framebuffer.cpp";
const char kRenderbufferFile[] = "qel_ogl/ogl/Renderbuffer.cpp";

}

// A 2.0 driver with framebuffer objects, four color attachments and renderbuffers up to 256 pixels.
class FramebufferFaults : public ObjectFaults
{
protected:
    void turnOnWithFramebuffers()
    {
        fakegl::setIntegers(GL_MAX_COLOR_ATTACHMENTS_EXT, {4});
        fakegl::setIntegers(GL_MAX_RENDERBUFFER_SIZE_EXT, {256});
        turnOnWith("2.0", {"GL_VERSION_1_2", "GL_VERSION_1_3", "GL_VERSION_1_4", "GL_VERSION_1_5", "GL_VERSION_2_0"},
                   {"GL_EXT_framebuffer_object"});
    }

    // The driver reports the framebuffer as the bound one from now on.
    static void bindOnDriver(const Framebuffer& framebuffer)
    {
        fakegl::setIntegers(GL_FRAMEBUFFER_BINDING_EXT, {static_cast<GLint>(framebuffer.objectID())});
    }
};

TEST_F(FramebufferFaults, BothClassesNeedFramebufferObjects)
{
    turnOnWith("2.0", {}, {});
    EXPECT_FALSE(Framebuffer::isSupported());
    EXPECT_FALSE(Renderbuffer::isSupported());
    const char* text = "QEL::OGL::ExtensionManager::Instance()->isSupported(GL_EXT_FRAMEBUFFER_OBJECT)";
    expectRefusal(thrownBy<InternalException>([] { Framebuffer(); }), kFramebufferFile, text);
    expectRefusal(thrownBy<InternalException>([] { Renderbuffer(GL_RGBA8, 4, 4); }), kRenderbufferFile, text);
}

// The renderbuffer refuses name 0 only after its storage call; nothing is left bound either way.
TEST_F(FramebufferFaults, NameZeroIsRefused)
{
    turnOnWithFramebuffers();
    fakegl::queueNames({0, 0});
    expectRefusal(thrownBy<InternalException>([] { Framebuffer(); }), kFramebufferFile, "n_ObjectID != 0");
    expectRefusal(thrownBy<InternalException>([] { Renderbuffer(GL_RGBA8, 4, 4); }), kRenderbufferFile,
               "n_ObjectID != 0");
    EXPECT_EQ(1u, fakegl::callCount("glRenderbufferStorageEXT"));
}

TEST_F(FramebufferFaults, SizeAboveTheLimitGeneratesNoName)
{
    turnOnWithFramebuffers();
    expectRefusal(thrownBy<InternalException>([] { Renderbuffer(GL_RGBA8, 257, 16); }), kRenderbufferFile,
               "Can't create renderbuffer of width 257, a max width of 256 is supported");
    expectRefusal(thrownBy<InternalException>([] { Renderbuffer(GL_RGBA8, 16, 300); }), kRenderbufferFile,
               "Can't create renderbuffer of height 300, a max height of 256 is supported");
    EXPECT_EQ(0u, fakegl::callCount("glGenRenderbuffersEXT"));
}

TEST_F(FramebufferFaults, ColorIndexMustBeBelowTheDriversCount)
{
    turnOnWithFramebuffers();
    fakegl::setAnswer("glCheckFramebufferStatusEXT", GL_FRAMEBUFFER_COMPLETE_EXT);
    Framebuffer framebuffer;
    bindOnDriver(framebuffer);
    Renderbuffer colour(GL_RGBA8, 4, 4);
    framebuffer.attach(&colour, 3);
    expectRefusal(thrownBy<InternalException>([&] { framebuffer.attach(&colour, 4); }), kFramebufferFile,
               "Invalid color buffer attachment only 4 attachments supported with 4 requested");
}

// Only color formats take a color index other than 0; every depth and stencil format names its point.
TEST_F(FramebufferFaults, EachFormatGoesToItsAttachmentPoint)
{
    turnOnWithFramebuffers();
    fakegl::setAnswer("glCheckFramebufferStatusEXT", GL_FRAMEBUFFER_COMPLETE_EXT);
    Framebuffer framebuffer;
    bindOnDriver(framebuffer);
    const std::string depth = "Color buffer index is not supported with attachment:GL_DEPTH_ATTACHMENT_EXT";
    const std::string stencil = "Color buffer index is not supported with attachment:GL_STENCIL_ATTACHMENT_EXT";
    const struct { GLenum format; std::string text; } cases[] = {
        {GL_DEPTH_COMPONENT, depth},        {GL_DEPTH_COMPONENT16, depth}, {GL_DEPTH_COMPONENT24, depth},
        {GL_DEPTH_COMPONENT32, depth},      {GL_DEPTH_STENCIL_EXT, depth}, {0x8D45, stencil},
        {GL_STENCIL_INDEX1_EXT, stencil},   {GL_STENCIL_INDEX4_EXT, stencil}, {GL_STENCIL_INDEX8_EXT, stencil},
        {GL_STENCIL_INDEX16_EXT, stencil},  {GL_RGBA8, ""}, {GL_STENCIL_INDEX, ""}, {GL_RGB16F_ARB, ""},
    };
    for (const auto& c : cases) {
        Renderbuffer renderbuffer(c.format, 4, 4);
        if (c.text.empty()) {
            framebuffer.attach(&renderbuffer, 1);
            framebuffer.detach(&renderbuffer, 1);
        } else {
            expectRefusal(thrownBy<InternalException>([&] { framebuffer.attach(&renderbuffer, 1); }), kFramebufferFile,
                       c.text);
            framebuffer.attach(&renderbuffer, 0);
        }
    }
}

// Every status but complete throws after the attachment, which stays; unsupported names what was attached.
TEST_F(FramebufferFaults, EachIncompleteStatusHasItsText)
{
    turnOnWithFramebuffers();
    Framebuffer framebuffer;
    bindOnDriver(framebuffer);
    Renderbuffer renderbuffer(GL_RGBA8, 4, 4);
    // The texture checks while it is made that the driver reports it bound, and must not be bound to attach.
    fakegl::queueNames({900});
    fakegl::setIntegers(GL_TEXTURE_BINDING_2D, {900});
    Texture2D texture(Texture::InternalFormat::RGBA8, 4, 4, false);
    fakegl::setIntegers(GL_TEXTURE_BINDING_2D, {0});
    const auto error = [](const char* status) { return std::string("Framebuffer attachment error: ") + status; };
    const struct { GLenum status; std::string renderbufferText; std::string textureText; } cases[] = {
        {GL_FRAMEBUFFER_UNSUPPORTED_EXT,
         "Unsupported renderbuffer format (GL_RENDERBUFFER_EXT,GL_RGBA8) for framebuffer object rendering.",
         "Unsupported texture format (GL_TEXTURE_2D,GL_RGBA8) for framebuffer object rendering."},
        {GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT, error("GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT"), ""},
        {GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT,
         error("GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT"), ""},
        {GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT, error("GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT"), ""},
        {GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT, error("GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT"), ""},
        {GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT, error("GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT"), ""},
        {GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT, error("GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT"), ""},
    };
    for (const auto& c : cases) {
        fakegl::setAnswer("glCheckFramebufferStatusEXT", c.status);
        fakegl::clearCallLog();
        expectRefusal(thrownBy<InternalException>([&] { framebuffer.attach(&renderbuffer, 0); }), kFramebufferFile,
                   c.renderbufferText);
        const std::string textureText = c.textureText.empty() ? c.renderbufferText : c.textureText;
        expectRefusal(thrownBy<InternalException>([&] { framebuffer.attach(&texture, 0, 0); }), kFramebufferFile,
                   textureText);
        EXPECT_EQ(1u, fakegl::callCount("glFramebufferRenderbufferEXT"));
        EXPECT_EQ(1u, fakegl::callCount("glFramebufferTexture2DEXT"));
        EXPECT_EQ(0u, fakegl::callCount("glDeleteFramebuffersEXT"));
    }
    unsigned status = 0;
    EXPECT_FALSE(framebuffer.statusOkay(&status));
    EXPECT_EQ(static_cast<unsigned>(GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT), status);
}
