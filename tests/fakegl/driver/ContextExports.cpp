// The WGL exports that create, share, make current and delete contexts. A context is only a handle that the
// driver remembers; which one is current is one for the whole process.

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

using fakegl::Call;
using fakegl::DriverState;

namespace {

bool isContext(HGLRC context)
{
    return DriverState::instance().contexts.count(context) != 0;
}

BOOL invalidHandle()
{
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

}

extern "C" {

FAKEGL_EXPORT HGLRC WINAPI wglCreateContext(HDC)
{
    fakegl::logCall("wglCreateContext");
    return DriverState::instance().createContext();
}

// Like wglCreateContext: the driver does not tell layers apart.
FAKEGL_EXPORT HGLRC WINAPI wglCreateLayerContext(HDC, int)
{
    fakegl::logCall("wglCreateLayerContext");
    return DriverState::instance().createContext();
}

FAKEGL_EXPORT BOOL WINAPI wglDeleteContext(HGLRC context)
{
    DriverState& state = DriverState::instance();
    state.log.add("wglDeleteContext");
    // A failed deletion leaves the context as it was.
    if (state.fails(Call::DeleteContext))
        return FALSE;
    if (!isContext(context))
        return invalidHandle();
    state.contexts.erase(context);
    if (state.currentContext == context) {
        state.currentContext = nullptr;
        state.currentDC = nullptr;
    }
    return TRUE;
}

// A null context makes none current, whatever the device context.
FAKEGL_EXPORT BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context)
{
    DriverState& state = DriverState::instance();
    state.log.add("wglMakeCurrent");
    if (state.fails(Call::MakeCurrent))
        return FALSE;
    if (context != nullptr && !isContext(context))
        return invalidHandle();
    state.currentContext = context;
    state.currentDC = context != nullptr ? dc : nullptr;
    return TRUE;
}

FAKEGL_EXPORT HGLRC WINAPI wglGetCurrentContext(void)
{
    fakegl::logCall("wglGetCurrentContext");
    return DriverState::instance().currentContext;
}

FAKEGL_EXPORT HDC WINAPI wglGetCurrentDC(void)
{
    fakegl::logCall("wglGetCurrentDC");
    return DriverState::instance().currentDC;
}

FAKEGL_EXPORT BOOL WINAPI wglShareLists(HGLRC first, HGLRC second)
{
    fakegl::logCall("wglShareLists");
    if (DriverState::instance().fails(Call::ShareLists))
        return FALSE;
    if (!isContext(first) || !isContext(second))
        return invalidHandle();
    return TRUE;
}

FAKEGL_EXPORT BOOL WINAPI wglCopyContext(HGLRC, HGLRC, UINT)
{
    fakegl::logCall("wglCopyContext");
    return TRUE;
}

}
