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

private:
    static bool hasPixelBuffers();
};

}}
