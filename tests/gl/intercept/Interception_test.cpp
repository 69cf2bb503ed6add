#include "HiddenContext.h"

#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/intercept/ErrorPolicy.h"
#include "qel_ogl/intercept/generated/InterceptEntries.h"
#include "qel_ogl/intercept/generated/InterceptHooks.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using ActiveTexture = void(APIENTRY*)(GLenum);

// The test's own context, made current through the entry family once, so that the session turns the library on
// for it; reports are collected instead of written to standard error.
class Interception : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        gContext = new HiddenContext();
        qel_setReportCallback(&collect, nullptr);
        qel_wglMakeCurrent(__FILE__, __LINE__, gContext->deviceContext(), gContext->context());
    }

    void SetUp() override
    {
        gReports.clear();
        qel_setErrorPolicy(QEL_ERROR_REPORT);
    }

    static std::string report(const char* file, unsigned line, const char* function, const char* text)
    {
        return std::string(file) + "(" + std::to_string(line) + "): " + function + ": " + text;
    }

    static void collect(const char* line, void*)
    {
        gReports.emplace_back(line);
    }

    static HiddenContext* gContext;
    static std::vector<std::string> gReports;
};

HiddenContext* Interception::gContext = nullptr;
std::vector<std::string> Interception::gReports;

TEST_F(Interception, AnErrorIsReportedWithTheCallersFileLineAndFunctionAndTheProgramRunsOn)
{
    const unsigned line = __LINE__ + 1;
    qel_glEnable(__FILE__, line, 0x1234);
    qel_glEnable(__FILE__, line + 1, GL_DEPTH_TEST);
    EXPECT_EQ(std::vector<std::string>{report(__FILE__, line, "glEnable", "invalid enumerant")}, gReports);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

// An error left pending by a call outside the chain is reported for the next call through it; that call's
// result, a new list base here, still reaches the program.
TEST_F(Interception, TheDriversResultReachesTheProgramAlsoWhenAnErrorIsReportedForTheCall)
{
    glEnable(0x1234);
    const GLuint list = qel_glGenLists(__FILE__, 7, 1);
    EXPECT_EQ(std::vector<std::string>{report(__FILE__, 7, "glGenLists", "invalid enumerant")}, gReports);
    EXPECT_NE(0u, list);
    glNewList(list, GL_COMPILE);
    glEndList();
    EXPECT_TRUE(glIsList(list));
    glDeleteLists(list, 1);
}

TEST_F(Interception, UnderTheThrowPolicyTheLibrarysExceptionLeavesTheCall)
{
    qel_setErrorPolicy(QEL_ERROR_THROW);
    const auto e = thrownBy<QEL::OGL::ExceptionOGL>([] { qel_glEnable("host.cpp", 12, 0x1234); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("host.cpp(12): invalid enumerant", e->what());
    EXPECT_TRUE(gReports.empty());
}

// A GL function gets an interception function in place of the driver's, whose calls name their call site in
// this program; any other name gets the driver's answer, null included.
TEST_F(Interception, GetProcAddressHandsOutInterceptionFunctionsForGLFunctionsOnly)
{
    const PROC fetched = qel_wglGetProcAddress(__FILE__, __LINE__, "glActiveTexture");
    ASSERT_NE(nullptr, fetched);
    EXPECT_NE(wglGetProcAddress("glActiveTexture"), fetched);
    EXPECT_EQ(wglGetProcAddress("wglSwapIntervalEXT"), qel_wglGetProcAddress(__FILE__, __LINE__, "wglSwapIntervalEXT"));
    EXPECT_EQ(nullptr, qel_wglGetProcAddress(__FILE__, __LINE__, "glNoSuchFunction"));

    reinterpret_cast<ActiveTexture>(reinterpret_cast<void (*)()>(fetched))(0x1234);
    ASSERT_EQ(1u, gReports.size());
    EXPECT_EQ(0u, gReports[0].find("qel_gl_intercept_tests.exe+0x")) << gReports[0];
    EXPECT_NE(std::string::npos, gReports[0].find("(0): glActiveTexture: invalid enumerant")) << gReports[0];
}

}

// Wine's opengl32.dll lacks the metafile functions of the system's list: a call passed straight to the driver
// answers zero and says so in the log, once, instead of calling through nothing.
TEST_F(Interception, AFunctionTheSystemsDriverLacksAnswersZeroWithOneReport)
{
    EXPECT_EQ(FALSE, qel_pass_GlmfBeginGlsBlock(gContext->deviceContext()));
    EXPECT_EQ(FALSE, qel_pass_GlmfBeginGlsBlock(gContext->deviceContext()));
    EXPECT_EQ(std::vector<std::string>{"qel_ogl: GlmfBeginGlsBlock cannot be called: the system's driver does not "
                                       "have it"},
              gReports);
}

// Last, since it deletes the suite's context: a program that makes its real context current before it deletes
// its first, throw-away one goes on being checked with the real one.
TEST_F(Interception, TheLibraryFollowsTheContextStillCurrentWhenTheFirstIsDeleted)
{
    HiddenContext real;
    qel_wglMakeCurrent(__FILE__, __LINE__, real.deviceContext(), real.context());
    qel_wglDeleteContext(__FILE__, __LINE__, gContext->context());
    qel_glEnable(__FILE__, 5, 0x1234);
    EXPECT_EQ(std::vector<std::string>{report(__FILE__, 5, "glEnable", "invalid enumerant")}, gReports);
    qel_wglMakeCurrent(__FILE__, __LINE__, nullptr, nullptr);
}
