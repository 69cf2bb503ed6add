#include "qel_ogl/extensionator/UnpackStateQuery.h"

namespace QEL { namespace OGL {

UnpackStateQuery::~UnpackStateQuery() = default;

PointerReadState UnpackStateQuery::pointerReadState() const
{
    PointerReadState state;
    state.unpack = current();
    return state;
}

GLuint UnpackStateQuery::bufferBinding(GLenum) const
{
    return 0;
}

std::int64_t UnpackStateQuery::bufferBytes(GLenum) const
{
    return -1;
}

bool UnpackStateQuery::readBuffer(GLenum, std::int64_t, std::int64_t, void*) const
{
    return false;
}

}}
