// Turning the library on and off with a real context, and the misuse of the switch and of the manager's
// singleton.

#include "GLContextFixture.h"
#include "LibraryFixture.h"
#include "ManagerAccess.h"

#include "qel_ogl/ogl/TextureUnit.h"
#include "tests/unit/ThrownBy.h"

using QEL::InternalException;
using QEL::OGL::AutoInitializer;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::TextureUnit;

namespace {

const char* const kLibraryFile = "qel_ogl/LibraryOGL.cpp";
const char* const kManagerFile = "qel_ogl/extensionator/ExtensionManager.cpp";

void expectNoManager()
{
    expectInternal(thrownBy<InternalException>([] { ExtensionManager::Instance(); }), kManagerFile, 129,
                   "Enforce pInstance_ != NULL");
}

}

using LibrarySwitch = LibraryFixture<GLContextFixture>;

TEST_F(LibrarySwitch, IsOffAtFirstAndInitializationCreatesTheManagerAndTheUnits)
{
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    expectNoManager();

    std::string path = "replay/session";
    ExtensionManager::InitOptions options;
    options.setThrowOnNullContext(false);
    options.setRekorderPathname(path);
    Library::initializeExtensionator(wrapped(), options);

    EXPECT_TRUE(Library::isExtensionatorInitialized());
    const ExtensionManager::InitOptions& kept = ExtensionManager::Instance()->initOptions();
    EXPECT_FALSE(kept.throwOnNullContext());
    EXPECT_TRUE(kept.flushOnMakeCurrentMacOnly());
    EXPECT_EQ("replay/session", kept.rekorderPathname());
    EXPECT_NE(nullptr, TextureUnit::Unit(0));
}

TEST_F(LibrarySwitch, TerminationRemovesTheManagerAndTheUnitsAndACycleMayRepeat)
{
    turnOn();
    Library::terminateExtensionator();
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    expectNoManager();
    EXPECT_TRUE(thrownBy<InternalException>([] { TextureUnit::Unit(0); }).has_value());

    turnOn();
    EXPECT_TRUE(ExtensionManager::Instance()->isSupported(ExtensionManager::OPEN_GL_2_0));
}

TEST_F(LibrarySwitch, SecondInitializationIsRefusedAndChangesNothing)
{
    turnOn();
    const ExtensionManager* first = ExtensionManager::Instance();
    const TextureUnit* unit = TextureUnit::Unit(0);

    expectInternal(thrownBy<InternalException>([this] { turnOn(); }), kLibraryFile, 60,
                   "!bExtensionatorInitialized_");
    EXPECT_TRUE(Library::isExtensionatorInitialized());
    EXPECT_EQ(first, ExtensionManager::Instance());
    EXPECT_EQ(unit, TextureUnit::Unit(0));
}

TEST_F(LibrarySwitch, NullContextIsRefusedBeforeTheFlag)
{
    expectInternal(thrownBy<InternalException>(
                       [] { Library::initializeExtensionator(nullptr, ExtensionManager::InitOptions()); }),
                   kLibraryFile, 56, "Enforce pContext != NULL");
    EXPECT_FALSE(Library::isExtensionatorInitialized());

    turnOn();
    expectInternal(thrownBy<InternalException>(
                       [] { Library::initializeExtensionator(nullptr, ExtensionManager::InitOptions()); }),
                   kLibraryFile, 56, "Enforce pContext != NULL");
}

TEST_F(LibrarySwitch, TerminationWithoutInitializationIsRefused)
{
    expectInternal(thrownBy<InternalException>([] { Library::terminateExtensionator(); }), kLibraryFile, 121,
                   "bExtensionatorInitialized_");
}

TEST_F(LibrarySwitch, AutoInitializerHoldsTheLibraryOnForItsScope)
{
    {
        AutoInitializer on(wrapped());
        EXPECT_TRUE(Library::isExtensionatorInitialized());
        EXPECT_NE(nullptr, ExtensionManager::Instance());
    }
    EXPECT_FALSE(Library::isExtensionatorInitialized());
    expectNoManager();
}

TEST_F(LibrarySwitch, ReleasedAutoInitializerLeavesTheLibraryOn)
{
    {
        AutoInitializer on(wrapped());
        on.release();
    }
    EXPECT_TRUE(Library::isExtensionatorInitialized());
    EXPECT_NE(nullptr, ExtensionManager::Instance());
}

TEST_F(LibrarySwitch, AutoInitializerSwallowsTheFailedTerminationAfterTheHostsOwn)
{
    {
        AutoInitializer on(wrapped());
        Library::terminateExtensionator();
    }
    EXPECT_FALSE(Library::isExtensionatorInitialized());
}

TEST_F(LibrarySwitch, AutoInitializerRefusesANullContextOnItsOwnLine)
{
    expectInternal(thrownBy<InternalException>([] { AutoInitializer on(nullptr); }), kLibraryFile, 138,
                   "Enforce pContext != NULL");
    EXPECT_FALSE(Library::isExtensionatorInitialized());
}

// An AutoInitializer while the library is on fails inside initializeExtensionator; it never owned the
// library, so the library stays on.
TEST_F(LibrarySwitch, AutoInitializerThatFailsLeavesTheLibraryAsItWas)
{
    turnOn();
    expectInternal(thrownBy<InternalException>([this] { AutoInitializer on(wrapped()); }), kLibraryFile, 60,
                   "!bExtensionatorInitialized_");
    EXPECT_TRUE(Library::isExtensionatorInitialized());
}

using ManagerSingleton = LibraryFixture<GLContextFixture>;

TEST_F(ManagerSingleton, SecondCreateIsRefusedAndKeepsTheFirstManager)
{
    turnOn();
    const ExtensionManager* first = ExtensionManager::Instance();
    expectInternal(thrownBy<InternalException>(
                       [this] { createManager(wrapped(), ExtensionManager::InitOptions()); }),
                   kManagerFile, 140, "pInstance_ == 0");
    EXPECT_EQ(first, ExtensionManager::Instance());
}

TEST_F(ManagerSingleton, DestroyWithoutAManagerIsRefused)
{
    expectInternal(thrownBy<InternalException>([] { destroyManager(); }), kManagerFile, 153,
                   "Enforce pInstance_ != NULL");
}

TEST_F(ManagerSingleton, ConstructionRefusesANullContextAndLeavesNoManager)
{
    expectInternal(thrownBy<InternalException>([] { createManager(nullptr, ExtensionManager::InitOptions()); }),
                   kManagerFile, 556, "Enforce pContext != NULL");
    expectNoManager();
}
