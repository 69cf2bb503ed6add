#pragma once

#include <iosfwd>

#include "qel_ogl/extensionator/windows/wglInterceptorDecorator.h"

namespace QEL { namespace OGL {

// Records the WGL calls that pass through it as C++ statements for a replay program, then forwards them.
// Device and rendering contexts are written as hexadecimal literals of the recording process; the replay
// program translates them (addCurrentAppDC, GLRekorderCreateWindow, GLRekorderMakeCurrent,
// GLRekorderSwapBuffers, hdc_map_, hDC_Ours). Calls without a recorded form throw before anything happens.
// In complete mode (off by default) every call has a form and takes place: wglGetProcAddress becomes a comment
// (a replay reaches entry points through its own table), the font calls carry the font that was selected into
// the device context, wglSwapMultipleBuffers becomes one swap per buffer, and the layer-plane calls are marked
// as not captured. Neither the streams nor the inner interceptor are owned.
class QEL_OGL_API wglRekorder : public wglInterceptorDecorator
{
public:
    // No streams and no inner interceptor: writes nothing, and every call through it throws.
    wglRekorder();

    // Writes the line that tells the replay which device context was current when recording started.
    wglRekorder(std::ostream& output, std::ostream& binaryOutput, HDC hDC, wglInterceptor* inner,
                bool writeFileAndLine);

    ~wglRekorder() override;

    void setComplete(bool complete);
    bool isComplete() const;

#include "qel_ogl/extensionator/generated/wglInterceptorOverrides.inc"

private:
    // The source stream; throws when the recorder was made without streams.
    std::ostream& output();

    // ");" and the line end: the caller's file and line as a comment when asked for, then the newline.
    void endStatement(std::ostream& out, const char* file, unsigned line) const;

    // The source stream in complete mode; a call without a recorded form otherwise is refused.
    std::ostream& completeOutput();
    template <class Font>
    void writeFont(std::ostream& out, HDC hdc) const;
    template <class Font>
    void writeFontBitmaps(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count, DWORD listBase);
    template <class Font>
    void writeFontOutlines(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count, DWORD listBase,
                           FLOAT deviation, FLOAT extrusion, int format, LPGLYPHMETRICSFLOAT lpgmf);
    void writeLayerPlaneCall(const char* name, const char* file, unsigned line);

    std::ostream* pOutputStream_;
    // Taken for symmetry with the GL recorder; no WGL call writes data.
    std::ostream* pBinaryOutputStream_;
    bool bWriteFileAndLine_;
    bool bComplete_;
};

}}
