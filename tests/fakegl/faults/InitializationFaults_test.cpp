// Turning the library on against a driver that fails one step of it at a time: every entry point that the
// loaders fetch missing in turn, a context that cannot be made current, driver strings that are not there, a
// broken texture-unit count. Each failure leaves nothing of the library on, and the library can be turned on
// again afterwards, with the same answers as if nothing had failed.

#include "FakeGLFixture.h"
#include "FaultTally.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"
#include "SupportedSet.h"

#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/ogl/TextureUnit.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <sstream>

using QEL::InternalException;
using QEL::OGL::AutoInitializer;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::TextureUnit;

namespace {

const std::map<std::string, std::vector<EntryPoint>>& loaders()
{
    static const std::map<std::string, std::vector<EntryPoint>> read = loaderEntryPoints();
    return read;
}

bool isWGL(const std::string& entry)
{
    return entry.rfind("WGL_", 0) == 0;
}

ExtensionManager::teExtension valueOf(const std::string& entry)
{
    return isWGL(entry) ? QEL::OGL::wglExtensionFromName(entry.c_str())
                        : QEL::OGL::glExtensionFromName(entry.c_str());
}

// The names asked of wglGetProcAddress, each once, in the order of their first asking.
std::vector<std::string> fetchedNames()
{
    std::vector<std::string> names;
    std::istringstream log(fakegl::callLog());
    const std::string prefix = "wglGetProcAddress(";
    std::string line;
    while (std::getline(log, line)) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        const std::string name = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

// What a driver without function answers: the supported set without every version and extension whose loader
// fetches it, and without every WGL extension when it is the function that lists them.
Extensions withoutFunction(Extensions supported, const std::string& function)
{
    for (const auto& loader : loaders()) {
        for (const EntryPoint& entryPoint : loader.second) {
            if (entryPoint.function == function)
                supported.erase(valueOf(loader.first));
        }
    }
    if (function == "wglGetExtensionsStringARB") {
        for (auto it = supported.begin(); it != supported.end();)
            it = *it >= ExtensionManager::WGL_3DFX_MULTISAMPLE ? supported.erase(it) : std::next(it);
    }
    return supported;
}

}

// A 2.1 driver that lists every extension the library knows and offers every function of every loader.
class InitializationFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        std::string wglList;
        for (const auto& loader : loaders()) {
            for (const EntryPoint& entryPoint : loader.second)
                ASSERT_TRUE(fakegl::enableProc(entryPoint.function)) << entryPoint.function;
            if (loader.first.rfind("GL_VERSION_", 0) != 0)
                (isWGL(loader.first) ? wglList : glList_) += loader.first + " ";
        }
        fakegl::setString(GL_VERSION, "2.1");
        fakegl::setString(GL_EXTENSIONS, glList_);
        fakegl::setWglExtensions(wglList);
        fakegl::setIntegers(GL_MAX_TEXTURE_IMAGE_UNITS_ARB, {8});
        contexts_ = fakegl::contextCount();
    }

    // Turns the library on and off again, answering what it supported while on.
    Extensions turnOnAndOff()
    {
        turnOn();
        const Extensions supported = supportedSet();
        EXPECT_NE(nullptr, TextureUnit::Unit(7));
        Library::terminateExtensionator();
        return supported;
    }

    // Nothing of the library is on, and the driver has the contexts it had before.
    void expectNothingLeft()
    {
        EXPECT_FALSE(Library::isExtensionatorInitialized());
        EXPECT_TRUE(thrownBy<InternalException>([] { ExtensionManager::Instance(); }).has_value());
        EXPECT_TRUE(thrownBy<InternalException>([] { TextureUnit::Unit(0); }).has_value());
        EXPECT_EQ(contexts_, fakegl::contextCount());
        EXPECT_EQ(context(), wglGetCurrentContext());
    }

    std::string glList_;

private:
    unsigned contexts_ = 0;
};

// A missing function is not a failure of the start-up: only the versions and extensions that need it are left
// out, whichever loader, and wherever in its list, it is.
TEST_F(InitializationFaults, EachMissingFunctionLeavesOutOnlyWhatNeedsIt)
{
    fakegl::clearCallLog();
    const Extensions everything = turnOnAndOff();
    ASSERT_EQ(ExtensionManager::WGL_OML_SYNC_CONTROL + 1u, everything.size());
    const std::vector<std::string> functions = fetchedNames();
    ASSERT_LT(1000u, functions.size());

    for (const std::string& function : functions) {
        countInjectedFault();
        fakegl::disableProc(function);
        EXPECT_EQ(withoutFunction(everything, function), turnOnAndOff()) << "without " << function;
        fakegl::enableProc(function);
    }
    EXPECT_EQ(everything, turnOnAndOff());
}

// Each failing step throws, leaves nothing behind, fails the same way when tried again, and once repaired the
// library comes on as if nothing had failed; by both ways of turning it on.
TEST_F(InitializationFaults, EachFailingStepCanBeRepeatedAndRepaired)
{
    const struct
    {
        const char* step;
        std::function<void()> inject;
        std::function<void()> repair;
    } steps[] = {
        {"wglMakeCurrent fails", [] { fakegl::failNext(fakegl::Call::MakeCurrent, ERROR_INVALID_HANDLE); }, [] {}},
        {"no GL_VENDOR", [] { fakegl::unsetString(GL_VENDOR); }, [] { fakegl::setString(GL_VENDOR, "fakegl"); }},
        {"no GL_VERSION", [] { fakegl::unsetString(GL_VERSION); }, [] { fakegl::setString(GL_VERSION, "2.1"); }},
        {"no GL_EXTENSIONS", [] { fakegl::unsetString(GL_EXTENSIONS); },
         [this] { fakegl::setString(GL_EXTENSIONS, glList_); }},
        {"a negative unit count", [] { fakegl::setIntegers(GL_MAX_TEXTURE_IMAGE_UNITS_ARB, {-1}); },
         [] { fakegl::setIntegers(GL_MAX_TEXTURE_IMAGE_UNITS_ARB, {8}); }},
    };
    const std::function<void()> ways[] = {[this] { turnOn(); }, [this] { AutoInitializer on(wrapped()); }};
    for (const auto& step : steps) {
        for (const auto& turnOnSomeWay : ways) {
            SCOPED_TRACE(step.step);
            for (int attempt = 0; attempt < 2; ++attempt) {
                countInjectedFault();
                step.inject();
                EXPECT_TRUE(thrownBy<InternalException>(turnOnSomeWay).has_value());
                expectNothingLeft();
            }
            step.repair();
            EXPECT_EQ(ExtensionManager::WGL_OML_SYNC_CONTROL + 1u, turnOnAndOff().size());
        }
    }
}
