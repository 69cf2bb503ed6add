// Bad inputs to framebuffers on the real driver: attaching and detaching null, bound and misplaced objects at
// points that do not exist, and every operation of a framebuffer that is not bound.

#include "SweepFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Framebuffer.h"
#include "qel_ogl/ogl/Renderbuffer.h"
#include "qel_ogl/ogl/Texture2.h"

using QEL::OGL::Framebuffer;
using QEL::OGL::Renderbuffer;
using QEL::OGL::Texture;
using QEL::OGL::Texture2;
using QEL::OGL::Texture2D;

namespace {

// A framebuffer with what can be attached to it: an 8 by 8 colour texture (not bound), a colour and a depth
// renderbuffer. The framebuffer is bound, or not, as the table wants it.
struct Scene
{
    explicit Scene(bool bound)
    {
        if (bound)
            framebuffer.bind();
    }

    ~Scene()
    {
        if (framebuffer.isBound())
            framebuffer.unbind();
    }

    Framebuffer framebuffer;
    Texture2D texture{Texture::InternalFormat::RGBA8, 8u, 8u, false};
    Renderbuffer colour{GL_RGBA8, 8, 8};
    Renderbuffer depth{GL_DEPTH_COMPONENT24, 8, 8};
};

GLint attached(GLenum point)
{
    GLint name = 0;
    _cgmGetFramebufferAttachmentParameterivEXT(GL_FRAMEBUFFER_EXT, point, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME_EXT,
                                               &name);
    return name;
}

// What is attached at the first colour points and at the depth and stencil points of the bound framebuffer.
std::string attachments(const Scene& s)
{
    if (!s.framebuffer.isBound())
        return describe("not bound, name=", s.framebuffer.objectID());
    return describe("colour=", attached(GL_COLOR_ATTACHMENT0_EXT), ",", attached(GL_COLOR_ATTACHMENT1_EXT),
                    " depth=", attached(GL_DEPTH_ATTACHMENT_EXT), " stencil=", attached(GL_STENCIL_ATTACHMENT_EXT));
}

Texture2* noTexture()
{
    return nullptr;
}

Renderbuffer* noRenderbuffer()
{
    return nullptr;
}

}

TEST_F(LibraryOnSweep, Framebuffer)
{
    const unsigned points = Framebuffer::maxColorAttachments();
    sweep(Table<Scene>{"Framebuffer, bound", [] { return std::make_unique<Scene>(true); }, attachments, {
        {"Framebuffer::attach", "null texture", kInternal, [](Scene& s) { s.framebuffer.attach(noTexture(), 0, 0); }},
        {"Framebuffer::attach", "null renderbuffer", kInternal,
         [](Scene& s) { s.framebuffer.attach(noRenderbuffer(), 0); }},
        {"Framebuffer::attach", "a texture at a colour point past the last", kInternal,
         [points](Scene& s) { s.framebuffer.attach(&s.texture, 0, points); }},
        {"Framebuffer::attach", "a texture at colour point UINT_MAX", kInternal,
         [](Scene& s) { s.framebuffer.attach(&s.texture, 0, UINT_MAX); }},
        {"Framebuffer::attach", "a renderbuffer at a colour point past the last", kInternal,
         [points](Scene& s) { s.framebuffer.attach(&s.colour, points); }},
        {"Framebuffer::attach", "a depth renderbuffer at colour index 1", kInternal,
         [](Scene& s) { s.framebuffer.attach(&s.depth, 1); }},
        {"Framebuffer::detach", "null texture", kInternal, [](Scene& s) { s.framebuffer.detach(noTexture(), 0); }},
        {"Framebuffer::detach", "null renderbuffer", kInternal, [](Scene& s) { s.framebuffer.detach(noRenderbuffer(), 0); }},
        {"Framebuffer::detach", "a texture at a colour point past the last", kInternal,
         [points](Scene& s) { s.framebuffer.detach(&s.texture, points); }},
        {"Framebuffer::detach", "a depth renderbuffer at colour index 1", kInternal,
         [](Scene& s) { s.framebuffer.detach(&s.depth, 1); }},
    }});
    const auto boundTexture = [] {
        auto s = std::make_unique<Scene>(true);
        s->texture.bind_DEPRECATED_1_0(Texture::CURRENT_UNIT);
        return s;
    };
    sweep(Table<Scene>{"Framebuffer, bound, its texture bound too", boundTexture, attachments, {
        {"Framebuffer::attach", "a bound texture", kInternal, [](Scene& s) { s.framebuffer.attach(&s.texture, 0, 0); }},
    }});
    sweep(Table<Scene>{"Framebuffer, not bound", [] { return std::make_unique<Scene>(false); }, attachments, {
        {"Framebuffer::unbind", "a framebuffer not bound", kInternal, [](Scene& s) { s.framebuffer.unbind(); }},
        {"Framebuffer::statusOkay", "a framebuffer not bound", kInternal,
         [](Scene& s) { unsigned status = 0; s.framebuffer.statusOkay(&status); }},
        {"Framebuffer::attach", "a texture to a framebuffer not bound", kInternal,
         [](Scene& s) { s.framebuffer.attach(&s.texture, 0, 0); }},
        {"Framebuffer::attach", "a renderbuffer to a framebuffer not bound", kInternal,
         [](Scene& s) { s.framebuffer.attach(&s.colour, 0); }},
        {"Framebuffer::detach", "a texture from a framebuffer not bound", kInternal,
         [](Scene& s) { s.framebuffer.detach(&s.texture, 0); }},
        {"Framebuffer::detach", "a renderbuffer from a framebuffer not bound", kInternal,
         [](Scene& s) { s.framebuffer.detach(&s.depth, 0); }},
    }});
}
