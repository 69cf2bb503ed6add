// The extension manager and the library switch against scripted drivers: version and vendor strings of other
// drivers, missing entry points, odd extension strings and unit counts.

#include "FakeGLFixture.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"
#include "SupportedSet.h"

#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/ogl/TextureUnit.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gmock/gmock.h>

#include <sstream>

using QEL::InternalException;
using QEL::LogicalException;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::TextureUnit;
using testing::IsEmpty;

namespace {

const char* const kCoreVersions[] = {"GL_VERSION_1_2", "GL_VERSION_1_3", "GL_VERSION_1_4",
                                     "GL_VERSION_1_5", "GL_VERSION_2_0", "GL_VERSION_2_1"};

const std::map<std::string, std::vector<EntryPoint>>& loaders()
{
    static const std::map<std::string, std::vector<EntryPoint>> read = loaderEntryPoints();
    return read;
}

ExtensionManager* manager()
{
    return ExtensionManager::Instance();
}

Extensions supportedCoreVersions()
{
    Extensions versions;
    for (const Extensions::value_type extension : supportedSet()) {
        if (extension <= ExtensionManager::OPEN_GL_2_1)
            versions.insert(extension);
    }
    return versions;
}

// The names asked of wglGetProcAddress, in order.
std::vector<std::string> fetchedNames()
{
    std::vector<std::string> names;
    std::istringstream log(fakegl::callLog());
    const std::string prefix = "wglGetProcAddress(";
    std::string line;
    while (std::getline(log, line)) {
        if (line.rfind(prefix, 0) == 0)
            names.push_back(line.substr(prefix.size(), line.size() - prefix.size() - 1));
    }
    return names;
}

void appendFunctions(std::vector<std::string>& names, const std::string& entry)
{
    for (const EntryPoint& entryPoint : loaders().at(entry))
        names.push_back(entryPoint.function);
}

}

class ManagerFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        fakegl::setIntegers(GL_MAX_TEXTURE_UNITS, {4});
        fakegl::setIntegers(GL_MAX_TEXTURE_IMAGE_UNITS_ARB, {16});
    }

    // Lets the driver answer every entry point of the entry but the one named missing.
    static void offer(const std::string& entry, const std::string& missing = "")
    {
        ASSERT_EQ(1u, loaders().count(entry)) << entry;
        for (const EntryPoint& entryPoint : loaders().at(entry)) {
            if (entryPoint.function != missing) {
                ASSERT_TRUE(fakegl::enableProc(entryPoint.function)) << entryPoint.function;
            }
        }
    }

    static void offerCoreVersions(const std::string& missing = "")
    {
        for (const char* version : kCoreVersions)
            offer(version, missing);
    }

    // The WGL list and the function that hands it out.
    static void offerWGLExtensions(const std::string& extensions)
    {
        ASSERT_TRUE(fakegl::enableProc("wglGetExtensionsStringARB"));
        fakegl::setWglExtensions(extensions);
    }

    // A driver of that version with every core function; the version alone decides what is loaded.
    void turnOnWithVersion(const std::string& version)
    {
        offerCoreVersions();
        fakegl::setString(GL_VERSION, version);
        turnOn();
    }
};

TEST_F(ManagerFaults, LoadsTheCoreVersionsThatTheVersionStringReaches)
{
    using E = ExtensionManager;
    const Extensions upTo20{E::OPEN_GL_1_2, E::OPEN_GL_1_3, E::OPEN_GL_1_4, E::OPEN_GL_1_5, E::OPEN_GL_2_0};
    Extensions upTo21 = upTo20;
    upTo21.insert(E::OPEN_GL_2_1);
    const std::pair<const char*, Extensions> cases[] = {
        {"2.1.2 NVIDIA 169.21", upTo21},
        {"2.0.6479 WinXP Release", upTo20},
        {"1.5.0", {E::OPEN_GL_1_2, E::OPEN_GL_1_3, E::OPEN_GL_1_4, E::OPEN_GL_1_5}},
        {"1.4 Mesa 7.0", {E::OPEN_GL_1_2, E::OPEN_GL_1_3, E::OPEN_GL_1_4}},
        {"1.2", {E::OPEN_GL_1_2}},
        {"1.1.0", {}},
        // A modern driver has all of 2.1 in its compatibility profile.
        {"3.0 NVIDIA", upTo21},
        {"4.6.0 NVIDIA 535.54.03", upTo21},
    };
    for (const auto& [version, loaded] : cases) {
        SCOPED_TRACE(version);
        turnOnWithVersion(version);
        EXPECT_EQ(loaded, supportedCoreVersions());
        Library::terminateExtensionator();
    }
}

