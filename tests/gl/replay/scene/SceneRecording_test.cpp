// The recording half of the replay round trip: draws the sample scene through both interceptor chains with
// both recorders installed and saves what the frame shows before its buffer swap. The test that follows in
// the chain (see CMakeLists.txt) builds a replay program from the recording, runs it in a fresh process and
// compares its frame with this one byte for byte.
//
// Writes, in the working folder: scene.inc (the recorded text), scene.dat (its data) and recorded0.rgba.

#include "HiddenContext.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"
#include "qel_ogl/ogl/ContextWrapped.h"
#include "qel_ogl/intercept/FrameCapture.h"
#include "tools/replay/Recording.h"
#include "tools/replay/SampleScene.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

using namespace QEL::OGL;

namespace {

const int kWidth = 64;
const int kHeight = 64;

std::string fileText(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}

TEST(SceneRecording, RecordsTheSceneAndTheFrameBeforeItsSwap)
{
    // example: recording a frame
    HiddenContext application(kWidth, kHeight, GLWindow::SHOWN);
    ContextWrapped context(application.deviceContext(), application.context());
    AutoInitializer library(&context);
    {
        Recording recording("scene.inc", "scene.dat", application.deviceContext());
        SampleScene(kWidth, kHeight).draw(application.deviceContext(), application.context());
        FrameCapture("recorded", kWidth, kHeight)();
        QEL_CHECKED_WGL(SwapBuffers)(application.deviceContext());
    }
    // end of example
    OpenGLInterceptor::destroy();
    wglInterceptor::destroy();

    // Every call of the scene has a replayable form.
    const std::string recorded = fileText("scene.inc");
    EXPECT_EQ(std::string::npos, recorded.find("OpenGLRekorderUnsupported")) << recorded;
    EXPECT_EQ(std::string::npos, recorded.find("WARNING")) << recorded;
    EXPECT_NE(std::string::npos, recorded.find("GLRekorderSwapBuffers(")) << recorded;

    // A frame worth comparing: the background, the tinted checkerboard, the image and the shaded triangle.
    const std::string frame = fileText("recorded0.rgba");
    ASSERT_EQ(static_cast<std::size_t>(kWidth * kHeight * 4), frame.size());
    std::set<std::string> colours;
    for (std::size_t i = 0; i < frame.size(); i += 4)
        colours.insert(frame.substr(i, 4));
    EXPECT_GT(colours.size(), 10u);
}
