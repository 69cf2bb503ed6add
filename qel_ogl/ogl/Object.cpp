#include "qel_ogl/ogl/Object.h"

#include <windows.h>
#include <GL/gl.h>

namespace QEL { namespace OGL {

Object::Object(unsigned target, unsigned bindingQuery)
    : nObjectID_(0)
    , nTarget_(target)
    , nBindingQuery_(bindingQuery)
{
}

Object::~Object() = default;

unsigned Object::target() const
{
    return nTarget_;
}

unsigned Object::objectID() const
{
    return nObjectID_;
}

bool Object::isInitialized() const
{
    return nObjectID_ != 0;
}

unsigned Object::getBoundID() const
{
    GLint bound = 0;
    glGetIntegerv(nBindingQuery_, &bound);
    return static_cast<unsigned>(bound);
}

bool Object::isBound() const
{
    return getBoundID() == nObjectID_;
}

void Object::changeTarget(unsigned target, unsigned bindingQuery)
{
    nTarget_ = target;
    nBindingQuery_ = bindingQuery;
}

void Object::setObjectID(unsigned objectID)
{
    nObjectID_ = objectID;
}

}}
