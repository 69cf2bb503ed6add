// What the manager learns from Wine's opengl32 on Mesa llvmpipe, checked against the driver's own answers.

#include "GLContextFixture.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"
#include "SupportedSet.h"

#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/Context.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gmock/gmock.h>

#include <map>
#include <sstream>

using QEL::InternalException;
using QEL::OGL::Context;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::glExtensionFromName;
using QEL::OGL::wglExtensionFromName;
using testing::IsSupersetOf;
using testing::StartsWith;

namespace {

ExtensionManager* manager()
{
    return ExtensionManager::Instance();
}

// The known values among the names of a driver list, read with a stream (at any white space), not with the
// library's own parser.
Extensions knownNames(const std::string& list, ExtensionManager::teExtension (*lookup)(const char*))
{
    Extensions known;
    std::istringstream names(list);
    std::string name;
    while (names >> name) {
        if (lookup(name.c_str()) != ExtensionManager::UNKNOWN_EXTENSION)
            known.insert(lookup(name.c_str()));
    }
    return known;
}

std::string driverGLExtensions()
{
    return reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
}

std::string driverWGLExtensions(HDC dc)
{
    const auto getExtensions = reinterpret_cast<PFNWGLGETEXTENSIONSSTRINGARBPROC>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglGetExtensionsStringARB")));
    return getExtensions ? getExtensions(dc) : "";
}

GLint driverInteger(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

ExtensionManager::teExtension valueOf(const std::string& entry)
{
    const ExtensionManager::teExtension value = glExtensionFromName(entry.c_str());
    return value != ExtensionManager::UNKNOWN_EXTENSION ? value : wglExtensionFromName(entry.c_str());
}

// The DLL's own table variable of that name (the exports are undecorated on x86_64), as a pointer value.
const void* tableEntry(const std::string& variable)
{
    const FARPROC address = GetProcAddress(GetModuleHandleA("qel_ogl.dll"), variable.c_str());
    EXPECT_NE(nullptr, address) << variable << " is not exported";
    return address ? *reinterpret_cast<void* const*>(address) : nullptr;
}

// No context at all: making it "current" releases whatever was current, and GL then answers nothing.
class NoRenderingContext : public Context
{
};

}

class ManagerOnMesa : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }
};

TEST_F(ManagerOnMesa, ReadsVendorAndVersionOfTheCompatibilityProfile)
{
    EXPECT_EQ(ExtensionManager::VENDOR_OTHER, manager()->vendor());
    EXPECT_EQ(4u, manager()->majorVersion());
    EXPECT_EQ(5u, manager()->minorVersion());
    EXPECT_FALSE(manager()->hasReleaseVersion());
    EXPECT_THAT(manager()->additionalVersionInfo(), StartsWith("(Compatibility Profile) Mesa"));
}

TEST_F(ManagerOnMesa, ReleaseVersionOfAStringWithoutOneIsRefused)
{
    expectInternal(thrownBy<InternalException>([] { manager()->releaseVersion(); }),
                   "qel_ogl/extensionator/ExtensionManager.cpp", 183, "nReleaseVersion_ != -1");
}

// A 4.5 driver has all of 2.1 in its compatibility profile.
TEST_F(ManagerOnMesa, LoadsEveryCoreVersionUpTo21)
{
    for (int value = ExtensionManager::OPEN_GL_1_2; value <= ExtensionManager::OPEN_GL_2_1; ++value)
        EXPECT_TRUE(manager()->isSupported(static_cast<ExtensionManager::teExtension>(value))) << value;
}

TEST_F(ManagerOnMesa, SupportsExactlyTheKnownNamesThatTheDriverLists)
{
    Extensions expected = knownNames(driverGLExtensions(), &glExtensionFromName);
    const Extensions wgl = knownNames(driverWGLExtensions(deviceContext()), &wglExtensionFromName);
    expected.insert(wgl.begin(), wgl.end());
    for (int value = ExtensionManager::OPEN_GL_1_2; value <= ExtensionManager::OPEN_GL_2_1; ++value)
        expected.insert(static_cast<ExtensionManager::teExtension>(value));

    // Guards the comparison itself: Mesa lists dozens of the library's extensions.
    EXPECT_GT(expected.size(), 50u);
    EXPECT_EQ(expected, supportedSet());
}

