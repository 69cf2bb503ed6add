// The example of docs/recording-and-replay.md that installs the recorders by hand, run on the driver. The
// text between "// example:" and "// end of example" is the page's code, word for word
// (qel_docs_examples_match checks it).

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "GLContextFixture.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"
#include "qel_ogl/extensionator/windows/wglRekorder.h"

using RecordingExample = GLContextFixture;

TEST_F(RecordingExample, RecordsStatementsAndTheirData)
{
    // example: installing both recorders
    using QEL::OGL::OpenGLInterceptor;
    using QEL::OGL::wglInterceptor;
    std::ostringstream text;  // an std::ofstream for a replay: "scene.inc"
    std::ostringstream data(std::ios::binary);
    QEL::OGL::OpenGLRekorder glRecorder(text, data, nullptr, false);  // true: each statement names its caller
    QEL::OGL::wglRekorder wglRecorder(text, data, wglGetCurrentDC(), nullptr, false);
    OpenGLInterceptor::Instance()->addInterceptor(&glRecorder);
    wglInterceptor::Instance()->addInterceptor(&wglRecorder);

    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    QEL_CHECKED(LoadMatrixf)(identity);  // 64 bytes of data
    QEL_CHECKED_WGL(SwapBuffers)(wglGetCurrentDC());

    wglInterceptor::Instance()->popInterceptor();
    OpenGLInterceptor::Instance()->popInterceptor();
    // end of example
    OpenGLInterceptor::destroy();
    wglInterceptor::destroy();

    const std::string recorded = text.str();
    EXPECT_EQ(0u, recorded.find("addCurrentAppDC((HDC)0x")) << recorded;
    EXPECT_NE(std::string::npos, recorded.find("\nglClear(16640);\n")) << recorded;
    EXPECT_NE(std::string::npos, recorded.find("pBinaryInputStream->seekg(0);")) << recorded;
    EXPECT_NE(std::string::npos, recorded.find("\nGLRekorderSwapBuffers((HDC)0x")) << recorded;

    const std::string record = data.str();
    ASSERT_EQ(4u + sizeof identity, record.size());
    std::uint32_t size = 0;
    std::memcpy(&size, record.data(), sizeof size);
    EXPECT_EQ(sizeof identity, size);
    EXPECT_EQ(0, std::memcmp(identity, record.data() + 4, sizeof identity));
}
