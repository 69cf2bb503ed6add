#pragma once

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Questions and settings that concern texture units rather than texture objects.
namespace TextureState {

// Makes the zero-based texture unit active (GL_TEXTURE0 + unit).
QEL_OGL_API void setActiveTexture(int unit);
// The zero-based number of the active texture unit.
QEL_OGL_API int activeTexture();

// The rule of Texture::IsTargetSupported.
QEL_OGL_API bool IsTargetSupported(unsigned target);
QEL_OGL_API bool supportsNonPowerOfTwo();

}

}}
