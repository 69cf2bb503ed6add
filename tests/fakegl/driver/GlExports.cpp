// The GL 1.1 exports that answer what the test scripted or log their arguments; the others are generated.

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

#include <string>

using fakegl::DriverState;

extern "C" {

FAKEGL_EXPORT GLenum APIENTRY glGetError(void)
{
    DriverState& state = DriverState::instance();
    state.log.add("glGetError");
    if (state.errors.empty())
        return GL_NO_ERROR;
    const GLenum code = state.errors.front();
    state.errors.pop_front();
    return code;
}

FAKEGL_EXPORT const GLubyte* APIENTRY glGetString(GLenum name)
{
    DriverState& state = DriverState::instance();
    state.log.add("glGetString");
    const auto found = state.strings.find(name);
    if (found == state.strings.end())
        return nullptr;
    return reinterpret_cast<const GLubyte*>(found->second.c_str());
}

FAKEGL_EXPORT void APIENTRY glGetIntegerv(GLenum pname, GLint* data)
{
    DriverState& state = DriverState::instance();
    state.log.add("glGetIntegerv");
    fakegl::writeScriptedIntegers(state.integers, pname, data);
}

// Logged with its arguments in decimal, so that a test sees which value the library chose.
FAKEGL_EXPORT void APIENTRY glTexParameteri(GLenum target, GLenum pname, GLint param)
{
    DriverState::instance().log.add("glTexParameteri(" + std::to_string(target) + ", " + std::to_string(pname) +
                                    ", " + std::to_string(param) + ")");
}

}
