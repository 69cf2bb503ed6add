// The examples of docs/contexts.md, run on the driver. The text between "// example:" and "// end of
// example" is the page's code, word for word (qel_docs_examples_match checks it).

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include "GLWindow.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextOffscreen.h"
#include "qel_ogl/ogl/ContextWindowed.h"

namespace {

// The host's windows: without a pixel format, which the context chooses.
class ContextsExample : public testing::Test
{
protected:
    ~ContextsExample() override
    {
        QEL::OGL::OpenGLInterceptor::destroy();
    }

    const GLWindow mainWindow{64, 64, GLWindow::SHOWN, GLWindow::NO_PIXEL_FORMAT};
    const GLWindow secondWindow{64, 64, GLWindow::SHOWN, GLWindow::NO_PIXEL_FORMAT};
    const HWND window = mainWindow.window();
    const HWND otherWindow = secondWindow.window();
};

}

TEST_F(ContextsExample, WindowedContextsAndAnOffscreenOneSharingItsLists)
{
    int depth = 0;
    int samples = 0;
    // example: contexts on the host's windows
    using QEL::OGL::BufferFormat;
    using QEL::OGL::Context;
    // Integer colour and one sample: chosen by the classic pixel-format descriptor.
    QEL::OGL::ContextWindowed context(window, BufferFormat(BufferFormat::RGBA8_D24_S8), Context::DOUBLE_BUFFERED,
                                      Context::SAMPLES_1, nullptr);
    QEL::OGL::AutoInitializer library(&context);  // makes it current

    int red, green, blue, alpha, stencil;
    context.getBitDepths(&red, &green, &blue, &alpha, &stencil, &depth);  // what the driver gave: 24 or more

    // Floating-point colour, multisampling and 10-bit colour go through wglChoosePixelFormatARB, which needs
    // the library on; a format the driver does not offer is refused with an exception.
    QEL::OGL::ContextWindowed multisampled(otherWindow, BufferFormat(BufferFormat::RGBA8_D24_S8),
                                           Context::DOUBLE_BUFFERED, Context::SAMPLES_4, nullptr);
    multisampled.makeCurrent();
    QEL_CHECKED(GetIntegerv)(GL_SAMPLES, &samples);  // 4
    if (Context::supportsVerticalRetraceControl())
        multisampled.enableSyncToVerticalRetrace(true);
    multisampled.swapBuffers();

    // A context of its own for work that no window shows, sharing display lists with the first.
    QEL::OGL::ContextOffscreen offscreen(&context);
    // end of example

    EXPECT_GE(depth, 24);
    EXPECT_EQ(4, samples);
    EXPECT_EQ(multisampled.renderContext(), wglGetCurrentContext());
    offscreen.makeCurrent();
    EXPECT_EQ(offscreen.renderContext(), wglGetCurrentContext());
}
