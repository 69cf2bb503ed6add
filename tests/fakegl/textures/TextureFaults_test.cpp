// Texture construction and the texture-unit switch on scripted drivers: power-of-two-only hardware, missing
// entry points, versions and extensions that decide automatic mipmaps and edge clamping.

#include "FakeGLFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"
#include "qel_ogl/ogl/TextureState.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

using QEL::InternalException;
using QEL::OGL::Texture;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using QEL::OGL::TextureRECT;
using IF = Texture::InternalFormat;

namespace {

void expectRefused(const std::function<void()>& call, const char* file, const std::string& text)
{
    expectRefusal(thrownBy<InternalException>(call), file, text);
}

// The next texture name is 7, and the driver answers that 7 is bound at the 2D target, as a 2D texture's own
// wrap-mode check asks while the constructor has it bound.
void nextTwoDimensionalTextureIsBound()
{
    fakegl::queueNames({7});
    fakegl::setIntegers(GL_TEXTURE_BINDING_2D, {7});
}

}

using TextureFaults = LibraryFixture<FakeGLFixture>;

// A 1.1 driver without non-power-of-two or rectangle textures: the size rule refuses before anything is bound,
// and the name that the base generated is deleted again.
TEST_F(TextureFaults, PowerOfTwoHardwareRefusesOtherSizes)
{
    turnOn();
    struct Refusal
    {
        std::function<void()> make;
        const char* file;
        const char* text;
    };
    const Refusal refusals[] = {
        {[] { Texture1D(IF::RGBA8, 300, false); }, "qel_ogl/ogl/Texture1.cpp",
         "Texture2::ctor hardware only supports power of two textures"},
        {[] { Texture2D(IF::RGBA8, 300, 200, false); }, "qel_ogl/ogl/Texture2.cpp",
         "Texture2::ctor hardware only supports power of two textures"},
        {[] { Texture2D(IF::RGBA8, 256, 200, false); }, "qel_ogl/ogl/Texture2.cpp",
         "Texture2::ctor hardware only supports power of two textures"},
        {[] { Texture3D(IF::RGBA8, 4, 4, 3, false); }, "qel_ogl/ogl/Texture3.cpp",
         "Texture3::ctor hardware only supports power of two textures"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.file);
        fakegl::clearCallLog();
        expectRefused(refusal.make, refusal.file, refusal.text);
        EXPECT_EQ(1u, fakegl::callCount("glGenTextures"));
        EXPECT_EQ(0u, fakegl::callCount("glBindTexture"));
        EXPECT_EQ(1u, fakegl::callCount("glDeleteTextures"));
    }
    nextTwoDimensionalTextureIsBound();
    Texture2D square(IF::RGBA8, 256, 64, true);
    EXPECT_EQ(9u, fakegl::callCount("glTexImage2D"));  // 256x64 down to 1x1
}

// Where rectangle textures are supported, every two-dimensional texture may have any size.
TEST_F(TextureFaults, RectangleSupportLiftsTheRuleForEveryTwoDimensionalTexture)
{
    fakegl::setString(GL_EXTENSIONS, "GL_ARB_texture_rectangle");
    turnOn();
    ASSERT_TRUE(TextureRECT::isSupported());
    nextTwoDimensionalTextureIsBound();
    Texture2D plane(IF::RGBA8, 300, 200, false);
    fakegl::queueNames({8});
    fakegl::setIntegers(GL_TEXTURE_BINDING_RECTANGLE_ARB, {8});
    TextureRECT rectangle(IF::RGBA8, 300, 200);
    expectRefused([] { Texture1D(IF::RGBA8, 300, false); }, "qel_ogl/ogl/Texture1.cpp",
                  "Texture2::ctor hardware only supports power of two textures");
}

TEST_F(TextureFaults, GeneratedNameZeroIsRefused)
{
    turnOn();
    fakegl::queueNames({0});
    expectRefused([] { Texture2D(IF::RGBA8, 4, 4, false); }, "qel_ogl/ogl/Texture.cpp",
                  "Texture:: contructor failed to allocate new GPU texture resource");
}

// Without 3D textures glTexImage3D was never loaded: the constructor refuses, names the function, binds back
// what was bound and deletes its name.
TEST_F(TextureFaults, MissingTexImage3DIsNamedAndNothingIsLeft)
{
    turnOn();
    const PFNGLTEXIMAGE3DPROC loaded = _cgmTexImage3D;
    _cgmTexImage3D = nullptr;
    fakegl::clearCallLog();
    expectRefused([] { Texture3D(IF::RGBA8, 4, 4, 4, false); }, "qel_ogl/ogl/Texture3.cpp",
                  "glTexImage3D is not loaded: its version or extension was not initialised");
    _cgmTexImage3D = loaded;
    EXPECT_EQ(2u, fakegl::callCount("glBindTexture"));
    EXPECT_EQ(1u, fakegl::callCount("glDeleteTextures"));
}

