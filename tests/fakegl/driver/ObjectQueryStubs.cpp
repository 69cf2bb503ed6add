// The shader and program queries, written by hand because a test scripts what they answer: the integers of
// glGetShaderiv and glGetProgramiv, and the info log.

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

#include <algorithm>

namespace fakegl {

namespace {

void copyInfoLog(GLsizei bufSize, GLsizei* length, GLchar* infoLog)
{
    const std::string& log = DriverState::instance().infoLog;
    GLsizei written = 0;
    if (bufSize > 0) {
        written = static_cast<GLsizei>(std::min(log.size(), static_cast<std::size_t>(bufSize - 1)));
        std::copy(log.begin(), log.begin() + written, infoLog);
        infoLog[written] = '\0';
    }
    if (length != nullptr)
        *length = written;
}

}

void APIENTRY getShaderiv(GLuint, GLenum pname, GLint* params)
{
    logCall("glGetShaderiv");
    writeScriptedIntegers(DriverState::instance().objectIntegers, pname, params);
}

void APIENTRY getProgramiv(GLuint, GLenum pname, GLint* params)
{
    logCall("glGetProgramiv");
    writeScriptedIntegers(DriverState::instance().objectIntegers, pname, params);
}

void APIENTRY getShaderInfoLog(GLuint, GLsizei bufSize, GLsizei* length, GLchar* infoLog)
{
    logCall("glGetShaderInfoLog");
    copyInfoLog(bufSize, length, infoLog);
}

void APIENTRY getProgramInfoLog(GLuint, GLsizei bufSize, GLsizei* length, GLchar* infoLog)
{
    logCall("glGetProgramInfoLog");
    copyInfoLog(bufSize, length, infoLog);
}

} // namespace fakegl
