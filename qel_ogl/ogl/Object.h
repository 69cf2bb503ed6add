#pragma once

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// The common base of the wrappers that own one GL object bound at one target (buffers, textures, framebuffers,
// renderbuffers): the object's name, its target, and the glGetIntegerv query that reads what is bound there.
// The base never creates or deletes GL objects; the subclass generates the name and deletes it.
class QEL_OGL_API Object
{
public:
    virtual ~Object();

    unsigned target() const;
    unsigned objectID() const;

    // True once the subclass stored a name other than 0.
    bool isInitialized() const;

    // The name bound at this object's target now (in the active texture unit, for textures).
    unsigned getBoundID() const;
    // True when this object's name is the one bound at its target; for an object without a name, true when
    // nothing is bound there.
    bool isBound() const;

protected:
    Object(unsigned target, unsigned bindingQuery);

    // Copies the three fields; the owning subclasses forbid copying, since a copy would share the name.
    Object(const Object&) = default;
    Object& operator=(const Object&) = default;

    // Points the object at another target; GL is not told.
    void changeTarget(unsigned target, unsigned bindingQuery);

    void setObjectID(unsigned objectID);

private:
    unsigned nObjectID_;
    unsigned nTarget_;
    unsigned nBindingQuery_;
};

}}
