#pragma once

#include "qel_ogl/extensionator/UnpackState.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Where the recorder learns the pixel unpack state of the current context: GLUnpackStateQuery asks the real
// GL; hosts and tests without a context give the recorder a stand-in. Platform-free.
class QEL_OGL_API UnpackStateQuery
{
public:
    virtual ~UnpackStateQuery();

    virtual UnpackState current() const = 0;
};

}}
