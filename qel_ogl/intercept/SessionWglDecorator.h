#pragma once

#include "qel_ogl/extensionator/windows/wglForwardingDecorator.h"

namespace QEL { namespace OGL {

class InterceptionSession;

// The interception session's element on top of the WGL chain: it tells the session when the program makes a
// context current, deletes one and swaps a frame, hands out interception functions from wglGetProcAddress, and
// keeps the calls that the WGL recorder has no form for away from it. Every call of the program takes place.
class SessionWglDecorator : public wglForwardingDecorator
{
public:
    explicit SessionWglDecorator(InterceptionSession& session);
    ~SessionWglDecorator() override;

    int wcgmMakeCurrent(const char* file, unsigned line, HDC hdc, HGLRC hglrc) override;
    int wcgmDeleteContext(const char* file, unsigned line, HGLRC hglrc) override;
    PROC wcgmGetProcAddress(const char* file, unsigned line, LPCSTR name) override;
    int wcgmSwapBuffers(const char* file, unsigned line, HDC hdc) override;

    int wcgmUseFontBitmapsA(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                            DWORD listBase) override;
    int wcgmUseFontBitmapsW(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                            DWORD listBase) override;
    int wcgmUseFontOutlinesA(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count, DWORD listBase,
                             FLOAT deviation, FLOAT extrusion, int format, LPGLYPHMETRICSFLOAT lpgmf) override;
    int wcgmUseFontOutlinesW(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count, DWORD listBase,
                             FLOAT deviation, FLOAT extrusion, int format, LPGLYPHMETRICSFLOAT lpgmf) override;
    int wcgmDescribeLayerPlane(const char* file, unsigned line, HDC hdc, int pixelFormat, int layerPlane,
                               UINT nBytes, LPLAYERPLANEDESCRIPTOR plpd) override;
    int wcgmSetLayerPaletteEntries(const char* file, unsigned line, HDC hdc, int layerPlane, int start,
                                   int entries, const COLORREF* pcr) override;
    int wcgmGetLayerPaletteEntries(const char* file, unsigned line, HDC hdc, int layerPlane, int start,
                                   int entries, COLORREF* pcr) override;
    int wcgmRealizeLayerPalette(const char* file, unsigned line, HDC hdc, int layerPlane, int realize) override;
    DWORD wcgmSwapMultipleBuffers(const char* file, unsigned line, UINT count, const WGLSWAP* swaps) override;

private:
    wglInterceptor& beyondRecorder(const char* name);

    InterceptionSession& session_;
};

}}
