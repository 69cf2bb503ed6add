#include "tools/replay/GLRekorderReplay.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "tools/replay/ReplaySession.h"
#include "tools/replay/UnsupportedCalls.h"

std::istream* pBinaryInputStream = nullptr;
std::map<HDC, HDC> hdc_map_;
HDC hDC_Ours = nullptr;

namespace {

ReplaySession* pSession = nullptr;

ReplaySession& session()
{
    if (pSession == nullptr)
        throw std::logic_error("Recorded window-system statements run outside a replay session");
    return *pSession;
}

}

float makeFloat(int bits)
{
    const std::int32_t pattern = bits;
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
}

void OpenGLRekorderUnsupported(const char* text)
{
    unsupportedCalls().add(text);
}

UnsupportedCalls& unsupportedCalls()
{
    static UnsupportedCalls calls(std::cerr);
    return calls;
}

void addCurrentAppDC(HDC recorded)
{
    session().addApplicationDC(recorded);
}

void GLRekorderCreateWindow(HDC recorded)
{
    session().createWindow(recorded);
}

BOOL GLRekorderMakeCurrent(HDC recordedDC, HGLRC recordedRC)
{
    return session().makeCurrent(recordedDC, recordedRC);
}

BOOL GLRekorderSwapBuffers(HDC recorded)
{
    return session().swapBuffers(recorded);
}

BOOL GLRekorderSwapLayerBuffers(HDC recorded, UINT planes)
{
    return session().swapLayerBuffers(recorded, planes);
}

BOOL GLRekorderUseFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTA& font)
{
    return session().useFontBitmaps(recorded, first, count, listBase, font);
}

BOOL GLRekorderUseFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTW& font)
{
    return session().useFontBitmaps(recorded, first, count, listBase, font);
}

BOOL GLRekorderUseFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                               FLOAT extrusion, int format, bool metrics, const LOGFONTA& font)
{
    return session().useFontOutlines(recorded, first, count, listBase, deviation, extrusion, format, metrics, font);
}

BOOL GLRekorderUseFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                               FLOAT extrusion, int format, bool metrics, const LOGFONTW& font)
{
    return session().useFontOutlines(recorded, first, count, listBase, deviation, extrusion, format, metrics, font);
}

HGLRC GLRekorderCreateContext(HDC ours)
{
    return session().createContext(ours);
}

HGLRC GLRekorderCreateLayerContext(HDC recorded, int layerPlane)
{
    return session().createLayerContext(recorded, layerPlane);
}

BOOL GLRekorderDeleteContext(HGLRC recorded)
{
    return session().deleteContext(recorded);
}

BOOL GLRekorderShareLists(HGLRC recordedFirst, HGLRC recordedSecond)
{
    return session().shareLists(recordedFirst, recordedSecond);
}

BOOL GLRekorderCopyContext(HGLRC recordedSource, HGLRC recordedDestination, UINT mask)
{
    return session().copyContext(recordedSource, recordedDestination, mask);
}

void setReplaySession(ReplaySession* session)
{
    pSession = session;
}
