// The GL 2.0 current values on a real driver: GL's initial values with the driver's count of texture-coordinate
// sets, a snapshot of every member after the test set it through GL, and copies.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/StateObject.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <memory>

using QEL::float3;
using QEL::float4;
using QEL::InternalException;
using QEL::OGL::StateObject_2_0;

namespace {

unsigned driverTextureCoords()
{
    GLint count = 0;
    glGetIntegerv(GL_MAX_TEXTURE_COORDS, &count);
    return static_cast<unsigned>(count);
}

// Texture coordinates that differ per set, and differ again with base.
float4 coords(unsigned set, float base)
{
    return float4(base + static_cast<float>(set), 0.5f, 0.25f * static_cast<float>(set), 1.0f);
}

void setCoords(unsigned sets, float base)
{
    for (unsigned set = 0; set < sets; ++set) {
        const float4 value = coords(set, base);
        _cgmMultiTexCoord4f(GL_TEXTURE0 + set, value.x, value.y, value.z, value.w);
    }
}

// An entry point asked of the driver, past the library's table.
template <class Entry>
Entry driverEntry(const char* name)
{
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

void expectOutOfRange(float4 (StateObject_2_0::*accessor)(unsigned) const, const StateObject_2_0& state)
{
    const auto e = thrownBy<InternalException>([&] { (state.*accessor)(state.maxTextureCoords()); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/StateObject.cpp", e->file());
    EXPECT_STREQ("iTexture < maxTextureCoords()", e->text());
}

}

class StateObject : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }
};

TEST_F(StateObject, ADefaultObjectHoldsTheInitialValuesForEverySetOfTheDriver)
{
    glColor4f(0.5f, 0.5f, 0.5f, 0.5f);
    const StateObject_2_0 state;
    const unsigned sets = driverTextureCoords();
    ASSERT_LT(1u, sets);
    EXPECT_EQ(sets, state.maxTextureCoords());
    EXPECT_EQ(float4(1, 1, 1, 1), state.currentColor());
    EXPECT_EQ(float4(0, 0, 0, 1), state.currentSecondaryColor());
    EXPECT_EQ(1.0f, state.currentIndex());
    EXPECT_EQ(float3(0, 0, 1), state.currentNormal());
    EXPECT_EQ(0.0f, state.currentFogCoord());
    EXPECT_EQ(float4(0, 0, 0, 1), state.currentRasterPosition());
    EXPECT_EQ(0.0f, state.currentRasterDistance());
    EXPECT_EQ(float4(1, 1, 1, 1), state.currentRasterColor());
    EXPECT_EQ(1.0f, state.currentRasterIndex());
    EXPECT_TRUE(state.currentRasterPositionValid());
    EXPECT_TRUE(state.edgeFlag());
    EXPECT_EQ(0u, state.activeTexture());
    for (unsigned set = 0; set < sets; ++set) {
        EXPECT_EQ(float4(0, 0, 0, 1), state.currentTextureCoords(set));
        EXPECT_EQ(float4(0, 0, 0, 1), state.currentRasterTextureCoords(set));
    }
    expectOutOfRange(&StateObject_2_0::currentTextureCoords, state);
    expectOutOfRange(&StateObject_2_0::currentRasterTextureCoords, state);
}

// The raster position is taken with one colour, index and set of coordinates, which then change: the snapshot
// must tell the raster's values from the current ones. Copies of it, made while it lives, outlive it.
TEST_F(StateObject, CurrentStateReadsEveryMemberFromTheContext)
{
    const unsigned sets = driverTextureCoords();
    glViewport(0, 0, 64, 32);
    glColor4f(0.75f, 0.5f, 0.25f, 1.0f);
    glIndexf(3.0f);
    setCoords(sets, 10.0f);
    glRasterPos4f(0.0f, 0.0f, 0.5f, 1.0f);

    glColor4f(0.5f, 0.25f, 0.0f, 1.0f);
    _cgmSecondaryColor3f(0.125f, 0.25f, 0.375f);
    glIndexf(5.0f);
    setCoords(sets, 20.0f);
    glNormal3f(0.0f, 1.0f, 0.0f);
    _cgmFogCoordf(2.5f);
    glEdgeFlag(GL_FALSE);
    _cgmActiveTexture(GL_TEXTURE3);

    auto snapshot = std::make_unique<StateObject_2_0>(StateObject_2_0::CurrentState());
    const StateObject_2_0 copy(*snapshot);
    StateObject_2_0 assigned;
    assigned = *snapshot;
    snapshot.reset();
    // An RGBA context never changes its raster index; the snapshot answers what GL holds.
    GLfloat rasterIndex = 0.0f;
    glGetFloatv(GL_CURRENT_RASTER_INDEX, &rasterIndex);
    for (const StateObject_2_0* state : {&copy, static_cast<const StateObject_2_0*>(&assigned)}) {
        EXPECT_EQ(float4(0.5f, 0.25f, 0.0f, 1.0f), state->currentColor());
        EXPECT_EQ(float4(0.125f, 0.25f, 0.375f, 1.0f), state->currentSecondaryColor());
        EXPECT_EQ(5.0f, state->currentIndex());
        EXPECT_EQ(float3(0.0f, 1.0f, 0.0f), state->currentNormal());
        EXPECT_EQ(2.5f, state->currentFogCoord());
        EXPECT_EQ(float4(32.0f, 16.0f, 0.75f, 1.0f), state->currentRasterPosition());
        EXPECT_FLOAT_EQ(0.5f, state->currentRasterDistance());
        EXPECT_EQ(float4(0.75f, 0.5f, 0.25f, 1.0f), state->currentRasterColor());
        EXPECT_EQ(rasterIndex, state->currentRasterIndex());
        EXPECT_TRUE(state->currentRasterPositionValid());
        EXPECT_FALSE(state->edgeFlag());
        EXPECT_EQ(3u, state->activeTexture());
        ASSERT_EQ(sets, state->maxTextureCoords());
        for (unsigned set = 0; set < sets; ++set) {
            EXPECT_EQ(coords(set, 20.0f), state->currentTextureCoords(set)) << set;
            EXPECT_EQ(coords(set, 10.0f), state->currentRasterTextureCoords(set)) << set;
        }
    }

    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(GL_TEXTURE3, active);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());

