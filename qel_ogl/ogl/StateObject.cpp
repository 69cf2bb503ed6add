#include "qel_ogl/ogl/StateObject.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/LoaderSupport.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/ScopeGuard.h"

namespace QEL { namespace OGL {

namespace {

float4 initialTextureCoords()
{
    return float4(0.0f, 0.0f, 0.0f, 1.0f);
}

// A driver that does not know the query reports no sets.
unsigned queryMaxTextureCoords()
{
    GLint count = 0;
    glGetIntegerv(GL_MAX_TEXTURE_COORDS, &count);
    return count > 0 ? static_cast<unsigned>(count) : 0u;
}

float4 getFloat4(GLenum name)
{
    GLfloat value[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glGetFloatv(name, value);
    return float4(value[0], value[1], value[2], value[3]);
}

float3 getFloat3(GLenum name)
{
    GLfloat value[3] = {0.0f, 0.0f, 0.0f};
    glGetFloatv(name, value);
    return float3(value[0], value[1], value[2]);
}

float getFloat(GLenum name)
{
    GLfloat value = 0.0f;
    glGetFloatv(name, &value);
    return value;
}

bool getBoolean(GLenum name)
{
    GLboolean value = GL_FALSE;
    glGetBooleanv(name, &value);
    return value != GL_FALSE;
}

// The unit switch of the 1.3 core or of GL_ARB_multitexture (the same function), from the table when the
// library loaded either, else straight from the driver: a snapshot needs GL alone, not the library.
PFNGLACTIVETEXTUREPROC activeTextureEntry()
{
    if (_cgmActiveTexture != nullptr)
        return _cgmActiveTexture;
    if (_cgmActiveTextureARB != nullptr)
        return _cgmActiveTextureARB;
    PFNGLACTIVETEXTUREPROC entry = nullptr;
    if (!fetch(entry, "glActiveTexture"))
        fetch(entry, "glActiveTextureARB");
    QEL_DESCRIBED_CHECK(entry != nullptr,
                        "StateObject_2_0::CurrentState the driver has texture coordinate sets but no glActiveTexture");
    return entry;
}

}

StateObject_2_0::StateObject_2_0()
    : f4CurrentColor_(1.0f, 1.0f, 1.0f, 1.0f)
    , f4CurrentSecondaryColor_(0.0f, 0.0f, 0.0f, 1.0f)
    , fCurrentIndex_(1.0f)
    , nMaxTextureCoords_(queryMaxTextureCoords())
    , vf4CurrentTextureCoords_(nMaxTextureCoords_, initialTextureCoords())
    , f3CurrentNormal_(0.0f, 0.0f, 1.0f)
    , fCurrentFogCoord_(0.0f)
    , f4CurrentRasterPosition_(0.0f, 0.0f, 0.0f, 1.0f)
    , fCurrentRasterDistance_(0.0f)
    , f4CurrentRasterColor_(1.0f, 1.0f, 1.0f, 1.0f)
    , fCurrentRasterIndex_(1.0f)
    , vf4CurrentRasterTextureCoords_(nMaxTextureCoords_, initialTextureCoords())
    , bCurrentRasterPositionValid_(true)
    , bEdgeFlag_(true)
    , nActiveTexture_(0)
{
}

StateObject_2_0::~StateObject_2_0() = default;

StateObject_2_0 StateObject_2_0::CurrentState()
{
    StateObject_2_0 state;
    state.readFromCurrentContext();
    return state;
}

void StateObject_2_0::readFromCurrentContext()
{
    f4CurrentColor_ = getFloat4(GL_CURRENT_COLOR);
    f4CurrentSecondaryColor_ = getFloat4(GL_CURRENT_SECONDARY_COLOR);
    fCurrentIndex_ = getFloat(GL_CURRENT_INDEX);
    f3CurrentNormal_ = getFloat3(GL_CURRENT_NORMAL);
    fCurrentFogCoord_ = getFloat(GL_CURRENT_FOG_COORD);
    f4CurrentRasterPosition_ = getFloat4(GL_CURRENT_RASTER_POSITION);
    fCurrentRasterDistance_ = getFloat(GL_CURRENT_RASTER_DISTANCE);
    f4CurrentRasterColor_ = getFloat4(GL_CURRENT_RASTER_COLOR);
    fCurrentRasterIndex_ = getFloat(GL_CURRENT_RASTER_INDEX);
    bCurrentRasterPositionValid_ = getBoolean(GL_CURRENT_RASTER_POSITION_VALID);
    bEdgeFlag_ = getBoolean(GL_EDGE_FLAG);
    GLint activeTexture = GL_TEXTURE0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
    nActiveTexture_ = static_cast<unsigned>(activeTexture - GL_TEXTURE0);
    readTextureCoordinates();
}

// GL answers the texture coordinates of the active unit only, so each unit is made active in turn; the unit
// that was active is made active again at the end. A driver without coordinate sets switches no unit.
void StateObject_2_0::readTextureCoordinates()
{
    if (nMaxTextureCoords_ == 0)
        return;
    const PFNGLACTIVETEXTUREPROC activeTexture = activeTextureEntry();
    const unsigned previous = GL_TEXTURE0 + nActiveTexture_;
    ScopeGuard restoreActiveTexture([activeTexture, previous] { activeTexture(previous); });
    for (unsigned unit = 0; unit < nMaxTextureCoords_; ++unit) {
        activeTexture(GL_TEXTURE0 + unit);
        vf4CurrentTextureCoords_[unit] = getFloat4(GL_CURRENT_TEXTURE_COORDS);
        vf4CurrentRasterTextureCoords_[unit] = getFloat4(GL_CURRENT_RASTER_TEXTURE_COORDS);
    }
}

float4 StateObject_2_0::currentColor() const
{
    return f4CurrentColor_;
}

float4 StateObject_2_0::currentSecondaryColor() const
{
    return f4CurrentSecondaryColor_;
}

float StateObject_2_0::currentIndex() const
{
    return fCurrentIndex_;
}

float3 StateObject_2_0::currentNormal() const
{
    return f3CurrentNormal_;
}

float StateObject_2_0::currentFogCoord() const
{
    return fCurrentFogCoord_;
}

float4 StateObject_2_0::currentRasterPosition() const
{
    return f4CurrentRasterPosition_;
}

float StateObject_2_0::currentRasterDistance() const
{
    return fCurrentRasterDistance_;
}

float4 StateObject_2_0::currentRasterColor() const
{
    return f4CurrentRasterColor_;
}

float StateObject_2_0::currentRasterIndex() const
{
    return fCurrentRasterIndex_;
}

bool StateObject_2_0::currentRasterPositionValid() const
{
    return bCurrentRasterPositionValid_;
}

bool StateObject_2_0::edgeFlag() const
{
    return bEdgeFlag_;
}

unsigned StateObject_2_0::maxTextureCoords() const
{
    return nMaxTextureCoords_;
}

unsigned StateObject_2_0::activeTexture() const
{
    return nActiveTexture_;
}

float4 StateObject_2_0::currentTextureCoords(unsigned iTexture) const
{
    QEL_ASSERT(iTexture < maxTextureCoords());
    return vf4CurrentTextureCoords_[iTexture];
}

float4 StateObject_2_0::currentRasterTextureCoords(unsigned iTexture) const
{
    QEL_ASSERT(iTexture < maxTextureCoords());
    return vf4CurrentRasterTextureCoords_[iTexture];
}

}}
