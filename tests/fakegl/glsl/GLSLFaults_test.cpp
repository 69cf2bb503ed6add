// Shaders and programs against scripted drivers: every outcome of a link or compile log, a driver without
// OpenGL 2.0, and a driver that hands out the name 0.

#include "FakeGLFixture.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"

#include "qel_ogl/ogl/Program.h"
#include "qel_ogl/ogl/Shader.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <string>

using QEL::InternalException;
using QEL::OGL::FragmentShader;
using QEL::OGL::Program;
using QEL::OGL::Shader;
using QEL::OGL::VertexShader;

namespace {

const char* const kProgramFile = "qel_ogl/ogl/Program.cpp";
const char* const kShaderFile = "qel_ogl/ogl/Shader.cpp";

// The status and log that the driver reports for every object; a log's length counts its terminator.
void scriptLog(GLenum status, GLint statusValue, GLint logLength, const std::string& log)
{
    fakegl::setObjectIntegers(status, {statusValue});
    fakegl::setObjectIntegers(GL_INFO_LOG_LENGTH, {logLength});
    fakegl::setInfoLog(log);
}

GLint lengthOf(const std::string& log)
{
    return static_cast<GLint>(log.size() + 1);
}

}

class GLSLFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    // A driver of that version with every core function.
    void turnOnWithVersion(const char* version)
    {
        for (const auto& [entry, entryPoints] : loaderEntryPoints()) {
            if (entry.rfind("GL_VERSION_", 0) != 0)
                continue;
            for (const EntryPoint& entryPoint : entryPoints)
                ASSERT_TRUE(fakegl::enableProc(entryPoint.function)) << entryPoint.function;
        }
        fakegl::setString(GL_VERSION, version);
        fakegl::setIntegers(GL_MAX_TEXTURE_UNITS, {4});
        turnOn();
    }
};

// A log of its terminator alone is no log; only the exact phrase, in lower case, means software.
TEST_F(GLSLFaults, LinkTurnsTheDriversStatusAndLogIntoItsOutcome)
{
    const std::string software = "Fragment shader will run in software due to the loop.";
    const std::string capital = "Fragment shader will Run in software.";
    const std::string failure = "error: undefined variable";
    const struct
    {
        GLint linked;
        GLint logLength;
        std::string log;
        std::string thrown;
    } cases[] = {
        {1, 0, "", ""},
        {1, 1, "", ""},
        {1, lengthOf("Link successful."), "Link successful.", ""},
        {1, lengthOf(capital), capital, ""},
        {1, lengthOf(software), software, "Program Link Error(Falling to Software): \n" + software},
        {1, lengthOf("run in software"), "run in software", "Program Link Error(Falling to Software): \nrun in software"},
        {0, 0, "", "Unknown Program Link Error\n"},
        {0, 1, "", "Unknown Program Link Error\n"},
        {0, 2, "x", "Program Link Error: \nx"},
        {0, lengthOf(failure), failure, "Program Link Error: \n" + failure},
    };
    turnOnWithVersion("2.0");
    Program program;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.log + " linked " + std::to_string(row.linked) + " length " + std::to_string(row.logLength));
        scriptLog(GL_LINK_STATUS, row.linked, row.logLength, row.log);
        EXPECT_NO_THROW(program.link(false));
        if (row.thrown.empty())
            EXPECT_NO_THROW(program.link(true));
        else
            expectRefusal(thrownBy<InternalException>([&] { program.link(true); }), kProgramFile, row.thrown);
    }
}

TEST_F(GLSLFaults, CompileTurnsTheDriversStatusAndLogIntoItsOutcome)
{
    turnOnWithVersion("2.0");
    FragmentShader shader;
    scriptLog(GL_COMPILE_STATUS, 0, 0, "");
    EXPECT_NO_THROW(shader.compile(false));
    expectRefusal(thrownBy<InternalException>([&] { shader.compile(true); }), kShaderFile, "Unknown Compile Error.");
    scriptLog(GL_COMPILE_STATUS, 0, lengthOf("0:1: syntax error"), "0:1: syntax error");
    expectRefusal(thrownBy<InternalException>([&] { shader.compile(true); }), kShaderFile,
               "Program Compile Error: \n0:1: syntax error");
    scriptLog(GL_COMPILE_STATUS, 1, lengthOf("warning"), "warning");
    EXPECT_NO_THROW(shader.compile(true));
}

TEST_F(GLSLFaults, ObjectsNeedOpenGL20)
{
    turnOnWithVersion("1.5");
    EXPECT_FALSE(Program::isSupported());
    EXPECT_FALSE(Shader::isSupported());
    const char* const text = "QEL::OGL::ExtensionManager::Instance()->isSupported(OPEN_GL_2_0)";
    expectRefusal(thrownBy<InternalException>([] { Program program; }), kProgramFile, text);
    expectRefusal(thrownBy<InternalException>([] { VertexShader shader; }), kShaderFile, text);
    EXPECT_EQ(0u, fakegl::callCount("glCreateProgram"));
    EXPECT_EQ(0u, fakegl::callCount("glCreateShader"));
}

TEST_F(GLSLFaults, AHandleOfZeroIsRefusedAndNotDeleted)
{
    turnOnWithVersion("2.0");
    fakegl::queueNames({0, 0});
    expectRefusal(thrownBy<InternalException>([] { Program program; }), kProgramFile, "_hObject != 0");
    expectRefusal(thrownBy<InternalException>([] { FragmentShader shader; }), kShaderFile, "_hObject != 0");
    EXPECT_EQ(0u, fakegl::callCount("glDeleteProgram"));
    EXPECT_EQ(0u, fakegl::callCount("glDeleteShader"));
}
