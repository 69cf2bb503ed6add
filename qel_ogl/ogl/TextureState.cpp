#include "qel_ogl/ogl/TextureState.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/Texture.h"

namespace QEL { namespace OGL { namespace TextureState {

// GL_ARB_multitexture's entry point where the driver lists the extension, else the same function of the 1.3
// core, which every later driver has even when it no longer lists the extension.
void setActiveTexture(int unit)
{
    const GLenum texture = static_cast<GLenum>(GL_TEXTURE0 + unit);
    if (_cgmActiveTextureARB != nullptr)
        _cgmActiveTextureARB(texture);
    else
        QEL_GL(ActiveTexture)(texture);
}

int activeTexture()
{
    GLint texture = GL_TEXTURE0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &texture);
    return texture - GL_TEXTURE0;
}

bool IsTargetSupported(unsigned target)
{
    return Texture::IsTargetSupported(target);
}

bool supportsNonPowerOfTwo()
{
    return ExtensionManager::Instance()->supportsNonPowerOfTwoTextures();
}

}}}
