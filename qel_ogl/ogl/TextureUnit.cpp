#include "qel_ogl/ogl/TextureUnit.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"

namespace QEL { namespace OGL {

namespace {

// The GL mode of each Environment, indexed by its value; read one way by Environment2GL and the other by
// GL2Environment, so the two cannot disagree.
const unsigned kEnvironmentModes[] = {GL_ADD, GL_BLEND, GL_COMBINE, GL_DECAL, GL_MODULATE, GL_REPLACE};
const std::size_t kEnvironmentCount = sizeof kEnvironmentModes / sizeof kEnvironmentModes[0];

}

unsigned TextureUnit::nMaxTextureUnit_ = 0;
AutoVector<TextureUnit> TextureUnit::avUnits_;

TextureUnit::TextureUnit(unsigned unit)
    : nUnit_(unit)
{
}

// The units are built aside and only then take the registry's place, so that a failure leaves it empty. A
// driver that reports no units leaves the registry as it was: nothing created.
void TextureUnit::Create(Context*)
{
    QEL_ASSERT(nMaxTextureUnit_ == 0);
    const unsigned count = ExtensionManager::Instance()->numberOfTextureUnits();
    AutoVector<TextureUnit> units;
    units.resize(count);
    for (unsigned unit = 0; unit < count; ++unit)
        units.set(unit, new TextureUnit(unit));
    avUnits_.swap(units);
    nMaxTextureUnit_ = count;
}

void TextureUnit::Destroy()
{
    QEL_ASSERT(nMaxTextureUnit_ != 0);
    avUnits_.clear();
    nMaxTextureUnit_ = 0;
}

TextureUnit* TextureUnit::Unit(unsigned unit)
{
    QEL_ASSERT(unit < nMaxTextureUnit_);
    return avUnits_[unit];
}

unsigned TextureUnit::Environment2GL(Environment environment)
{
    const std::size_t index = static_cast<std::size_t>(environment);
    if (index >= kEnvironmentCount)
        QEL_UNREACHABLE("Environment enums are not all properly translated.");
    return kEnvironmentModes[index];
}

TextureUnit::Environment TextureUnit::GL2Environment(unsigned mode)
{
    for (std::size_t index = 0; index < kEnvironmentCount; ++index) {
        if (kEnvironmentModes[index] == mode)
            return static_cast<Environment>(index);
    }
    QEL_UNREACHABLE("Environment enums are not all properly translated.");
}

void TextureUnit::bind(Texture1D* texture) const
{
    bind(GL_TEXTURE_1D, texture);
}

void TextureUnit::bind(Texture2D* texture) const
{
    bind(GL_TEXTURE_2D, texture);
}

void TextureUnit::bind(Texture3D* texture) const
{
    bind(GL_TEXTURE_3D, texture);
}

void TextureUnit::bind(TextureRECT* texture) const
{
    bind(GL_TEXTURE_RECTANGLE_ARB, texture);
}

void TextureUnit::enable1D() const
{
    enable(GL_TEXTURE_1D);
}

void TextureUnit::enable2D() const
{
    enable(GL_TEXTURE_2D);
}

void TextureUnit::enable3D() const
{
    enable(GL_TEXTURE_3D);
}

void TextureUnit::enableRECT() const
{
    enable(GL_TEXTURE_RECTANGLE_ARB);
}

void TextureUnit::disable1D() const
{
    disable(GL_TEXTURE_1D);
}

void TextureUnit::disable2D() const
{
    disable(GL_TEXTURE_2D);
}

void TextureUnit::disable3D() const
{
    disable(GL_TEXTURE_3D);
}

void TextureUnit::disableRECT() const
{
    disable(GL_TEXTURE_RECTANGLE_ARB);
}

bool TextureUnit::isEnabled1D() const
{
    return isEnabled(GL_TEXTURE_1D);
}

bool TextureUnit::isEnabled2D() const
{
    return isEnabled(GL_TEXTURE_2D);
}

bool TextureUnit::isEnabled3D() const
{
    return isEnabled(GL_TEXTURE_3D);
}

bool TextureUnit::isEnabledRECT() const
{
    return isEnabled(GL_TEXTURE_RECTANGLE_ARB);
}

void TextureUnit::bind1DDefault() const
{
    bindDefault(GL_TEXTURE_1D);
}

void TextureUnit::bind2DDefault() const
{
    bindDefault(GL_TEXTURE_2D);
}

void TextureUnit::bind3DDefault() const
{
    bindDefault(GL_TEXTURE_3D);
}

void TextureUnit::bindRECTDefault() const
{
    bindDefault(GL_TEXTURE_RECTANGLE_ARB);
}

void TextureUnit::setEnv(Environment environment) const
{
    verifyActiveTexture();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, static_cast<GLint>(Environment2GL(environment)));
}

// Every per-unit member goes to GL only while the library is on.
void TextureUnit::verifyActiveTexture() const
{
    QEL_DESCRIBED_CHECK(nMaxTextureUnit_ != 0, "TextureUnit::Create() was not called (Singleton not created.)");
}

void TextureUnit::bind(unsigned target, const Texture* texture) const
{
    verifyActiveTexture();
    QEL_DESCRIBED_CHECK(texture != NULL, "TextureUnit::bind texture must not be NULL");
    glBindTexture(target, texture->objectID());
}

void TextureUnit::enable(unsigned target) const
{
    verifyActiveTexture();
    glEnable(target);
}

void TextureUnit::disable(unsigned target) const
{
    verifyActiveTexture();
    glDisable(target);
}

bool TextureUnit::isEnabled(unsigned target) const
{
    verifyActiveTexture();
    return glIsEnabled(target) == GL_TRUE;
}

void TextureUnit::bindDefault(unsigned target) const
{
    verifyActiveTexture();
    glBindTexture(target, 0);
}

}}