TEST_F(ManagerFaults, ReportsTheNumbersAndTextOfTheVersionString)
{
    fakegl::setString(GL_VERSION, "2.1.2 NVIDIA 169.21");
    turnOn();
    EXPECT_EQ(2u, manager()->majorVersion());
    EXPECT_EQ(1u, manager()->minorVersion());
    ASSERT_TRUE(manager()->hasReleaseVersion());
    EXPECT_EQ(2u, manager()->releaseVersion());
    EXPECT_EQ("NVIDIA 169.21", manager()->additionalVersionInfo());
}

// Newest version first, then the GL extensions and the WGL ones in the driver's order, the WGL list being
// asked for in between.
TEST_F(ManagerFaults, FetchesInTheDriversOrder)
{
    offerCoreVersions();
    offer("GL_EXT_texture3D");
    offer("GL_ARB_multitexture");
    offer("WGL_EXT_swap_control");
    offer("WGL_ARB_pbuffer");
    offerWGLExtensions("WGL_EXT_swap_control WGL_ARB_pbuffer");
    fakegl::setString(GL_VERSION, "2.1.2 NVIDIA 169.21");
    fakegl::setString(GL_EXTENSIONS, "GL_EXT_texture3D GL_ARB_multitexture");
    turnOn();

    std::vector<std::string> expected;
    for (const char* version : {"GL_VERSION_2_1", "GL_VERSION_2_0", "GL_VERSION_1_5", "GL_VERSION_1_4",
                                "GL_VERSION_1_3", "GL_VERSION_1_2", "GL_EXT_texture3D", "GL_ARB_multitexture",
                                "WGL_ARB_extensions_string", "WGL_EXT_swap_control", "WGL_ARB_pbuffer"})
        appendFunctions(expected, version);
    EXPECT_EQ(expected, fetchedNames());
    EXPECT_EQ(0u, fakegl::callCount("wglGetExtensionsStringEXT"));
}

TEST_F(ManagerFaults, MissingCoreFunctionLeavesOnlyItsVersionOut)
{
    offerCoreVersions("glStencilOpSeparate");
    fakegl::setString(GL_VERSION, "2.0");
    turnOn();

    using E = ExtensionManager;
    EXPECT_EQ((Extensions{E::OPEN_GL_1_2, E::OPEN_GL_1_3, E::OPEN_GL_1_4, E::OPEN_GL_1_5}),
              supportedCoreVersions());
    // The version number decides these, not the loaded set.
    EXPECT_TRUE(manager()->supportsDrawBuffers());
    EXPECT_TRUE(manager()->supportsMultiTexture());
    EXPECT_FALSE(manager()->supportsNonPowerOfTwoTextures());
}

TEST_F(ManagerFaults, ReadsTheVendorCaseSensitivelyWithATIFirst)
{
    const std::pair<const char*, ExtensionManager::teVendor> vendors[] = {
        {"ATI Technologies Inc.", ExtensionManager::VENDOR_ATI},
        {"NVIDIA Corporation", ExtensionManager::VENDOR_NVIDIA},
        {"NVIDIA and ATI", ExtensionManager::VENDOR_ATI},
        {"nvidia", ExtensionManager::VENDOR_OTHER},
        {"Mesa/X.org", ExtensionManager::VENDOR_OTHER},
    };
    for (const auto& [vendor, expected] : vendors) {
        SCOPED_TRACE(vendor);
        fakegl::setString(GL_VENDOR, vendor);
        turnOn();
        EXPECT_EQ(expected, manager()->vendor());
        Library::terminateExtensionator();
    }
}

TEST_F(ManagerFaults, BlanksAndRepeatedNamesGiveTheSameSet)
{
    offer("GL_ARB_multitexture");
    offer("GL_EXT_texture3D");
    const char* const lists[] = {
        "GL_ARB_multitexture GL_EXT_texture3D GL_FOO_unknown",
        "  GL_ARB_multitexture    GL_EXT_texture3D  GL_FOO_unknown GL_ARB_multitexture  ",
    };
    for (const char* list : lists) {
        SCOPED_TRACE(list);
        fakegl::setString(GL_EXTENSIONS, list);
        turnOn();
        EXPECT_EQ((Extensions{ExtensionManager::GL_ARB_MULTITEXTURE, ExtensionManager::GL_EXT_TEXTURE3D}),
                  supportedSet());
        Library::terminateExtensionator();
    }
}

