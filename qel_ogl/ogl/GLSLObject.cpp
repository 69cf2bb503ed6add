#include "qel_ogl/ogl/GLSLObject.h"

#include <utility>

namespace QEL { namespace OGL {

GLSLObject::GLSLObject(unsigned hObject)
    : _hObject(hObject)
{
}

GLSLObject::GLSLObject(GLSLObject&& other) noexcept
    : _hObject(other._hObject)
{
    other._hObject = 0;
}

GLSLObject::~GLSLObject() noexcept(false) = default;

unsigned GLSLObject::objectID() const
{
    return _hObject;
}

void GLSLObject::swapHandle(GLSLObject& other) noexcept
{
    std::swap(_hObject, other._hObject);
}

}}
