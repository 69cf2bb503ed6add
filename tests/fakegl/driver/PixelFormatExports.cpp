// The pixel-format exports, which gdi32's ChoosePixelFormat, DescribePixelFormat, GetPixelFormat,
// SetPixelFormat and SwapBuffers forward to. The driver offers one format, number 1, and remembers the
// format set on each device context.

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

using fakegl::Call;
using fakegl::DriverState;

namespace {

const int kFormatCount = 1;

PIXELFORMATDESCRIPTOR theFormat()
{
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cDepthBits = 24;
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

bool isFormat(int format)
{
    return format >= 1 && format <= kFormatCount;
}

}

extern "C" {

FAKEGL_EXPORT int WINAPI wglChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR*)
{
    fakegl::logCall("wglChoosePixelFormat");
    return DriverState::instance().fails(Call::ChoosePixelFormat) ? 0 : 1;
}

// Answers the number of formats; fills the descriptor, when one is given, with the asked format.
FAKEGL_EXPORT int WINAPI wglDescribePixelFormat(HDC, int format, UINT size, PIXELFORMATDESCRIPTOR* descriptor)
{
    fakegl::logCall("wglDescribePixelFormat");
    if (DriverState::instance().fails(Call::DescribePixelFormat))
        return 0;
    if (descriptor == nullptr)
        return kFormatCount;
    if (!isFormat(format) || size < sizeof *descriptor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    *descriptor = theFormat();
    return kFormatCount;
}

FAKEGL_EXPORT int WINAPI wglGetPixelFormat(HDC dc)
{
    DriverState& state = DriverState::instance();
    state.log.add("wglGetPixelFormat");
    if (state.fails(Call::GetPixelFormat))
        return 0;
    const auto found = state.pixelFormats.find(dc);
    return found == state.pixelFormats.end() ? 0 : found->second;
}

FAKEGL_EXPORT BOOL WINAPI wglSetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*)
{
    DriverState& state = DriverState::instance();
    state.log.add("wglSetPixelFormat");
    if (state.fails(Call::SetPixelFormat))
        return FALSE;
    if (!isFormat(format)) {
        SetLastError(ERROR_INVALID_PIXEL_FORMAT);
        return FALSE;
    }
    state.pixelFormats[dc] = format;
    return TRUE;
}

FAKEGL_EXPORT BOOL WINAPI wglSwapBuffers(HDC)
{
    fakegl::logCall("wglSwapBuffers");
    return DriverState::instance().fails(Call::SwapBuffers) ? FALSE : TRUE;
}

}
