// A host of the installed package that records a frame into a recording folder: both recorders write into the
// folder's files, the WGL recorder in its complete form, and the frame that the host drew is saved beside them as
// <folder>/recorded0.rgba. The folder then builds its own replay program against the package
// (tests/consumer/check.sh builds and runs it, and compares its frame with this one).
// Usage: qel_consumer_record FOLDER

#include <windows.h>
#include <GL/gl.h>

#include <cstdio>
#include <exception>
#include <string>

#include "HiddenContext.h"
#include "qel_ogl/qel_ogl.h"
#include "qel_ogl/extensionator/windows/RecordingFolder.h"
#include "qel_ogl/intercept/FrameCapture.h"

using namespace QEL::OGL;

namespace {

void drawFrame(HDC dc, const std::string& folder, int width, int height)
{
    QEL_CHECKED(ClearColor)(0.2f, 0.4f, 0.6f, 1.0f);
    QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT);
    QEL_CHECKED(Color3f)(1.0f, 0.5f, 0.0f);
    QEL_CHECKED(Rectf)(-0.5f, -0.5f, 0.5f, 0.25f);
    FrameCapture(folder + "/recorded", width, height)();
    QEL_CHECKED_WGL(SwapBuffers)(dc);
}

void record(const std::string& folder)
{
    HiddenContext application(64, 48, GLWindow::SHOWN);
    ContextWrapped context(application.deviceContext(), application.context());
    AutoInitializer library(&context);
    const RecordingFolder::Window window = RecordingFolder::windowOf(application.deviceContext());
    RecordingFolder recording(folder, window);
    OpenGLRekorder glRecorder(recording.text(), recording.data(), nullptr, true);
    wglRekorder wglRecorder(recording.text(), recording.data(), application.deviceContext(), nullptr, true);
    wglRecorder.setComplete(true);
    OpenGLInterceptor::Instance()->addInterceptor(&glRecorder);
    wglInterceptor::Instance()->addInterceptor(&wglRecorder);
    drawFrame(application.deviceContext(), folder, window.width, window.height);
    wglInterceptor::Instance()->popInterceptor();
    OpenGLInterceptor::Instance()->popInterceptor();
    recording.close();
    OpenGLInterceptor::destroy();
    wglInterceptor::destroy();
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel_consumer_record FOLDER\n");
        return 2;
    }
    try {
        record(argv[1]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "recording failed: %s\n", e.what());
        return 1;
    }
}