    glRasterPos2f(2.0f, 0.0f);
    EXPECT_FALSE(StateObject_2_0::CurrentState().currentRasterPositionValid());
}

// With the library off the table holds no unit switch: the snapshot takes the driver's own, reads every set and
// puts the active unit back.
using StateObjectWithoutLibrary = GLContextFixture;

TEST_F(StateObjectWithoutLibrary, CurrentStateNeedsOnlyGL)
{
    const UnloadedEntry<PFNGLACTIVETEXTUREPROC> core(_cgmActiveTexture);
    const UnloadedEntry<PFNGLACTIVETEXTUREARBPROC> arb(_cgmActiveTextureARB);
    const auto activeTexture = driverEntry<PFNGLACTIVETEXTUREPROC>("glActiveTexture");
    const auto multiTexCoord = driverEntry<PFNGLMULTITEXCOORD4FPROC>("glMultiTexCoord4f");
    ASSERT_NE(nullptr, activeTexture);
    ASSERT_NE(nullptr, multiTexCoord);
    multiTexCoord(GL_TEXTURE1, 1.0f, 2.0f, 3.0f, 4.0f);
    activeTexture(GL_TEXTURE2);

    const StateObject_2_0 state = StateObject_2_0::CurrentState();
    EXPECT_EQ(float4(1.0f, 2.0f, 3.0f, 4.0f), state.currentTextureCoords(1));
    EXPECT_EQ(float4(0, 0, 0, 1), state.currentTextureCoords(0));
    EXPECT_EQ(2u, state.activeTexture());
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(GL_TEXTURE2, active);
}
