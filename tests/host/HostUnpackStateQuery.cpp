// The recorder's default query asks the current GL context for the unpack state; the host build has no GL, so
// its stand-in answers GL's initial state, with no buffer bound or known. Tests and fuzz targets give the recorder a query of their own.

#include "qel_ogl/extensionator/GLUnpackStateQuery.h"

namespace QEL { namespace OGL {

UnpackState GLUnpackStateQuery::current() const
{
    return UnpackState();
}

PointerReadState GLUnpackStateQuery::pointerReadState() const
{
    return UnpackStateQuery::pointerReadState();
}

GLuint GLUnpackStateQuery::bufferBinding(GLenum target) const
{
    return UnpackStateQuery::bufferBinding(target);
}

std::int64_t GLUnpackStateQuery::bufferBytes(GLenum target) const
{
    return UnpackStateQuery::bufferBytes(target);
}

bool GLUnpackStateQuery::readBuffer(GLenum target, std::int64_t offset, std::int64_t bytes, void* destination) const
{
    return UnpackStateQuery::readBuffer(target, offset, bytes, destination);
}

}}
