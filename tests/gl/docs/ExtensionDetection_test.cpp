// The examples of docs/extension-detection.md, run on the driver. The text between "// example:" and
// "// end of example" is the page's code, word for word (qel_docs_examples_match checks it).

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "GLContextFixture.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/ContextWrapped.h"

using ExtensionDetectionExample = GLContextFixture;

TEST_F(ExtensionDetectionExample, TurnsTheLibraryOnAndAsksTheDriver)
{
    std::ostringstream log;
    // example: turning the library on and asking the driver
    // The host's own context, current on this thread, adopted for the library.
    QEL::OGL::ContextWrapped context(wglGetCurrentDC(), wglGetCurrentContext());
    QEL::OGL::AutoInitializer library(&context);  // on until the end of the scope

    const QEL::OGL::ExtensionManager& driver = *QEL::OGL::ExtensionManager::Instance();
    log << "OpenGL " << driver.majorVersion() << '.' << driver.minorVersion() << '\n';
    if (driver.isSupported(QEL::OGL::ExtensionManager::OPEN_GL_2_0))
        log << "shaders: _cgmCreateShader is loaded\n";
    if (driver.isSupported(QEL::OGL::ExtensionManager::GL_EXT_FRAMEBUFFER_OBJECT))
        log << "framebuffer objects: _cgmGenFramebuffersEXT is loaded\n";
    log << driver.numberOfTextureUnits() << " texture units, non-power-of-two textures "
        << (driver.supportsNonPowerOfTwoTextures() ? "yes" : "no") << '\n';
    // end of example

    EXPECT_NE(nullptr, _cgmCreateShader);
    EXPECT_NE(nullptr, _cgmGenFramebuffersEXT);
    const std::string text = log.str();
    EXPECT_NE(std::string::npos, text.find("shaders: _cgmCreateShader is loaded\n")) << text;
    EXPECT_NE(std::string::npos, text.find("framebuffer objects:")) << text;
    EXPECT_NE(std::string::npos, text.find("texture units, non-power-of-two textures yes\n")) << text;
}