// Automatic mipmaps: GL_SGIS_generate_mipmap, or a core version of 1.4 or later, every later major included.
TEST_F(TextureFaults, AutomaticMipmapsFollowVersionAndExtension)
{
    struct Driver
    {
        const char* version;
        const char* extensions;
        bool automatic;
    };
    const Driver drivers[] = {
        {"1.3", "", false},   {"1.3", "GL_SGIS_generate_mipmap", true}, {"1.4", "", true},
        {"2.0", "", true},    {"3.0", "", true},                        {"4.6.0 Vendor", "", true},
    };
    for (const Driver& driver : drivers) {
        SCOPED_TRACE(driver.version + std::string(" ") + driver.extensions);
        fakegl::setString(GL_VERSION, driver.version);
        fakegl::setString(GL_EXTENSIONS, driver.extensions);
        turnOn();
        EXPECT_EQ(driver.automatic, Texture::supportsAutoMIPGeneration());
        QEL::OGL::Library::terminateExtensionator();
    }
}

// A texture starts with edge clamping, which comes with version 1.2; on a 1.1 driver it starts with GL_CLAMP.
TEST_F(TextureFaults, InitialWrapModeFollowsEdgeClampSupport)
{
    struct Driver
    {
        const char* version;
        GLint wrap;
    };
    for (const Driver& driver : {Driver{"1.1", GL_CLAMP}, Driver{"1.2", GL_CLAMP_TO_EDGE}}) {
        SCOPED_TRACE(driver.version);
        fakegl::setString(GL_VERSION, driver.version);
        turnOn();
        nextTwoDimensionalTextureIsBound();
        fakegl::clearCallLog();
        Texture2D(IF::RGBA8, 4, 4, false);
        const std::string log = fakegl::callLog();
        for (const GLenum pname : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
            const std::string call = "glTexParameteri(" + std::to_string(GL_TEXTURE_2D) + ", " +
                                     std::to_string(pname) + ", " + std::to_string(driver.wrap) + ")";
            EXPECT_NE(std::string::npos, log.find(call)) << call << " not in\n" << log;
        }
        QEL::OGL::Library::terminateExtensionator();
    }
}

// The unit switch takes GL_ARB_multitexture's entry point, the 1.3 core one where that is missing, and names
// the function where neither is loaded.
TEST_F(TextureFaults, UnitSwitchFallsBackToTheCoreEntryPoint)
{
    // A driver of two units: multitexturing comes with version 1.3.
    fakegl::setString(GL_VERSION, "1.3");
    fakegl::setIntegers(GL_MAX_TEXTURE_UNITS, {2});
    turnOn();
    const PFNGLACTIVETEXTUREARBPROC arb = _cgmActiveTextureARB;
    const PFNGLACTIVETEXTUREPROC core = _cgmActiveTexture;
    ASSERT_TRUE(fakegl::enableProc("glActiveTexture"));
    ASSERT_TRUE(fakegl::enableProc("glActiveTextureARB"));
    QEL::OGL::ExtensionManager::Instance()->initialize(QEL::OGL::ExtensionManager::GL_ARB_MULTITEXTURE);
    QEL::OGL::ExtensionManager::Instance()->initialize(QEL::OGL::ExtensionManager::OPEN_GL_1_3);
    ASSERT_NE(nullptr, _cgmActiveTextureARB);
    ASSERT_NE(nullptr, _cgmActiveTexture);

    nextTwoDimensionalTextureIsBound();
    Texture2D texture(IF::RGBA8, 4, 4, false);
    fakegl::clearCallLog();
    texture.bind_DEPRECATED_1_0(1);
    // The unit is checked against the driver's unit count first.
    EXPECT_EQ("glGetIntegerv\nglActiveTextureARB\nglBindTexture\n", fakegl::callLog());

    _cgmActiveTextureARB = nullptr;
    fakegl::clearCallLog();
    texture.bind_DEPRECATED_1_0(1);
    EXPECT_EQ("glGetIntegerv\nglActiveTexture\nglBindTexture\n", fakegl::callLog());

    _cgmActiveTexture = nullptr;
    expectRefused([&] { texture.bind_DEPRECATED_1_0(1); }, "qel_ogl/ogl/TextureState.cpp",
                  "glActiveTexture is not loaded: its version or extension was not initialised");
    _cgmActiveTextureARB = arb;
    _cgmActiveTexture = core;
}
