#pragma once

#include "qel_ogl/ogl/AutoVector.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Context;
class Library;
class Texture;
class Texture1D;
class Texture2D;
class Texture3D;
class TextureRECT;

// One object per texture unit of the driver, made when the library is turned on and reached through Unit(i).
// A unit object acts on the unit that is active in GL: it never switches units itself, so the caller activates
// unit i first and then uses Unit(i).
class QEL_OGL_API TextureUnit
{
public:
    // The texture environment modes, each named after its GL constant.
    enum Environment : int { ADD = 0, BLEND = 1, COMBINE = 2, DECAL = 3, MODULATE = 4, REPLACE = 5 };

    // The unit object of that index; throws for an index past the driver's last unit.
    static TextureUnit* Unit(unsigned unit);

    static unsigned Environment2GL(Environment environment);
    static Environment GL2Environment(unsigned mode);

    // Binds the texture at its target; a null texture is refused (bind1DDefault() and kin bind name 0).
    void bind(Texture1D* texture) const;
    void bind(Texture2D* texture) const;
    void bind(Texture3D* texture) const;
    void bind(TextureRECT* texture) const;

    void enable1D() const;
    void enable2D() const;
    void enable3D() const;
    void enableRECT() const;

    void disable1D() const;
    void disable2D() const;
    void disable3D() const;
    void disableRECT() const;

    bool isEnabled1D() const;
    bool isEnabled2D() const;
    bool isEnabled3D() const;
    bool isEnabledRECT() const;

    void bind1DDefault() const;
    void bind2DDefault() const;
    void bind3DDefault() const;
    void bindRECTDefault() const;

    void setEnv(Environment environment) const;

private:
    friend class Library;

    explicit TextureUnit(unsigned unit);

    // Library makes the units right after the extension manager, whose unit count they follow.
    static void Create(Context* pContext);
    static void Destroy();

    void verifyActiveTexture() const;
    void bind(unsigned target, const Texture* texture) const;
    void enable(unsigned target) const;
    void disable(unsigned target) const;
    bool isEnabled(unsigned target) const;
    void bindDefault(unsigned target) const;

    unsigned nUnit_;

    // 0 while no units exist; avUnits_ then holds nothing.
    static unsigned nMaxTextureUnit_;
    static AutoVector<TextureUnit> avUnits_;
};

}}
