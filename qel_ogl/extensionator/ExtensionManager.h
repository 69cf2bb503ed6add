#pragma once

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Learns what the OpenGL implementation behind a context offers and answers the feature questions.
class QEL_OGL_API ExtensionManager
{
public:
    // The known core versions (0 to 5), GL extensions (6 to 300) and WGL extensions (301 to 334); the values
    // are fixed, hosts pass them to isSupported and initialize.
    enum teExtension {
#include "qel_ogl/extensionator/generated/teExtensionValues.inc"
    };
};

}}