// Listed, but the driver lacks one of its functions: left out, and the names after it are still loaded.
TEST_F(ManagerFaults, ExtensionWithAMissingFunctionIsLeftOut)
{
    offer("GL_ARB_multitexture", "glMultiTexCoord2fARB");
    offer("GL_EXT_texture3D");
    fakegl::setString(GL_EXTENSIONS, "GL_ARB_multitexture GL_EXT_texture3D");
    turnOn();
    EXPECT_EQ(Extensions{ExtensionManager::GL_EXT_TEXTURE3D}, supportedSet());
    EXPECT_FALSE(manager()->supportsMultiTexture());
    EXPECT_TRUE(manager()->supportsTexture3D());
}

// Only the lookup of its own kind finds a name: a WGL name in GL_EXTENSIONS and a GL name in the WGL list
// count for nothing.
TEST_F(ManagerFaults, WGLExtensionsComeFromTheirOwnListOnly)
{
    offer("WGL_ARB_pbuffer");
    offer("WGL_ARB_pixel_format");
    offerWGLExtensions("WGL_ARB_pbuffer GL_EXT_abgr");
    fakegl::setString(GL_EXTENSIONS, "WGL_ARB_pixel_format");
    turnOn();
    // WGL_ARB_extensions_string itself counts only when the list names it.
    EXPECT_EQ(Extensions{ExtensionManager::WGL_ARB_PBUFFER}, supportedSet());
    EXPECT_FALSE(manager()->supportsPixelBuffers());
}

TEST_F(ManagerFaults, ListedExtensionsStringCountsAsSupported)
{
    offer("WGL_ARB_pixel_format");
    offer("WGL_ARB_pbuffer");
    offerWGLExtensions("WGL_ARB_extensions_string WGL_ARB_pixel_format WGL_ARB_pbuffer");
    turnOn();
    EXPECT_EQ((Extensions{ExtensionManager::WGL_ARB_EXTENSIONS_STRING, ExtensionManager::WGL_ARB_PIXEL_FORMAT,
                          ExtensionManager::WGL_ARB_PBUFFER}),
              supportedSet());
    EXPECT_TRUE(manager()->supportsPixelBuffers());
}

// Without wglGetExtensionsStringARB there is no WGL list to read; the EXT form is never asked.
TEST_F(ManagerFaults, NoWGLExtensionsWithoutTheARBListFunction)
{
    ASSERT_TRUE(fakegl::enableProc("wglGetExtensionsStringEXT"));
    offer("WGL_ARB_pbuffer");
    fakegl::setWglExtensions("WGL_ARB_pbuffer");
    turnOn();
    EXPECT_THAT(supportedSet(), IsEmpty());
    EXPECT_EQ(0u, fakegl::callCount("wglGetExtensionsStringARB"));
    EXPECT_EQ(0u, fakegl::callCount("wglGetExtensionsStringEXT"));
}

// NVIDIA's 2.0 drivers did not sample non-power-of-two textures in hardware unless they said so; before 2.0
// only the extension counts for every vendor.
TEST_F(ManagerFaults, NonPowerOfTwoTexturesOfNVIDIANeedTheExtension)
{
    offer("GL_ARB_texture_non_power_of_two");
    struct Case
    {
        const char* vendor;
        const char* version;
        const char* extensions;
        bool expected;
    };
    const Case cases[] = {
        {"NVIDIA Corporation", "2.0", "", false},
        {"NVIDIA Corporation", "2.0", "GL_ARB_texture_non_power_of_two", true},
        {"ATI Technologies Inc.", "2.0", "", true},
        {"fakegl", "2.0", "", true},
        {"fakegl", "1.5", "", false},
        {"fakegl", "1.5", "GL_ARB_texture_non_power_of_two", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.vendor) + " " + c.version + " " + c.extensions);
        fakegl::setString(GL_VENDOR, c.vendor);
        fakegl::setString(GL_EXTENSIONS, c.extensions);
        turnOnWithVersion(c.version);
        EXPECT_EQ(c.expected, manager()->supportsNonPowerOfTwoTextures());
        Library::terminateExtensionator();
    }
}

