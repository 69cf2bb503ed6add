#pragma once

#include <cstdint>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/PointerReads.h"
#include "qel_ogl/extensionator/UnpackState.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Where the recorder learns the GL state of the current context that decides what it records: the pixel
// unpack state, the buffer bindings that make pointers offsets, and the buffers that a call reads from.
// GLUnpackStateQuery asks the real GL; hosts and tests without a context give the recorder a stand-in, whose
// answers beyond the unpack state default to "no buffer bound" and "not known". Platform-free.
class QEL_OGL_API UnpackStateQuery
{
public:
    virtual ~UnpackStateQuery();
    virtual UnpackState current() const = 0;
    // The unpack state, and whether buffers are bound for vertex arrays and for indices.
    virtual PointerReadState pointerReadState() const;
    // The name of the buffer bound to target; 0 when none is or it is not known.
    virtual GLuint bufferBinding(GLenum target) const;
    // The size in bytes of the buffer bound to target; -1 when not known.
    virtual std::int64_t bufferBytes(GLenum target) const;
    // Copies `bytes` bytes from `offset` of the buffer bound to target; false when it cannot.
    virtual bool readBuffer(GLenum target, std::int64_t offset, std::int64_t bytes, void* destination) const;
};

}}
