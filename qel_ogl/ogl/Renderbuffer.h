#pragma once

#include "qel_ogl/ogl/Object.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// One renderbuffer of GL_EXT_framebuffer_object with fixed internal format and size, deleted with the object.
// Its format decides where a framebuffer attaches it: depth formats (GL_DEPTH_STENCIL_EXT included) at the
// depth point, stencil formats at the stencil point, every other format at a color point.
class QEL_OGL_API Renderbuffer : public Object
{
public:
    // The renderbuffer binding is the same afterwards as before.
    Renderbuffer(unsigned format, int width, int height);
    ~Renderbuffer() override;

    // The renderbuffer owns its name: a copy would delete it twice.
    Renderbuffer(const Renderbuffer&) = delete;
    Renderbuffer& operator=(const Renderbuffer&) = delete;

    static bool isSupported();
    // The largest width and height the driver accepts.
    static int maxSize();

    unsigned format() const;
    int width() const;
    int height() const;

    void bind();
    // Refused unless this renderbuffer is the bound one.
    void unbind();

protected:
    friend class Framebuffer;

    // GL_DEPTH_ATTACHMENT_EXT, GL_STENCIL_ATTACHMENT_EXT or GL_COLOR_ATTACHMENT0_EXT.
    unsigned attachment() const;

private:
    void allocate();

    unsigned nFormat_;
    unsigned nAttachment_;
    int nWidth_;
    int nHeight_;
};

}}
