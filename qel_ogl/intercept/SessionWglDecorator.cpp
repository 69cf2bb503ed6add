#include "qel_ogl/intercept/SessionWglDecorator.h"

#include "qel_ogl/intercept/InterceptionSession.h"

namespace QEL { namespace OGL {

SessionWglDecorator::SessionWglDecorator(InterceptionSession& session)
    : session_(session)
{
}

SessionWglDecorator::~SessionWglDecorator() = default;

int SessionWglDecorator::wcgmMakeCurrent(const char* file, unsigned line, HDC hdc, HGLRC hglrc)
{
    const int made = next().wcgmMakeCurrent(file, line, hdc, hglrc);
    if (made)
        session_.contextMadeCurrent(hdc, hglrc);
    return made;
}

// The library goes off while the context still exists.
int SessionWglDecorator::wcgmDeleteContext(const char* file, unsigned line, HGLRC hglrc)
{
    session_.contextDeleting(hglrc);
    return next().wcgmDeleteContext(file, line, hglrc);
}

PROC SessionWglDecorator::wcgmGetProcAddress(const char* file, unsigned line, LPCSTR name)
{
    return session_.procAddress(name, beyondRecorder("wglGetProcAddress").wcgmGetProcAddress(file, line, name));
}

// The frame is saved before the swap makes its back buffer undefined.
int SessionWglDecorator::wcgmSwapBuffers(const char* file, unsigned line, HDC hdc)
{
    session_.beforeSwap(hdc);
    const int swapped = next().wcgmSwapBuffers(file, line, hdc);
    session_.afterSwap();
    return swapped;
}

int SessionWglDecorator::wcgmUseFontBitmapsA(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                             DWORD listBase)
{
    return beyondRecorder("wglUseFontBitmapsA").wcgmUseFontBitmapsA(file, line, hdc, first, count, listBase);
}

int SessionWglDecorator::wcgmUseFontBitmapsW(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                             DWORD listBase)
{
    return beyondRecorder("wglUseFontBitmapsW").wcgmUseFontBitmapsW(file, line, hdc, first, count, listBase);
}

int SessionWglDecorator::wcgmUseFontOutlinesA(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                              DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                                              LPGLYPHMETRICSFLOAT lpgmf)
{
    return beyondRecorder("wglUseFontOutlinesA")
        .wcgmUseFontOutlinesA(file, line, hdc, first, count, listBase, deviation, extrusion, format, lpgmf);
}

int SessionWglDecorator::wcgmUseFontOutlinesW(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                              DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                                              LPGLYPHMETRICSFLOAT lpgmf)
{
    return beyondRecorder("wglUseFontOutlinesW")
        .wcgmUseFontOutlinesW(file, line, hdc, first, count, listBase, deviation, extrusion, format, lpgmf);
}

int SessionWglDecorator::wcgmDescribeLayerPlane(const char* file, unsigned line, HDC hdc, int pixelFormat,
                                                int layerPlane, UINT nBytes, LPLAYERPLANEDESCRIPTOR plpd)
{
    return beyondRecorder("wglDescribeLayerPlane")
        .wcgmDescribeLayerPlane(file, line, hdc, pixelFormat, layerPlane, nBytes, plpd);
}

int SessionWglDecorator::wcgmSetLayerPaletteEntries(const char* file, unsigned line, HDC hdc, int layerPlane,
                                                    int start, int entries, const COLORREF* pcr)
{
    return beyondRecorder("wglSetLayerPaletteEntries")
        .wcgmSetLayerPaletteEntries(file, line, hdc, layerPlane, start, entries, pcr);
}

int SessionWglDecorator::wcgmGetLayerPaletteEntries(const char* file, unsigned line, HDC hdc, int layerPlane,
                                                    int start, int entries, COLORREF* pcr)
{
    return beyondRecorder("wglGetLayerPaletteEntries")
        .wcgmGetLayerPaletteEntries(file, line, hdc, layerPlane, start, entries, pcr);
}

int SessionWglDecorator::wcgmRealizeLayerPalette(const char* file, unsigned line, HDC hdc, int layerPlane,
                                                 int realize)
{
    return beyondRecorder("wglRealizeLayerPalette").wcgmRealizeLayerPalette(file, line, hdc, layerPlane, realize);
}

DWORD SessionWglDecorator::wcgmSwapMultipleBuffers(const char* file, unsigned line, UINT count,
                                                   const WGLSWAP* swaps)
{
    return beyondRecorder("wglSwapMultipleBuffers").wcgmSwapMultipleBuffers(file, line, count, swaps);
}

wglInterceptor& SessionWglDecorator::beyondRecorder(const char* name)
{
    return session_.beyondRecorder(name, next());
}

}}
