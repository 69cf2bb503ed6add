#include "qel_ogl/ogl/Framebuffer.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/extensionator/TokenName.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/Renderbuffer.h"
#include "qel_ogl/ogl/Texture2.h"

namespace QEL { namespace OGL {

Framebuffer::Framebuffer()
    : Object(GL_FRAMEBUFFER_EXT, GL_FRAMEBUFFER_BINDING_EXT)
{
    QEL_SUPPORT_CHECK(GL_EXT_FRAMEBUFFER_OBJECT);
    GLuint n_ObjectID = 0;
    QEL_GL(GenFramebuffersEXT)(1, &n_ObjectID);
    QEL_ASSERT(n_ObjectID != 0);
    setObjectID(n_ObjectID);
}

Framebuffer::~Framebuffer()
{
    deleteObjectName(_cgmDeleteFramebuffersEXT, objectID());
}

bool Framebuffer::isSupported()
{
    return ExtensionManager::Instance()->isSupported(ExtensionManager::GL_EXT_FRAMEBUFFER_OBJECT);
}

unsigned Framebuffer::maxColorAttachments()
{
    GLint count = 0;
    glGetIntegerv(GL_MAX_COLOR_ATTACHMENTS_EXT, &count);
    return static_cast<unsigned>(count);
}

void Framebuffer::bind()
{
    QEL_GL(BindFramebufferEXT)(GL_FRAMEBUFFER_EXT, objectID());
}

void Framebuffer::unbind()
{
    QEL_DESCRIBED_CHECK(isBound(), "Framebuffer object must be bound before calling unbind()");
    QEL_GL(BindFramebufferEXT)(GL_FRAMEBUFFER_EXT, 0);
}

bool Framebuffer::statusOkay(unsigned* status) const
{
    QEL_DESCRIBED_CHECK(isBound(), "Framebuffer object must be bound before calling statusOkay()");
    const GLenum current = QEL_GL(CheckFramebufferStatusEXT)(GL_FRAMEBUFFER_EXT);
    if (status != nullptr)
        *status = current;
    return current == GL_FRAMEBUFFER_COMPLETE_EXT;
}

// The texture is checked first, before anything about the framebuffer.
void Framebuffer::attach(Texture2* texture, unsigned level, unsigned colorIndex)
{
    QEL_ENFORCE(texture != NULL);
    QEL_DESCRIBED_CHECK(!texture->isBound(), "Texture cannot be bound during attachment to framebuffer object");
    verifyBoundToAttach();
    verifyColorIndex(colorIndex);
    QEL_GL(FramebufferTexture2DEXT)(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT + colorIndex, texture->target(),
                                    texture->objectID(), static_cast<GLint>(level));
    verifyComplete("texture", texture->target(), Texture::InternalFormat2GL(texture->format()));
}

void Framebuffer::attach(Renderbuffer* renderbuffer, unsigned colorIndex)
{
    QEL_ENFORCE(renderbuffer != NULL);
    verifyBoundToAttach();
    verifyColorIndex(colorIndex);
    verifyAttachmentPoint(renderbuffer, colorIndex);
    QEL_GL(FramebufferRenderbufferEXT)(GL_FRAMEBUFFER_EXT, renderbuffer->attachment() + colorIndex,
                                       GL_RENDERBUFFER_EXT, renderbuffer->objectID());
    if (renderbuffer->format() == GL_DEPTH_STENCIL_EXT)
        QEL_GL(FramebufferRenderbufferEXT)(GL_FRAMEBUFFER_EXT, GL_STENCIL_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                           renderbuffer->objectID());
    verifyComplete("renderbuffer", renderbuffer->target(), renderbuffer->format());
}

void Framebuffer::detach(Texture2* texture, unsigned colorIndex)
{
    QEL_ENFORCE(texture != NULL);
    verifyBoundToDetach();
    verifyColorIndex(colorIndex);
    QEL_GL(FramebufferTexture2DEXT)(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT + colorIndex, texture->target(),
                                    0, 0);
}

void Framebuffer::detach(Renderbuffer* renderbuffer, unsigned colorIndex)
{
    QEL_ENFORCE(renderbuffer != NULL);
    verifyBoundToDetach();
    verifyColorIndex(colorIndex);
    verifyAttachmentPoint(renderbuffer, colorIndex);
    QEL_GL(FramebufferRenderbufferEXT)(GL_FRAMEBUFFER_EXT, renderbuffer->attachment() + colorIndex,
                                       GL_RENDERBUFFER_EXT, 0);
}

void Framebuffer::verifyBoundToAttach() const
{
    QEL_DESCRIBED_CHECK(isBound(), "Framebuffer Objects must be bound to attach objects");
}

void Framebuffer::verifyBoundToDetach() const
{
    QEL_DESCRIBED_CHECK(isBound(), "Framebuffer Object must be bound before detaching objects");
}

void Framebuffer::verifyColorIndex(unsigned colorIndex)
{
    const unsigned count = maxColorAttachments();
    QEL_DESCRIBED_CHECK(colorIndex < count, "Invalid color buffer attachment only " << count
                                                << " attachments supported with " << colorIndex << " requested");
}

// Only color renderbuffers have more than one point to go to.
void Framebuffer::verifyAttachmentPoint(const Renderbuffer* renderbuffer, unsigned colorIndex)
{
    const unsigned attachment = renderbuffer->attachment();
    QEL_DESCRIBED_CHECK(attachment == GL_COLOR_ATTACHMENT0_EXT || colorIndex == 0,
                        "Color buffer index is not supported with attachment:" << TokenName(attachment));
}

void Framebuffer::verifyComplete(const char* kind, unsigned target, unsigned format) const
{
    unsigned status = 0;
    const bool complete = statusOkay(&status);
    QEL_DESCRIBED_CHECK(complete || status != GL_FRAMEBUFFER_UNSUPPORTED_EXT,
                        "Unsupported " << kind << " format (" << TokenName(target) << "," << TokenName(format)
                                       << ") for framebuffer object rendering.");
    QEL_DESCRIBED_CHECK(complete, "Framebuffer attachment error: " << TokenName(status));
}

}}