TEST_F(ManagerFaults, VersionTestsOfTheFeatureQuestions)
{
    struct Case
    {
        const char* version;
        bool clampToEdge;
        bool multiTexture;
        bool drawBuffers;
    };
    const Case cases[] = {
        {"1.1", false, false, false}, {"1.2", true, false, false}, {"1.3", true, true, false},
        {"2.0", true, true, true},    {"3.0", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        turnOnWithVersion(c.version);
        EXPECT_EQ(c.clampToEdge, manager()->supportsClampToEdge());
        EXPECT_EQ(c.clampToEdge, manager()->supportsTexture3D());
        EXPECT_EQ(c.multiTexture, manager()->supportsMultiTexture());
        EXPECT_EQ(c.drawBuffers, manager()->supportsDrawBuffers());
        Library::terminateExtensionator();
    }
}

TEST_F(ManagerFaults, ExtensionsAnswerTheFeatureQuestionsOfAnOldVersion)
{
    offer("GL_ARB_multitexture");
    offer("GL_ARB_draw_buffers");
    offer("GL_EXT_texture3D");
    fakegl::setString(GL_EXTENSIONS, "GL_ARB_multitexture GL_ARB_draw_buffers GL_EXT_texture3D "
                                     "GL_ATI_texture_float");
    turnOn();
    EXPECT_TRUE(manager()->supportsMultiTexture());
    EXPECT_TRUE(manager()->supportsDrawBuffers());
    EXPECT_TRUE(manager()->supportsTexture3D());
    EXPECT_FALSE(manager()->supportsClampToEdge());
    EXPECT_TRUE(manager()->supportsFloatingPointTextures());
}

TEST_F(ManagerFaults, CountsFragmentProgramImageUnitsBeforeFixedFunctionUnits)
{
    fakegl::setString(GL_EXTENSIONS, "GL_ARB_fragment_program");
    turnOnWithVersion("2.0");
    EXPECT_EQ(16u, manager()->numberOfTextureUnits());
}

TEST_F(ManagerFaults, CountsFixedFunctionUnitsWithMultitexturing)
{
    turnOnWithVersion("1.3");
    EXPECT_EQ(4u, manager()->numberOfTextureUnits());
    EXPECT_NE(nullptr, TextureUnit::Unit(3));
    EXPECT_TRUE(thrownBy<InternalException>([] { TextureUnit::Unit(4); }).has_value());
}

TEST_F(ManagerFaults, CountsOneUnitWithoutMultitexturingAndAsksNothing)
{
    turnOn();
    fakegl::clearCallLog();
    EXPECT_EQ(1u, manager()->numberOfTextureUnits());
    EXPECT_EQ(0u, fakegl::callCount("glGetIntegerv"));
}

// The library can still be turned off, and on again, when the driver reports no units at all.
TEST_F(ManagerFaults, DriverWithoutTextureUnitsLeavesTheRegistryEmpty)
{
    fakegl::setIntegers(GL_MAX_TEXTURE_UNITS, {0});
    turnOnWithVersion("1.3");
    EXPECT_TRUE(thrownBy<InternalException>([] { TextureUnit::Unit(0); }).has_value());
    Library::terminateExtensionator();
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    turnOn();
    EXPECT_TRUE(Library::isExtensionatorInitialized());
}

// A broken unit count makes the texture units fail after the manager was made; the manager goes again, so a
// later initialisation with a sound driver succeeds.
TEST_F(ManagerFaults, FailedTextureUnitsLeaveNoManagerBehind)
{
    fakegl::setString(GL_EXTENSIONS, "GL_ARB_fragment_program");
    fakegl::setIntegers(GL_MAX_TEXTURE_IMAGE_UNITS_ARB, {-1});
    const auto e = thrownBy<InternalException>([this] { turnOn(); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("ExtensionManager::numberOfTextureUnits the driver reports -1 texture units", e->text());
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    EXPECT_TRUE(thrownBy<InternalException>([] { ExtensionManager::Instance(); }).has_value());

    fakegl::setIntegers(GL_MAX_TEXTURE_IMAGE_UNITS_ARB, {8});
    turnOn();
    EXPECT_EQ(8u, manager()->numberOfTextureUnits());
    EXPECT_NE(nullptr, TextureUnit::Unit(7));
}

// The context's own failure reaches the host unchanged, and no manager is left.
TEST_F(ManagerFaults, FailedMakeCurrentLeavesNoManager)
{
    fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_INVALID_HANDLE);
    const auto e = thrownBy<InternalException>([this] { turnOn(); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/Context_WIN_OS.cpp", e->file());
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    EXPECT_TRUE(thrownBy<InternalException>([] { ExtensionManager::Instance(); }).has_value());
    EXPECT_EQ(0u, fakegl::callCount("glGetString"));
}
