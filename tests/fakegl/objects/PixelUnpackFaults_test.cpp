// PixelUnpackParameters::apply on drivers with and without 3D textures.

#include "FakeGLFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "tests/fakegl/driver/FakeGL.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

using QEL::OGL::PixelUnpackParameters;

using PixelUnpackFaults = LibraryFixture<FakeGLFixture>;

// A 1.1 driver without GL_EXT_texture3D has no image height or skipped images to write.
TEST_F(PixelUnpackFaults, WithoutTexture3DWritesSixValues)
{
    turnOn();
    fakegl::clearCallLog();
    PixelUnpackParameters().apply();
    EXPECT_EQ(6u, fakegl::callCount("glPixelStorei"));
}

TEST_F(PixelUnpackFaults, WithTexture3DWritesEightValues)
{
    fakegl::setString(GL_EXTENSIONS, "GL_EXT_texture3D");
    ASSERT_TRUE(fakegl::enableProc("glTexImage3DEXT"));
    turnOn();
    ASSERT_TRUE(QEL::OGL::ExtensionManager::Instance()->supportsTexture3D());
    fakegl::clearCallLog();
    PixelUnpackParameters().apply();
    EXPECT_EQ(8u, fakegl::callCount("glPixelStorei"));
}
