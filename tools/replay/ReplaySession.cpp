#include "tools/replay/ReplaySession.h"

#include <algorithm>
#include <utility>

ReplaySession::ReplaySession(std::map<HDC, HDC>& deviceContexts, int width, int height,
                             const std::optional<PixelBits>& bits)
    : hdcMap_(deviceContexts), nWidth_(width), nHeight_(height), bits_(bits),
      own_(width, height, GLWindow::SHOWN, bits)
{
}

// Nothing is left current: the contexts and windows of the session go with it, its own context last.
ReplaySession::~ReplaySession()
{
    wglMakeCurrent(nullptr, nullptr);
    for (HGLRC context : created_)
        wglDeleteContext(context);
}

HDC ReplaySession::ownDeviceContext() const
{
    return own_.deviceContext();
}

HGLRC ReplaySession::ownContext() const
{
    return own_.context();
}

void ReplaySession::setFrameHook(FrameHook hook)
{
    frameHook_ = std::move(hook);
}

void ReplaySession::addApplicationDC(HDC recorded)
{
    hdcMap_[recorded] = own_.deviceContext();
}

void ReplaySession::createWindow(HDC recorded)
{
    if (hdcMap_.count(recorded) != 0)
        return;
    windows_.push_back(std::make_unique<GLWindow>(nWidth_, nHeight_, GLWindow::SHOWN, bits_));
    hdcMap_[recorded] = windows_.back()->deviceContext();
}

HGLRC ReplaySession::createContext(HDC ours)
{
    return adopt(wglCreateContext(ours));
}

HGLRC ReplaySession::createLayerContext(HDC recorded, int layerPlane)
{
    return adopt(wglCreateLayerContext(ourDC(recorded), layerPlane));
}

BOOL ReplaySession::makeCurrent(HDC recordedDC, HGLRC recordedRC)
{
    return wglMakeCurrent(ourDC(recordedDC), ourRC(recordedRC));
}

// The replay's own context stays: the session deletes it at its end.
BOOL ReplaySession::deleteContext(HGLRC recorded)
{
    const auto found = rcMap_.find(recorded);
    if (found == rcMap_.end())
        return FALSE;
    const HGLRC ours = found->second;
    rcMap_.erase(found);
    if (ours == own_.context())
        return TRUE;
    created_.erase(std::find(created_.begin(), created_.end(), ours));
    return wglDeleteContext(ours);
}

BOOL ReplaySession::shareLists(HGLRC recordedFirst, HGLRC recordedSecond)
{
    return wglShareLists(ourRC(recordedFirst), ourRC(recordedSecond));
}

BOOL ReplaySession::copyContext(HGLRC recordedSource, HGLRC recordedDestination, UINT mask)
{
    return wglCopyContext(ourRC(recordedSource), ourRC(recordedDestination), mask);
}

BOOL ReplaySession::swapBuffers(HDC recorded)
{
    const HDC ours = ourDC(recorded);
    runFrameHook();
    return SwapBuffers(ours);
}

BOOL ReplaySession::swapLayerBuffers(HDC recorded, UINT planes)
{
    const HDC ours = ourDC(recorded);
    runFrameHook();
    return wglSwapLayerBuffers(ours, planes);
}

namespace {

HFONT createFont(const LOGFONTA& font)
{
    return CreateFontIndirectA(&font);
}

HFONT createFont(const LOGFONTW& font)
{
    return CreateFontIndirectW(&font);
}

// Runs call with the font selected into the device context, which keeps its own font afterwards.
template <class Font, class Call>
BOOL withFont(HDC dc, const Font& font, Call call)
{
    const HFONT created = createFont(font);
    const HGDIOBJ previous = SelectObject(dc, created);
    const BOOL result = call();
    SelectObject(dc, previous);
    DeleteObject(created);
    return result;
}

BOOL useFontBitmaps(HDC dc, DWORD first, DWORD count, DWORD listBase, const LOGFONTA&)
{
    return wglUseFontBitmapsA(dc, first, count, listBase);
}

BOOL useFontBitmaps(HDC dc, DWORD first, DWORD count, DWORD listBase, const LOGFONTW&)
{
    return wglUseFontBitmapsW(dc, first, count, listBase);
}

BOOL useFontOutlines(HDC dc, DWORD first, DWORD count, DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                     GLYPHMETRICSFLOAT* metrics, const LOGFONTA&)
{
    return wglUseFontOutlinesA(dc, first, count, listBase, deviation, extrusion, format, metrics);
}

BOOL useFontOutlines(HDC dc, DWORD first, DWORD count, DWORD listBase, FLOAT deviation, FLOAT extrusion, int format,
                     GLYPHMETRICSFLOAT* metrics, const LOGFONTW&)
{
    return wglUseFontOutlinesW(dc, first, count, listBase, deviation, extrusion, format, metrics);
}

template <class Font>
BOOL replayFontBitmaps(HDC dc, DWORD first, DWORD count, DWORD listBase, const Font& font)
{
    return withFont(dc, font, [&] { return useFontBitmaps(dc, first, count, listBase, font); });
}

// The metrics that the call writes land in a scratch array, as they did in the program's own.
template <class Font>
BOOL replayFontOutlines(HDC dc, DWORD first, DWORD count, DWORD listBase, FLOAT deviation, FLOAT extrusion,
                        int format, bool metrics, const Font& font)
{
    std::vector<GLYPHMETRICSFLOAT> written(metrics ? count : 0);
    return withFont(dc, font, [&] {
        return useFontOutlines(dc, first, count, listBase, deviation, extrusion, format,
                               metrics ? written.data() : nullptr, font);
    });
}

}

BOOL ReplaySession::useFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTA& font)
{
    return replayFontBitmaps(ourDC(recorded), first, count, listBase, font);
}

BOOL ReplaySession::useFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTW& font)
{
    return replayFontBitmaps(ourDC(recorded), first, count, listBase, font);
}

BOOL ReplaySession::useFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                                    FLOAT extrusion, int format, bool metrics, const LOGFONTA& font)
{
    return replayFontOutlines(ourDC(recorded), first, count, listBase, deviation, extrusion, format, metrics, font);
}

BOOL ReplaySession::useFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                                    FLOAT extrusion, int format, bool metrics, const LOGFONTW& font)
{
    return replayFontOutlines(ourDC(recorded), first, count, listBase, deviation, extrusion, format, metrics, font);
}

HDC ReplaySession::ourDC(HDC recorded)
{
    if (recorded == nullptr)
        return nullptr;
    createWindow(recorded);
    return hdcMap_[recorded];
}

HGLRC ReplaySession::ourRC(HGLRC recorded)
{
    if (recorded == nullptr)
        return nullptr;
    const auto found = rcMap_.find(recorded);
    if (found != rcMap_.end())
        return found->second;
    HGLRC ours = own_.context();
    if (!unclaimed_.empty())
    {
        ours = unclaimed_.front();
        unclaimed_.pop_front();
    }
    rcMap_[recorded] = ours;
    return ours;
}

HGLRC ReplaySession::adopt(HGLRC created)
{
    if (created != nullptr)
    {
        created_.push_back(created);
        unclaimed_.push_back(created);
    }
    return created;
}

void ReplaySession::runFrameHook()
{
    if (frameHook_)
        frameHook_();
}