TEST_F(ManagerOnMesa, FindsTheWGLExtensionsOfWinesDriver)
{
    EXPECT_THAT(supportedSet(), IsSupersetOf({ExtensionManager::WGL_ARB_EXTENSIONS_STRING,
                                              ExtensionManager::WGL_ARB_PIXEL_FORMAT,
                                              ExtensionManager::WGL_ARB_PBUFFER,
                                              ExtensionManager::WGL_EXT_SWAP_CONTROL}));
    EXPECT_TRUE(manager()->supportsPixelBuffers());
}

TEST_F(ManagerOnMesa, FillsEveryTableVariableOfEverySupportedEntry)
{
    const auto loaders = loaderEntryPoints();
    // Guards the read of the loaders: one per known entry, 1244 entry points in all.
    ASSERT_EQ(6u + 295u + 34u, loaders.size()) << "read from " << QEL_LOADERS_SOURCE;
    std::size_t count = 0;
    for (const auto& [entry, entryPoints] : loaders)
        count += entryPoints.size();
    ASSERT_EQ(1244u, count);

    for (const auto& [entry, entryPoints] : loaders) {
        const ExtensionManager::teExtension value = valueOf(entry);
        ASSERT_NE(ExtensionManager::UNKNOWN_EXTENSION, value) << entry;
        if (!manager()->isSupported(value))
            continue;
        for (const EntryPoint& entryPoint : entryPoints)
            EXPECT_NE(nullptr, tableEntry(entryPoint.variable)) << entry << ": " << entryPoint.variable;
    }
}

TEST_F(ManagerOnMesa, CountsTheFragmentProgramImageUnits)
{
    ASSERT_TRUE(manager()->isSupported(ExtensionManager::GL_ARB_FRAGMENT_PROGRAM));
    EXPECT_EQ(static_cast<unsigned>(driverInteger(GL_MAX_TEXTURE_IMAGE_UNITS_ARB)),
              manager()->numberOfTextureUnits());
    EXPECT_GT(manager()->numberOfTextureUnits(), 1u);
}

// Versions from 2.0 on count for multitexturing and draw buffers whatever the extension string says.
TEST_F(ManagerOnMesa, AnswersTheFeatureQuestionsOfAModernDriver)
{
    EXPECT_TRUE(manager()->supportsClampToEdge());
    EXPECT_TRUE(manager()->supportsTexture3D());
    EXPECT_TRUE(manager()->supportsMultiTexture());
    EXPECT_TRUE(manager()->supportsDrawBuffers());
    EXPECT_TRUE(manager()->supportsNonPowerOfTwoTextures());
    EXPECT_TRUE(manager()->supportsFloatingPointTextures());
}

TEST_F(ManagerOnMesa, InitializeRunsALoaderAgainWithoutChangingTheSupportedSet)
{
    const Extensions before = supportedSet();
    EXPECT_TRUE(manager()->initialize(ExtensionManager::OPEN_GL_2_1));
    EXPECT_TRUE(manager()->initialize(ExtensionManager::WGL_EXT_SWAP_CONTROL));
    // No entry points: its loader succeeds although the driver does not list it.
    EXPECT_TRUE(manager()->initialize(ExtensionManager::GL_3DFX_MULTISAMPLE));
    EXPECT_FALSE(manager()->initialize(ExtensionManager::GL_SUN_VERTEX));
    EXPECT_FALSE(manager()->initialize(ExtensionManager::UNKNOWN_EXTENSION));
    EXPECT_EQ(before, supportedSet());
}

using ManagerWithoutContext = LibraryFixture<GLContextFixture>;

TEST_F(ManagerWithoutContext, UnusableContextIsRefusedAndLeavesNothingBehind)
{
    NoRenderingContext none;
    const auto e = thrownBy<InternalException>(
        [&] { Library::initializeExtensionator(&none, ExtensionManager::InitOptions()); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/extensionator/ExtensionManager.cpp", e->file());
    EXPECT_STREQ("ExtensionManager::ExtensionManager glGetString(GL_VENDOR) answered NULL: no usable rendering "
                 "context is current",
                 e->text());
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    EXPECT_TRUE(thrownBy<InternalException>([] { ExtensionManager::Instance(); }).has_value());

    // The host's context is usable again once it is current.
    turnOn();
    EXPECT_TRUE(Library::isExtensionatorInitialized());
}
