#pragma once

#include <vector>

#include "qel_core/float3.h"
#include "qel_core/float4.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// The OpenGL 2.0 current values and their associated data as a value: current colours, index, texture
// coordinates of every coordinate set, normal, fog coordinate, the raster position with its distance, colour,
// index, texture coordinates and validity, the edge flag and the active texture unit. A default object holds
// GL's initial values; CurrentState() reads them all from the current context. Nothing is written back to GL.
class QEL_OGL_API StateObject_2_0
{
public:
    // GL's initial values, with one texture-coordinate set per GL_MAX_TEXTURE_COORDS of the current context.
    StateObject_2_0();
    virtual ~StateObject_2_0();

    // Every member as the current context holds it. The texture coordinates of each set are read with its unit
    // made active (through the entry-point table, or the driver's own entry point while the library is off);
    // the active unit is put back. Needs GL only.
    static StateObject_2_0 CurrentState();

    float4 currentColor() const;
    float4 currentSecondaryColor() const;
    float currentIndex() const;
    float3 currentNormal() const;
    float currentFogCoord() const;
    float4 currentRasterPosition() const;
    float currentRasterDistance() const;
    float4 currentRasterColor() const;
    float currentRasterIndex() const;
    bool currentRasterPositionValid() const;
    bool edgeFlag() const;
    unsigned maxTextureCoords() const;
    // The unit's index, 0 for GL_TEXTURE0.
    unsigned activeTexture() const;
    // iTexture must be below maxTextureCoords().
    float4 currentTextureCoords(unsigned iTexture) const;
    float4 currentRasterTextureCoords(unsigned iTexture) const;

private:
    void readFromCurrentContext();
    void readTextureCoordinates();

    float4 f4CurrentColor_;
    float4 f4CurrentSecondaryColor_;
    float fCurrentIndex_;
    unsigned nMaxTextureCoords_;
    std::vector<float4> vf4CurrentTextureCoords_;
    float3 f3CurrentNormal_;
    float fCurrentFogCoord_;
    float4 f4CurrentRasterPosition_;
    float fCurrentRasterDistance_;
    float4 f4CurrentRasterColor_;
    float fCurrentRasterIndex_;
    std::vector<float4> vf4CurrentRasterTextureCoords_;
    bool bCurrentRasterPositionValid_;
    bool bEdgeFlag_;
    unsigned nActiveTexture_;
};

}}
