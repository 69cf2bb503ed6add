// The recorder's unpack-state query on a 1.5 driver, which knows the pixel-unpack-buffer binding only through a
// pixel buffer object extension: the binding is asked for only when the extension string names one.

#include "FakeGLFixture.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include "qel_ogl/extensionator/GLUnpackStateQuery.h"
#include "tests/fakegl/driver/FakeGL.h"

using QEL::OGL::GLUnpackStateQuery;

using UnpackStateQueryFaults = FakeGLFixture;

TEST_F(UnpackStateQueryFaults, Version15DriverKnowsPixelBuffersFromItsExtensionString)
{
    const GLenum kPixelUnpackBufferBinding = 0x88EF;
    fakegl::setString(GL_VERSION, "1.5");
    fakegl::setIntegers(kPixelUnpackBufferBinding, {3});
    const struct
    {
        const char* extensions;
        bool bound;
    } cases[] = {
        {"", false},
        {"GL_ARB_pixel_buffer_object_x GL_EXT_pixel_buffer", false},
        {"GL_ARB_pixel_buffer_object", true},
        {"GL_ARB_multitexture GL_EXT_pixel_buffer_object", true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.extensions);
        fakegl::setString(GL_EXTENSIONS, row.extensions);
        fakegl::clearCallLog();
        EXPECT_EQ(row.bound, GLUnpackStateQuery().current().bufferBound);
        // Alignment, row length, skipped pixels and rows, and the binding where GL knows it.
        EXPECT_EQ(row.bound ? 5u : 4u, fakegl::callCount("glGetIntegerv"));
    }
}
