// The example of docs/tracing.md, run on the driver. The text between "// example:" and "// end of example"
// is the page's code, word for word (qel_docs_examples_match checks it).

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "GLContextFixture.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/OpenGLTracer.h"

using TracingExample = GLContextFixture;

TEST_F(TracingExample, TracesAFrameUpToTheCallThatFails)
{
    // example: tracing a frame
    using QEL::OGL::OpenGLInterceptor;
    std::ostringstream trace;  // any std::ostream: std::cout, an std::ofstream
    QEL::OGL::OpenGLTracer tracer(trace);
    OpenGLInterceptor::Instance()->addInterceptor(&tracer);

    QEL_CHECKED(ClearColor)(0.0f, 0.0f, 0.5f, 1.0f);
    QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT);
    QEL_CHECKED(Begin)(GL_TRIANGLES);
    QEL_CHECKED(Vertex2f)(-1.0f, -1.0f);
    QEL_CHECKED(Vertex2f)(1.0f, -1.0f);
    QEL_CHECKED(Vertex2f)(0.0f, 1.0f);
    QEL_CHECKED(End)();
    try
    {
        QEL_CHECKED(Enable)(0x1234);  // fails: the last line of the trace
    }
    catch (const QEL::OGL::ExceptionOGL&)
    {
    }
    OpenGLInterceptor::Instance()->popInterceptor();
    // end of example
    OpenGLInterceptor::destroy();

    // Each line names this file and the line of its call.
    const std::string traced =
        std::regex_replace(trace.str(), std::regex(R"(tests/gl/docs/Tracing_test\.cpp:\d+: )"), "");
    EXPECT_EQ("glClearColor(makeFloat(0) /* 0 */, makeFloat(0) /* 0 */, makeFloat(1056964608) /* 0.5 */, "
              "makeFloat(1065353216) /* 1 */)\n"
              "glClear(16384)\n"
              "glBegin(GL_LINE_BIT)\n"
              "glVertex2f(makeFloat(-1082130432) /* -1 */, makeFloat(-1082130432) /* -1 */)\n"
              "glVertex2f(makeFloat(1065353216) /* 1 */, makeFloat(-1082130432) /* -1 */)\n"
              "glVertex2f(makeFloat(0) /* 0 */, makeFloat(1065353216) /* 1 */)\n"
              "glEnd()\n"
              "glEnable(Unknown Token)\n",
              traced);
}
