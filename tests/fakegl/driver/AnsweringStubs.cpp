// The entry points whose answer a test scripts: a framebuffer status, a mapped pointer, an unmap result.

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

namespace fakegl {

GLenum APIENTRY answeringCheckFramebufferStatusEXT(GLenum)
{
    logCall("glCheckFramebufferStatusEXT");
    return static_cast<GLenum>(DriverState::instance().answer("glCheckFramebufferStatusEXT"));
}

void* APIENTRY answeringMapBuffer(GLenum, GLenum)
{
    logCall("glMapBuffer");
    return reinterpret_cast<void*>(DriverState::instance().answer("glMapBuffer"));
}

GLboolean APIENTRY answeringUnmapBuffer(GLenum)
{
    logCall("glUnmapBuffer");
    return static_cast<GLboolean>(DriverState::instance().answer("glUnmapBuffer"));
}

} // namespace fakegl
