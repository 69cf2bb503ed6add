#include "qel_ogl/ogl/Renderbuffer.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/ScopeGuard.h"

namespace QEL { namespace OGL {

namespace {

// GL_STENCIL_INDEX_EXT of GL_EXT_framebuffer_object, which today's glext.h no longer defines.
const unsigned kStencilIndexEXT = 0x8D45;

// The attachment point that a renderbuffer of that internal format belongs to.
unsigned attachmentOf(unsigned format)
{
    switch (format) {
    case GL_DEPTH_COMPONENT:
    case GL_DEPTH_COMPONENT16:
    case GL_DEPTH_COMPONENT24:
    case GL_DEPTH_COMPONENT32:
    case GL_DEPTH_STENCIL_EXT:
        return GL_DEPTH_ATTACHMENT_EXT;
    case kStencilIndexEXT:
    case GL_STENCIL_INDEX1_EXT:
    case GL_STENCIL_INDEX4_EXT:
    case GL_STENCIL_INDEX8_EXT:
    case GL_STENCIL_INDEX16_EXT:
        return GL_STENCIL_ATTACHMENT_EXT;
    default:
        return GL_COLOR_ATTACHMENT0_EXT;
    }
}

}

// Both sizes are checked against the driver's limit before a name is generated; a name generated here is
// deleted again when the rest of the construction fails.
Renderbuffer::Renderbuffer(unsigned format, int width, int height)
    : Object(GL_RENDERBUFFER_EXT, GL_RENDERBUFFER_BINDING_EXT)
    , nFormat_(format)
    , nAttachment_(attachmentOf(format))
    , nWidth_(width)
    , nHeight_(height)
{
    QEL_SUPPORT_CHECK(GL_EXT_FRAMEBUFFER_OBJECT);
    const int limit = maxSize();
    QEL_DESCRIBED_CHECK(width <= limit, "Can't create renderbuffer of width " << width << ", a max width of "
                                                                               << limit << " is supported");
    QEL_DESCRIBED_CHECK(height <= limit, "Can't create renderbuffer of height " << height << ", a max height of "
                                                                                 << limit << " is supported");
    GLuint n_ObjectID = 0;
    QEL_GL(GenRenderbuffersEXT)(1, &n_ObjectID);
    setObjectID(n_ObjectID);
    try {
        allocate();
        QEL_ASSERT(n_ObjectID != 0);
    } catch (...) {
        deleteObjectName(_cgmDeleteRenderbuffersEXT, n_ObjectID);
        throw;
    }
}

Renderbuffer::~Renderbuffer()
{
    deleteObjectName(_cgmDeleteRenderbuffersEXT, objectID());
}

// The storage is made while the renderbuffer is bound; whatever was bound before is bound again afterwards,
// also when the allocation throws.
void Renderbuffer::allocate()
{
    const unsigned previous = getBoundID();
    bind();
    // bind() got through, so the entry point is loaded and the guard cannot throw.
    ScopeGuard restoreBinding([previous] { _cgmBindRenderbufferEXT(GL_RENDERBUFFER_EXT, previous); });
    QEL_GL(RenderbufferStorageEXT)(GL_RENDERBUFFER_EXT, nFormat_, nWidth_, nHeight_);
}

bool Renderbuffer::isSupported()
{
    return ExtensionManager::Instance()->isSupported(ExtensionManager::GL_EXT_FRAMEBUFFER_OBJECT);
}

int Renderbuffer::maxSize()
{
    GLint size = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &size);
    return size;
}

unsigned Renderbuffer::format() const
{
    return nFormat_;
}

int Renderbuffer::width() const
{
    return nWidth_;
}

int Renderbuffer::height() const
{
    return nHeight_;
}

unsigned Renderbuffer::attachment() const
{
    return nAttachment_;
}

void Renderbuffer::bind()
{
    QEL_GL(BindRenderbufferEXT)(GL_RENDERBUFFER_EXT, objectID());
}

void Renderbuffer::unbind()
{
    QEL_DESCRIBED_CHECK(isBound(), "Framebuffer object must be bound before calling unbind()");
    QEL_GL(BindRenderbufferEXT)(GL_RENDERBUFFER_EXT, 0);
}

}}
