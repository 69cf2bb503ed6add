// The GL 2.0 state snapshot on drivers that Mesa cannot be made to be: a 1.2 driver whose unit switch is the one
// of GL_ARB_multitexture, and, with the library off, drivers that offer one unit switch or none.

#include "FakeGLFixture.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/StateObject.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

using QEL::InternalException;
using QEL::OGL::StateObject_2_0;

// Two texture-coordinate sets with the first unit active; the table starts without either unit switch.
class StateObjectFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        fakegl::setIntegers(GL_MAX_TEXTURE_COORDS, {2});
        fakegl::setIntegers(GL_ACTIVE_TEXTURE, {GL_TEXTURE0});
    }

    // Each set is read with its unit active, then the first unit is made active again.
    static void expectThreeSwitchesThrough(const char* function)
    {
        fakegl::clearCallLog();
        EXPECT_EQ(2u, StateObject_2_0::CurrentState().maxTextureCoords());
        EXPECT_EQ(3u, fakegl::callCount(function)) << fakegl::callLog();
    }

private:
    UnloadedEntry<PFNGLACTIVETEXTUREPROC> core_{_cgmActiveTexture};
    UnloadedEntry<PFNGLACTIVETEXTUREARBPROC> arb_{_cgmActiveTextureARB};
};

TEST_F(StateObjectFaults, Version12DriverSwitchesUnitsThroughTheExtension)
{
    fakegl::setString(GL_VERSION, "1.2");
    fakegl::setString(GL_EXTENSIONS, "GL_ARB_multitexture");
    fakegl::setIntegers(GL_MAX_TEXTURE_UNITS, {2});
    const auto loaders = loaderEntryPoints();
    for (const EntryPoint& entryPoint : loaders.at("GL_ARB_multitexture"))
        ASSERT_TRUE(fakegl::enableProc(entryPoint.function)) << entryPoint.function;
    turnOn();
    ASSERT_NE(nullptr, _cgmActiveTextureARB);
    expectThreeSwitchesThrough("glActiveTextureARB");
}

TEST_F(StateObjectFaults, WithTheLibraryOffTheDriversOwnUnitSwitchIsTaken)
{
    expectRefusal(thrownBy<InternalException>([] { StateObject_2_0::CurrentState(); }), "qel_ogl/ogl/StateObject.cpp",
                  "StateObject_2_0::CurrentState the driver has texture coordinate sets but no glActiveTexture");
    ASSERT_TRUE(fakegl::enableProc("glActiveTextureARB"));
    expectThreeSwitchesThrough("glActiveTextureARB");
}
