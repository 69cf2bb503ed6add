// The WGL recorder: one statement per recorded call, written before the call is forwarded. Return values are
// never written; the replay program runs the calls again.

#include "qel_ogl/extensionator/windows/wglRekorder.h"

#include <ostream>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/CallText.h"

namespace QEL { namespace OGL {

namespace {

// A handle as the replay reads it: "(HDC)0x" and the value in the recorders' pointer form (zero-padded
// upper-case hexadecimal of the platform's pointer width).
struct HandleText
{
    const char* type;
    const void* value;
};

std::ostream& operator<<(std::ostream& out, const HandleText& handle)
{
    return out << '(' << handle.type << ")0x" << CallText::Pointer{handle.value};
}

HandleText dc(HDC hDC)
{
    return HandleText{"HDC", hDC};
}

HandleText rc(HGLRC hGLRC)
{
    return HandleText{"HGLRC", hGLRC};
}

}

wglRekorder::wglRekorder()
    : pOutputStream_(nullptr), pBinaryOutputStream_(nullptr), bWriteFileAndLine_(false)
{
}

wglRekorder::wglRekorder(std::ostream& output, std::ostream& binaryOutput, HDC hDC, wglInterceptor* inner,
                         bool writeFileAndLine)
    : wglInterceptorDecorator(inner),
      pOutputStream_(&output),
      pBinaryOutputStream_(&binaryOutput),
      bWriteFileAndLine_(writeFileAndLine)
{
    output << "addCurrentAppDC(" << dc(hDC) << ");\n";
}

wglRekorder::~wglRekorder() = default;

std::ostream& wglRekorder::output()
{
    QEL_DESCRIBED_CHECK(pOutputStream_ != nullptr, "wglRekorder has no streams");
    return *pOutputStream_;
}

// A null file is written as NULL: inserted raw, it would put the shared text stream in a failed state and
// silence every later statement of both recorders.
void wglRekorder::endStatement(std::ostream& out, const char* file, unsigned line) const
{
    out << ");";
    if (bWriteFileAndLine_)
        out << "\t\t// " << CallText::Text{file} << ", line " << line;
    out << "\n";
}

int wglRekorder::wcgmCopyContext(const char* file, unsigned line, HGLRC hglrcSrc, HGLRC hglrcDst, UINT mask)
{
    std::ostream& out = output();
    out << "wglCopyContext(" << rc(hglrcSrc) << ", " << rc(hglrcDst) << ", " << mask;
    endStatement(out, file, line);
    return next().wcgmCopyContext(file, line, hglrcSrc, hglrcDst, mask);
}

// The replay makes a window of its own for the recorded device context and creates the context on that
// window's device context. The block keeps iter local, so that several creations compile in one function.
HGLRC wglRekorder::wcgmCreateContext(const char* file, unsigned line, HDC hdc)
{
    std::ostream& out = output();
    out << "{\n"
        << "GLRekorderCreateWindow(" << dc(hdc) << ");\n"
        << "std::map<HDC, HDC>::iterator iter = hdc_map_.find(" << dc(hdc) << ");\n"
        << "if (iter == hdc_map_.end())\n"
        << "{\n"
        << "    std::cerr << \"Missing HDC in hdc_map_!\\n\";\n"
        << "}\n"
        << "hDC_Ours = iter->second;\n"
        << "wglCreateContext(hDC_Ours";
    endStatement(out, file, line);
    out << "}\n";
    return next().wcgmCreateContext(file, line, hdc);
}

HGLRC wglRekorder::wcgmCreateLayerContext(const char* file, unsigned line, HDC hdc, int layerPlane)
{
    std::ostream& out = output();
    out << "wglCreateLayerContext(" << dc(hdc) << ", " << layerPlane;
    endStatement(out, file, line);
    return next().wcgmCreateLayerContext(file, line, hdc, layerPlane);
}

int wglRekorder::wcgmDeleteContext(const char* file, unsigned line, HGLRC hglrc)
{
    std::ostream& out = output();
    out << "wglDeleteContext(" << rc(hglrc);
    endStatement(out, file, line);
    return next().wcgmDeleteContext(file, line, hglrc);
}

HGLRC wglRekorder::wcgmGetCurrentContext(const char* file, unsigned line)
{
    std::ostream& out = output();
    out << "wglGetCurrentContext(";
    endStatement(out, file, line);
    return next().wcgmGetCurrentContext(file, line);
}

HDC wglRekorder::wcgmGetCurrentDC(const char* file, unsigned line)
{
    std::ostream& out = output();
    out << "wglGetCurrentDC(";
    endStatement(out, file, line);
    return next().wcgmGetCurrentDC(file, line);
}

PROC wglRekorder::wcgmGetProcAddress(const char*, unsigned, LPCSTR)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmMakeCurrent(const char* file, unsigned line, HDC hdc, HGLRC hglrc)
{
    std::ostream& out = output();
    out << "GLRekorderMakeCurrent(" << dc(hdc) << ", " << rc(hglrc);
    endStatement(out, file, line);
    return next().wcgmMakeCurrent(file, line, hdc, hglrc);
}

int wglRekorder::wcgmShareLists(const char* file, unsigned line, HGLRC hglrc1, HGLRC hglrc2)
{
    std::ostream& out = output();
    out << "wglShareLists(" << rc(hglrc1) << ", " << rc(hglrc2);
    endStatement(out, file, line);
    return next().wcgmShareLists(file, line, hglrc1, hglrc2);
}

int wglRekorder::wcgmUseFontBitmapsA(const char*, unsigned, HDC, DWORD, DWORD, DWORD)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmUseFontBitmapsW(const char*, unsigned, HDC, DWORD, DWORD, DWORD)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmSwapBuffers(const char* file, unsigned line, HDC hdc)
{
    std::ostream& out = output();
    out << "GLRekorderSwapBuffers(" << dc(hdc);
    endStatement(out, file, line);
    return next().wcgmSwapBuffers(file, line, hdc);
}

int wglRekorder::wcgmUseFontOutlinesA(
    const char*, unsigned, HDC, DWORD, DWORD, DWORD, FLOAT, FLOAT, int, LPGLYPHMETRICSFLOAT)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmUseFontOutlinesW(
    const char*, unsigned, HDC, DWORD, DWORD, DWORD, FLOAT, FLOAT, int, LPGLYPHMETRICSFLOAT)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmDescribeLayerPlane(const char*, unsigned, HDC, int, int, UINT, LPLAYERPLANEDESCRIPTOR)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmSetLayerPaletteEntries(const char*, unsigned, HDC, int, int, int, const COLORREF*)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmGetLayerPaletteEntries(const char*, unsigned, HDC, int, int, int, COLORREF*)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmRealizeLayerPalette(const char*, unsigned, HDC, int, int)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

int wglRekorder::wcgmSwapLayerBuffers(const char* file, unsigned line, HDC hdc, UINT planes)
{
    std::ostream& out = output();
    out << "wglSwapLayerBuffers(" << dc(hdc) << ", " << planes;
    endStatement(out, file, line);
    return next().wcgmSwapLayerBuffers(file, line, hdc, planes);
}

DWORD wglRekorder::wcgmSwapMultipleBuffers(const char*, unsigned, UINT, const WGLSWAP*)
{
    QEL_UNREACHABLE("Missing code to record this wgl function!");
}

}}
