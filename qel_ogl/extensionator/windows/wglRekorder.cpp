// The WGL recorder: one statement per recorded call, written before the call is forwarded. Return values are
// never written; the replay program runs the calls again.

#include "qel_ogl/extensionator/windows/wglRekorder.h"

#include <ostream>
#include <string>

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

// A name as a comment may hold it: a character that could end the comment or the line is written as '?'.
std::string printableName(const char* name)
{
    std::string text;
    for (const char* c = name; *c != '\0'; ++c)
        text += *c >= ' ' && *c <= '~' && *c != '\\' ? *c : '?';
    return text;
}

}

wglRekorder::wglRekorder()
    : pOutputStream_(nullptr), pBinaryOutputStream_(nullptr), bWriteFileAndLine_(false), bComplete_(false)
{
}

wglRekorder::wglRekorder(std::ostream& output, std::ostream& binaryOutput, HDC hDC, wglInterceptor* inner,
                         bool writeFileAndLine)
    : wglInterceptorDecorator(inner),
      pOutputStream_(&output),
      pBinaryOutputStream_(&binaryOutput),
      bWriteFileAndLine_(writeFileAndLine),
      bComplete_(false)
{
    output << "addCurrentAppDC(" << dc(hDC) << ");\n";
}

wglRekorder::~wglRekorder() = default;

std::ostream& wglRekorder::output()
{
    QEL_DESCRIBED_CHECK(pOutputStream_ != nullptr, "wglRekorder has no streams");
    return *pOutputStream_;
}

void wglRekorder::setComplete(bool complete)
{
    bComplete_ = complete;
}

bool wglRekorder::isComplete() const
{
    return bComplete_;
}

std::ostream& wglRekorder::completeOutput()
{
    if (!bComplete_)
        QEL_UNREACHABLE("Missing code to record this wgl function!");
    return output();
}

// The font selected into the device context, as an aggregate of its LOGFONTA or LOGFONTW: the replay creates
// the same font on its own device context. The face name is written as its code units, so that any name
// survives.
template <class Font>
void wglRekorder::writeFont(std::ostream& out, HDC hdc) const
{
    Font font{};
    const HGDIOBJ selected = GetCurrentObject(hdc, OBJ_FONT);
    if (sizeof(font.lfFaceName[0]) == 1)
        GetObjectA(selected, sizeof font, &font);
    else
        GetObjectW(selected, sizeof font, &font);
    out << (sizeof(font.lfFaceName[0]) == 1 ? "LOGFONTA{" : "LOGFONTW{") << font.lfHeight << ", " << font.lfWidth
        << ", " << font.lfEscapement << ", " << font.lfOrientation << ", " << font.lfWeight << ", "
        << unsigned{font.lfItalic} << ", " << unsigned{font.lfUnderline} << ", " << unsigned{font.lfStrikeOut}
        << ", " << unsigned{font.lfCharSet} << ", " << unsigned{font.lfOutPrecision} << ", "
        << unsigned{font.lfClipPrecision} << ", " << unsigned{font.lfQuality} << ", "
        << unsigned{font.lfPitchAndFamily} << ", {";
    for (std::size_t i = 0; i < LF_FACESIZE && font.lfFaceName[i] != 0; ++i)
        out << (i == 0 ? "" : ", ") << static_cast<unsigned>(font.lfFaceName[i]);
    out << "}}";
}

template <class Font>
void wglRekorder::writeFontBitmaps(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                   DWORD listBase)
{
    std::ostream& out = completeOutput();
    out << "GLRekorderUseFontBitmaps(" << dc(hdc) << ", " << first << ", " << count << ", " << listBase << ", ";
    writeFont<Font>(out, hdc);
    endStatement(out, file, line);
}

// The glyph metrics that the call writes go to a scratch array of the replay's.
template <class Font>
void wglRekorder::writeFontOutlines(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                    DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                                    LPGLYPHMETRICSFLOAT lpgmf)
{
    std::ostream& out = completeOutput();
    out << "GLRekorderUseFontOutlines(" << dc(hdc) << ", " << first << ", " << count << ", " << listBase << ", "
        << CallText::Float{deviation} << ", " << CallText::Float{extrusion} << ", " << format << ", "
        << (lpgmf != nullptr ? "true" : "false") << ", ";
    writeFont<Font>(out, hdc);
    endStatement(out, file, line);
}

