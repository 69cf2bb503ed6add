#pragma once

#include "qel_ogl/ogl/Object.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Renderbuffer;
class Texture2;

// One framebuffer object of GL_EXT_framebuffer_object, deleted with the object. Two-dimensional textures and
// renderbuffers are attached while it is bound, and every attachment is followed by a completeness check that
// throws for an incomplete framebuffer; the attachment stays in place then.
class QEL_OGL_API Framebuffer : public Object
{
public:
    // Not bound afterwards.
    Framebuffer();
    ~Framebuffer() override;

    // The framebuffer owns its name: a copy would delete it twice.
    Framebuffer(const Framebuffer&) = delete;
    Framebuffer& operator=(const Framebuffer&) = delete;

    static bool isSupported();
    static unsigned maxColorAttachments();

    void bind();
    // Binds the window's framebuffer again; refused unless this framebuffer is the bound one.
    void unbind();

    // True when the bound framebuffer is complete; the status itself goes through status when it is not null.
    bool statusOkay(unsigned* status) const;

    // A level of a texture that is not bound, at color point colorIndex.
    void attach(Texture2* texture, unsigned level, unsigned colorIndex);
    // At the renderbuffer's own point: color point colorIndex, or the depth or stencil point (colorIndex 0). A
    // depth-stencil renderbuffer goes to both the depth and the stencil point.
    void attach(Renderbuffer* renderbuffer, unsigned colorIndex);

    // Clear the point that the matching attach filled; no completeness check. For a depth-stencil renderbuffer
    // only the depth point is cleared.
    void detach(Texture2* texture, unsigned colorIndex);
    void detach(Renderbuffer* renderbuffer, unsigned colorIndex);

private:
    void verifyBoundToAttach() const;
    void verifyBoundToDetach() const;
    static void verifyColorIndex(unsigned colorIndex);
    static void verifyAttachmentPoint(const Renderbuffer* renderbuffer, unsigned colorIndex);
    // Throws for an incomplete framebuffer after an attachment of that kind ("texture", "renderbuffer"),
    // naming the attached object's target and format when the driver does not support the combination.
    void verifyComplete(const char* kind, unsigned target, unsigned format) const;
};

}}
