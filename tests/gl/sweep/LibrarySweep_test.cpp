// Bad inputs to the library frame on the real driver: the switch (Library, AutoInitializer), the extension
// manager and the texture-unit registry, with the library off and on.

#include "SweepFixture.h"

#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "qel_ogl/ogl/TextureUnit.h"

using QEL::OGL::AutoInitializer;
using QEL::OGL::ContextWrapped;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::TextureUnit;

namespace {

const ExtensionManager::InitOptions kOptions;

ExtensionManager::teExtension extension(int value)
{
    return static_cast<ExtensionManager::teExtension>(value);
}

TextureUnit::Environment environment(int value)
{
    return static_cast<TextureUnit::Environment>(value);
}

unsigned unitCount()
{
    return ExtensionManager::Instance()->numberOfTextureUnits();
}

// What a refused second initialisation must leave: the same manager and the same unit objects.
std::string libraryState(const NoSubject&)
{
    return describe("manager=", ExtensionManager::Instance(), " first unit=", TextureUnit::Unit(0),
                    " last unit=", TextureUnit::Unit(unitCount() - 1));
}

// A device context of the host's with a handle that names no rendering context.
HGLRC noContext()
{
    return reinterpret_cast<HGLRC>(static_cast<std::uintptr_t>(0x7FFF0));
}

}

using LibraryOffSweep = LibraryFixture<GLContextFixture>;

TEST_F(LibraryOffSweep, LibraryFrame)
{
    sweep(Table<NoSubject>{"library off", noSubject, nullptr, {
        {"Library::initializeExtensionator", "null context", kInternal,
         [](auto&) { Library::initializeExtensionator(nullptr, kOptions); }},
        {"Library::initializeExtensionator", "a wrapped handle that names no context", kInternal,
         [this](auto&) {
             ContextWrapped stale(deviceContext(), noContext());
             Library::initializeExtensionator(&stale, kOptions);
         }},
        {"AutoInitializer::AutoInitializer", "null context", kInternal, [](auto&) { AutoInitializer on(nullptr); }},
        {"Library::terminateExtensionator", "library off", kInternal, [](auto&) { Library::terminateExtensionator(); }},
        {"AutoInitializer::~AutoInitializer", "library turned off by the host", kAnswered,
         [this](auto&) {
             AutoInitializer on(wrapped());
             Library::terminateExtensionator();
         }},
        {"ExtensionManager::Instance", "library off", kInternal, [](auto&) { ExtensionManager::Instance(); }},
        {"TextureUnit::Unit", "0 with the library off", kInternal, [](auto&) { TextureUnit::Unit(0); }},
    }});
}

TEST_F(LibraryOnSweep, LibraryFrame)
{
    const ExtensionManager* manager = ExtensionManager::Instance();
    sweep(Table<NoSubject>{"library on", noSubject, libraryState, {
        {"Library::initializeExtensionator", "library already on", kInternal,
         [this](auto&) { Library::initializeExtensionator(wrapped(), kOptions); }},
        {"AutoInitializer::AutoInitializer", "library already on", kInternal,
         [this](auto&) { AutoInitializer on(wrapped()); }},
        {"TextureUnit::Unit", "one past the last unit", kInternal, [](auto&) { TextureUnit::Unit(unitCount()); }},
        {"TextureUnit::Unit", "UINT_MAX", kInternal, [](auto&) { TextureUnit::Unit(UINT_MAX); }},
        {"TextureUnit::setEnv", "environment 6", kInternal,
         [](auto&) { TextureUnit::Unit(0)->setEnv(environment(6)); }},
        {"TextureUnit::setEnv", "environment -1", kInternal,
         [](auto&) { TextureUnit::Unit(0)->setEnv(environment(-1)); }},
        {"TextureUnit::Environment2GL", "6", kInternal, [](auto&) { TextureUnit::Environment2GL(environment(6)); }},
        {"TextureUnit::Environment2GL", "INT_MIN", kInternal,
         [](auto&) { TextureUnit::Environment2GL(environment(INT_MIN)); }},
        {"TextureUnit::GL2Environment", "0", kInternal, [](auto&) { TextureUnit::GL2Environment(0); }},
        {"TextureUnit::GL2Environment", "GL_TEXTURE_ENV_MODE", kInternal,
         [](auto&) { TextureUnit::GL2Environment(GL_TEXTURE_ENV_MODE); }},
        // Values outside the list are simply not supported, and have no loader to run.
        {"ExtensionManager::isSupported", "UNKNOWN_EXTENSION", kAnswered,
         [manager](auto&) { EXPECT_FALSE(manager->isSupported(ExtensionManager::UNKNOWN_EXTENSION)); }},
        {"ExtensionManager::isSupported", "-1", kAnswered,
         [manager](auto&) { EXPECT_FALSE(manager->isSupported(extension(-1))); }},
        {"ExtensionManager::isSupported", "INT_MAX", kAnswered,
         [manager](auto&) { EXPECT_FALSE(manager->isSupported(extension(INT_MAX))); }},
        {"ExtensionManager::initialize", "UNKNOWN_EXTENSION", kAnswered,
         [manager](auto&) { EXPECT_FALSE(manager->initialize(ExtensionManager::UNKNOWN_EXTENSION)); }},
        {"ExtensionManager::initialize", "-1", kAnswered,
         [manager](auto&) { EXPECT_FALSE(manager->initialize(extension(-1))); }},
        {"ExtensionManager::initialize", "335, past the WGL extensions", kAnswered,
         [manager](auto&) { EXPECT_FALSE(manager->initialize(extension(335))); }},
    }});
    if (!manager->hasReleaseVersion()) {
        sweep(Table<NoSubject>{"library on, a version without release number", noSubject, libraryState, {
            {"ExtensionManager::releaseVersion", "no release number", kInternal,
             [manager](auto&) { manager->releaseVersion(); }},
        }});
    }
}
