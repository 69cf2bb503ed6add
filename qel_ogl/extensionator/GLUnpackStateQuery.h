#pragma once

#include "qel_ogl/extensionator/UnpackStateQuery.h"

namespace QEL { namespace OGL {

// The unpack state of the current GL context, read with glGetIntegerv. The pixel-unpack-buffer binding is
// asked for only where GL knows it (version 2.1, or a pixel buffer object extension), so that the query never
// leaves a GL error behind for the checked call that follows it.
class QEL_OGL_API GLUnpackStateQuery : public UnpackStateQuery
{
public:
    UnpackState current() const override;
    // Adds the three-dimensional unpack state (version 1.2) and the vertex-array and index buffer bindings
    // (version 1.5, or the vertex buffer object extension).
    PointerReadState pointerReadState() const override;
    GLuint bufferBinding(GLenum target) const override;
    std::int64_t bufferBytes(GLenum target) const override;
    bool readBuffer(GLenum target, std::int64_t offset, std::int64_t bytes, void* destination) const override;

private:
    static bool hasPixelBuffers();
    static bool hasVertexBuffers();
    static bool isAtLeast(int major, int minor);
};

}}
