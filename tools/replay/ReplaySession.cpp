#include "tools/replay/ReplaySession.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

ReplaySession::ReplaySession(std::map<HDC, HDC>& deviceContexts, const ReplayWindow& window)
    : hdcMap_(deviceContexts),
      hOwnDC_(window.deviceContext()),
      hOwnRC_(wglCreateContext(window.deviceContext())),
      nWidth_(window.width()),
      nHeight_(window.height())
{
    if (hOwnRC_ == nullptr)
        throw std::runtime_error("wglCreateContext failed, error " + std::to_string(GetLastError()));
    if (!wglMakeCurrent(hOwnDC_, hOwnRC_))
    {
        const DWORD error = GetLastError();
        wglDeleteContext(hOwnRC_);
        throw std::runtime_error("wglMakeCurrent failed, error " + std::to_string(error));
    }
}

// Nothing is left current: the contexts and windows of the session go with it.
ReplaySession::~ReplaySession()
{
    wglMakeCurrent(nullptr, nullptr);
    for (HGLRC context : created_)
        wglDeleteContext(context);
    wglDeleteContext(hOwnRC_);
}

HGLRC ReplaySession::ownContext() const
{
    return hOwnRC_;
}

void ReplaySession::setFrameHook(FrameHook hook)
{
    frameHook_ = std::move(hook);
}

void ReplaySession::addApplicationDC(HDC recorded)
{
    hdcMap_[recorded] = hOwnDC_;
}

void ReplaySession::createWindow(HDC recorded)
{
    if (hdcMap_.count(recorded) != 0)
        return;
    windows_.push_back(std::make_unique<ReplayWindow>(nWidth_, nHeight_));
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
    if (ours == hOwnRC_)
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
    HGLRC ours = hOwnRC_;
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
