#include "qel_ogl/extensionator/ExtensionLoaders.h"

#include <gtest/gtest.h>

using QEL::OGL::ExtensionManager;
using QEL::OGL::glExtensionFromName;
using QEL::OGL::wglExtensionFromName;

namespace {

struct NamedValue
{
    const char* name;
    ExtensionManager::teExtension value;
};

}

// Hosts pass the numbers themselves, so each enumerator keeps its value.
TEST(ExtensionNames, EnumeratorsHaveTheirFixedValues)
{
    EXPECT_EQ(0, ExtensionManager::OPEN_GL_1_2);
    EXPECT_EQ(5, ExtensionManager::OPEN_GL_2_1);
    EXPECT_EQ(32, ExtensionManager::GL_ARB_MULTITEXTURE);
    EXPECT_EQ(300, ExtensionManager::GL_WIN_SWAP_HINT);
    EXPECT_EQ(301, ExtensionManager::WGL_3DFX_MULTISAMPLE);
    EXPECT_EQ(307, ExtensionManager::WGL_ARB_PBUFFER);
    EXPECT_EQ(334, ExtensionManager::WGL_OML_SYNC_CONTROL);
    EXPECT_EQ(378, ExtensionManager::UNKNOWN_EXTENSION);
}

TEST(ExtensionNames, GLLookupAnswersVersionsAndGLExtensions)
{
    const NamedValue known[] = {
        {"GL_VERSION_1_2", ExtensionManager::OPEN_GL_1_2},
        {"GL_VERSION_2_1", ExtensionManager::OPEN_GL_2_1},
        {"GL_ARB_multitexture", ExtensionManager::GL_ARB_MULTITEXTURE},
        {"GL_WIN_swap_hint", ExtensionManager::GL_WIN_SWAP_HINT},
    };
    for (const NamedValue& entry : known)
        EXPECT_EQ(entry.value, glExtensionFromName(entry.name)) << entry.name;
}

TEST(ExtensionNames, WGLLookupAnswersWGLExtensions)
{
    const NamedValue known[] = {
        {"WGL_3DFX_multisample", ExtensionManager::WGL_3DFX_MULTISAMPLE},
        {"WGL_ARB_pbuffer", ExtensionManager::WGL_ARB_PBUFFER},
        {"WGL_OML_sync_control", ExtensionManager::WGL_OML_SYNC_CONTROL},
    };
    for (const NamedValue& entry : known)
        EXPECT_EQ(entry.value, wglExtensionFromName(entry.name)) << entry.name;
}

// Only the whole name, in its own case, counts; and each lookup knows only its own kind of name.
TEST(ExtensionNames, AnyOtherStringIsUnknown)
{
    for (const char* name : {"gl_arb_multitexture", "GL_ARB_multitexture ", "GL_ARB_multi", "", "WGL_ARB_pbuffer"})
        EXPECT_EQ(ExtensionManager::UNKNOWN_EXTENSION, glExtensionFromName(name)) << '"' << name << '"';
    for (const char* name : {"wgl_arb_pbuffer", "WGL_ARB_pbuffer ", "WGL_ARB_pbuf", "", "GL_ARB_multitexture"})
        EXPECT_EQ(ExtensionManager::UNKNOWN_EXTENSION, wglExtensionFromName(name)) << '"' << name << '"';
}

TEST(ExtensionNames, NullIsUnknown)
{
    EXPECT_EQ(ExtensionManager::UNKNOWN_EXTENSION, glExtensionFromName(nullptr));
    EXPECT_EQ(ExtensionManager::UNKNOWN_EXTENSION, wglExtensionFromName(nullptr));
}
