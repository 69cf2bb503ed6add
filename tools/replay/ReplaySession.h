#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "HiddenContext.h"

// Translates the device and rendering contexts of a recording into the replay's own. The replay's window and
// its own context there stand for the application's context that was current when recording started.
// Every other recorded device context gets a window of the same size, and every recorded rendering context
// the oldest context that the recorded text created and no recorded context has taken yet (the replay's own
// context when there is none). Contexts made here are deleted with the session.
class ReplaySession
{
public:
    using FrameHook = std::function<void()>;

    // Makes the replay's window of the given size and its own context there, current. deviceContexts is the
    // map that the recorded text reads (hdc_map_). Every window of the session takes a pixel format with the
    // given bits (the recording's), or the standard one. Throws std::runtime_error when either cannot be made.
    ReplaySession(std::map<HDC, HDC>& deviceContexts, int width, int height,
                  const std::optional<PixelBits>& bits = std::nullopt);
    ~ReplaySession();

    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    HDC ownDeviceContext() const;
    HGLRC ownContext() const;

    // Runs in each buffer swap before the buffers change, while the swapped window's context is current.
    void setFrameHook(FrameHook hook);

    void addApplicationDC(HDC recorded);
    void createWindow(HDC recorded);
    HGLRC createContext(HDC ours);
    HGLRC createLayerContext(HDC recorded, int layerPlane);
    BOOL makeCurrent(HDC recordedDC, HGLRC recordedRC);
    BOOL deleteContext(HGLRC recorded);
    BOOL shareLists(HGLRC recordedFirst, HGLRC recordedSecond);
    BOOL copyContext(HGLRC recordedSource, HGLRC recordedDestination, UINT mask);
    BOOL swapBuffers(HDC recorded);
    BOOL swapLayerBuffers(HDC recorded, UINT planes);

    // The font calls of a recording, with the font that was selected into the recorded device context: made on
    // the replay's device context for the call, then deleted again.
    BOOL useFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTA& font);
    BOOL useFontBitmaps(HDC recorded, DWORD first, DWORD count, DWORD listBase, const LOGFONTW& font);
    BOOL useFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation, FLOAT extrusion,
                         int format, bool metrics, const LOGFONTA& font);
    BOOL useFontOutlines(HDC recorded, DWORD first, DWORD count, DWORD listBase, FLOAT deviation, FLOAT extrusion,
                         int format, bool metrics, const LOGFONTW& font);

private:
    // A device context that no statement introduced gets a window of its own.
    HDC ourDC(HDC recorded);
    HGLRC ourRC(HGLRC recorded);
    // Keeps a context that the recorded text made, for a recorded context to take; answers it.
    HGLRC adopt(HGLRC created);
    void runFrameHook();

    std::map<HDC, HDC>& hdcMap_;
    int nWidth_;
    int nHeight_;
    std::optional<PixelBits> bits_;
    HiddenContext own_;
    std::vector<std::unique_ptr<GLWindow>> windows_;
    // Made by the recorded text and not deleted yet; the unclaimed ones oldest first.
    std::vector<HGLRC> created_;
    std::deque<HGLRC> unclaimed_;
    std::map<HGLRC, HGLRC> rcMap_;
    FrameHook frameHook_;
};
