// wglGetProcAddress with the table of hand-written stubs it hands out (the WGL extension functions here, the
// answering GL stubs and the shader and program queries beside), and the font and layer-plane exports, which
// only log: the driver draws nothing and has no layer planes.

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

#include <string>

using fakegl::DriverState;

namespace {

// Remembers the integer attributes, pairs of name and value, through the 0 that takes the place of a name; answers
// the driver's one format.
BOOL WINAPI wglChoosePixelFormatARB(HDC, const int* attributes, const FLOAT*, UINT maxFormats, int* formats,
                                    UINT* count)
{
    DriverState& state = DriverState::instance();
    state.log.add("wglChoosePixelFormatARB");
    state.pixelFormatAttributes.clear();
    for (; *attributes != 0; attributes += 2)
        state.pixelFormatAttributes.insert(state.pixelFormatAttributes.end(), attributes, attributes + 2);
    state.pixelFormatAttributes.push_back(0);
    if (state.fails(fakegl::Call::ChoosePixelFormatARB))
        return FALSE;
    *count = maxFormats > 0 ? 1 : 0;
    if (*count > 0)
        formats[0] = 1;
    return TRUE;
}

const char* WINAPI wglGetExtensionsStringARB(HDC)
{
    fakegl::logCall("wglGetExtensionsStringARB");
    return DriverState::instance().wglExtensions.c_str();
}

const char* WINAPI wglGetExtensionsStringEXT(void)
{
    fakegl::logCall("wglGetExtensionsStringEXT");
    return DriverState::instance().wglExtensions.c_str();
}

}

const fakegl::ProcStub fakegl::kHandWrittenStubs[] = {
    {"glCheckFramebufferStatusEXT", fakegl::asProc(&fakegl::answeringCheckFramebufferStatusEXT)},
    {"glGetProgramInfoLog", fakegl::asProc(&fakegl::getProgramInfoLog)},
    {"glGetProgramiv", fakegl::asProc(&fakegl::getProgramiv)},
    {"glGetShaderInfoLog", fakegl::asProc(&fakegl::getShaderInfoLog)},
    {"glGetShaderiv", fakegl::asProc(&fakegl::getShaderiv)},
    {"glMapBuffer", fakegl::asProc(&fakegl::answeringMapBuffer)},
    {"glUnmapBuffer", fakegl::asProc(&fakegl::answeringUnmapBuffer)},
    {"wglChoosePixelFormatARB", fakegl::asProc(&wglChoosePixelFormatARB)},
    {"wglGetExtensionsStringARB", fakegl::asProc(&wglGetExtensionsStringARB)},
    {"wglGetExtensionsStringEXT", fakegl::asProc(&wglGetExtensionsStringEXT)},
};

const std::size_t fakegl::kHandWrittenStubCount = sizeof(kHandWrittenStubs) / sizeof(kHandWrittenStubs[0]);

extern "C" {

// Like a real driver, answers nothing while no context is current.
FAKEGL_EXPORT PROC WINAPI wglGetProcAddress(LPCSTR name)
{
    DriverState& state = DriverState::instance();
    state.log.add(std::string("wglGetProcAddress(") + name + ")");
    if (state.currentContext == nullptr || state.enabledProcs.count(name) == 0)
        return nullptr;
    return fakegl::findStub(name);
}

FAKEGL_EXPORT BOOL WINAPI wglUseFontBitmapsA(HDC, DWORD, DWORD, DWORD)
{
    fakegl::logCall("wglUseFontBitmapsA");
    return TRUE;
}

FAKEGL_EXPORT BOOL WINAPI wglUseFontBitmapsW(HDC, DWORD, DWORD, DWORD)
{
    fakegl::logCall("wglUseFontBitmapsW");
    return TRUE;
}

FAKEGL_EXPORT BOOL WINAPI wglUseFontOutlinesA(HDC, DWORD, DWORD, DWORD, FLOAT, FLOAT, int, LPGLYPHMETRICSFLOAT)
{
    fakegl::logCall("wglUseFontOutlinesA");
    return TRUE;
}

FAKEGL_EXPORT BOOL WINAPI wglUseFontOutlinesW(HDC, DWORD, DWORD, DWORD, FLOAT, FLOAT, int, LPGLYPHMETRICSFLOAT)
{
    fakegl::logCall("wglUseFontOutlinesW");
    return TRUE;
}

FAKEGL_EXPORT BOOL WINAPI wglDescribeLayerPlane(HDC, int, int, UINT, LPLAYERPLANEDESCRIPTOR)
{
    fakegl::logCall("wglDescribeLayerPlane");
    return FALSE;
}

FAKEGL_EXPORT int WINAPI wglSetLayerPaletteEntries(HDC, int, int, int, const COLORREF*)
{
    fakegl::logCall("wglSetLayerPaletteEntries");
    return 0;
}

FAKEGL_EXPORT int WINAPI wglGetLayerPaletteEntries(HDC, int, int, int, COLORREF*)
{
    fakegl::logCall("wglGetLayerPaletteEntries");
    return 0;
}

FAKEGL_EXPORT BOOL WINAPI wglRealizeLayerPalette(HDC, int, BOOL)
{
    fakegl::logCall("wglRealizeLayerPalette");
    return FALSE;
}

// The main plane swaps like SwapBuffers; there is nothing else to swap.
FAKEGL_EXPORT BOOL WINAPI wglSwapLayerBuffers(HDC, UINT)
{
    fakegl::logCall("wglSwapLayerBuffers");
    return TRUE;
}

FAKEGL_EXPORT DWORD WINAPI wglSwapMultipleBuffers(UINT, const WGLSWAP*)
{
    fakegl::logCall("wglSwapMultipleBuffers");
    return 0;
}

}