// Layer planes need a driver's overlay support that a replay cannot count on: the call takes place and the
// recording says that it was not captured.
void wglRekorder::writeLayerPlaneCall(const char* name, const char* file, unsigned line)
{
    std::ostream& out = completeOutput();
    out << "OpenGLRekorderUnsupported(\"" << name << ": layer planes are not captured\"";
    endStatement(out, file, line);
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

// A replay reaches every entry point through its own table: the program's question is kept as a comment, with
// any character that could end the comment written as '?'.
PROC wglRekorder::wcgmGetProcAddress(const char* file, unsigned line, LPCSTR name)
{
    std::ostream& out = completeOutput();
    out << "// wglGetProcAddress(";
    if (name == nullptr)
        out << "NULL";
    else
        out << '"' << printableName(name) << '"';
    out << ")\n";
    return next().wcgmGetProcAddress(file, line, name);
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

int wglRekorder::wcgmUseFontBitmapsA(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                     DWORD listBase)
{
    writeFontBitmaps<LOGFONTA>(file, line, hdc, first, count, listBase);
    return next().wcgmUseFontBitmapsA(file, line, hdc, first, count, listBase);
}

int wglRekorder::wcgmUseFontBitmapsW(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                     DWORD listBase)
{
    writeFontBitmaps<LOGFONTW>(file, line, hdc, first, count, listBase);
    return next().wcgmUseFontBitmapsW(file, line, hdc, first, count, listBase);
}

int wglRekorder::wcgmSwapBuffers(const char* file, unsigned line, HDC hdc)
{
    std::ostream& out = output();
    out << "GLRekorderSwapBuffers(" << dc(hdc);
    endStatement(out, file, line);
    return next().wcgmSwapBuffers(file, line, hdc);
}

int wglRekorder::wcgmUseFontOutlinesA(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                      DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                                      LPGLYPHMETRICSFLOAT lpgmf)
{
    writeFontOutlines<LOGFONTA>(file, line, hdc, first, count, listBase, deviation, extrusion, format, lpgmf);
    return next().wcgmUseFontOutlinesA(file, line, hdc, first, count, listBase, deviation, extrusion, format, lpgmf);
}

int wglRekorder::wcgmUseFontOutlinesW(const char* file, unsigned line, HDC hdc, DWORD first, DWORD count,
                                      DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                                      LPGLYPHMETRICSFLOAT lpgmf)
{
    writeFontOutlines<LOGFONTW>(file, line, hdc, first, count, listBase, deviation, extrusion, format, lpgmf);
    return next().wcgmUseFontOutlinesW(file, line, hdc, first, count, listBase, deviation, extrusion, format, lpgmf);
}

int wglRekorder::wcgmDescribeLayerPlane(const char* file, unsigned line, HDC hdc, int pixelFormat, int layerPlane,
                                        UINT nBytes, LPLAYERPLANEDESCRIPTOR plpd)
{
    writeLayerPlaneCall("wglDescribeLayerPlane", file, line);
    return next().wcgmDescribeLayerPlane(file, line, hdc, pixelFormat, layerPlane, nBytes, plpd);
}

int wglRekorder::wcgmSetLayerPaletteEntries(const char* file, unsigned line, HDC hdc, int layerPlane, int start,
                                            int entries, const COLORREF* pcr)
{
    writeLayerPlaneCall("wglSetLayerPaletteEntries", file, line);
    return next().wcgmSetLayerPaletteEntries(file, line, hdc, layerPlane, start, entries, pcr);
}

int wglRekorder::wcgmGetLayerPaletteEntries(const char* file, unsigned line, HDC hdc, int layerPlane, int start,
                                            int entries, COLORREF* pcr)
{
    writeLayerPlaneCall("wglGetLayerPaletteEntries", file, line);
    return next().wcgmGetLayerPaletteEntries(file, line, hdc, layerPlane, start, entries, pcr);
}

int wglRekorder::wcgmRealizeLayerPalette(const char* file, unsigned line, HDC hdc, int layerPlane, int realize)
{
    writeLayerPlaneCall("wglRealizeLayerPalette", file, line);
    return next().wcgmRealizeLayerPalette(file, line, hdc, layerPlane, realize);
}

int wglRekorder::wcgmSwapLayerBuffers(const char* file, unsigned line, HDC hdc, UINT planes)
{
    std::ostream& out = output();
    out << "wglSwapLayerBuffers(" << dc(hdc) << ", " << planes;
    endStatement(out, file, line);
    return next().wcgmSwapLayerBuffers(file, line, hdc, planes);
}

// One swap per buffer, each with the replay's frame hook, in the order given.
DWORD wglRekorder::wcgmSwapMultipleBuffers(const char* file, unsigned line, UINT count, const WGLSWAP* swaps)
{
    std::ostream& out = completeOutput();
    for (UINT i = 0; swaps != nullptr && i < count; ++i) {
        out << "GLRekorderSwapBuffers(" << dc(swaps[i].hdc);
        endStatement(out, file, line);
    }
    return next().wcgmSwapMultipleBuffers(file, line, count, swaps);
}

}}
