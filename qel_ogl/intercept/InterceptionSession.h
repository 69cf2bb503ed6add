#pragma once

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "qel_ogl/intercept/ErrorPolicy.h"
#include "qel_ogl/intercept/SessionSettings.h"
#include "qel_ogl/intercept/generated/InterceptOp.h"

namespace QEL { namespace OGL {

class ContextWrapped;
class FrameCapture;
class OpenGLRekorder;
class OpenGLTracer;
class RecordingFolder;
class SessionWglDecorator;
class wglRekorder;

// The interception session that every call of a whole program shares, whether it comes through the drop-in
// header or the interposer. It starts at the program's first call and takes its settings from the environment.
// It turns the library on for the first context the program makes current, off when that context is deleted,
// and on again for the next one; tracing, recording and the frame count run on across contexts. GL calls go
// through the chain only on the thread that turned the library on, and only while it is on; everything else,
// and every call the library makes itself, goes straight to the driver. When the process ends, the session
// closes its files and writes one summary line to its log.
class InterceptionSession
{
public:
    // Marks the thread as inside the chain for one call, so that the calls the chain makes itself (the error
    // checker's SwapBuffers comes back through GDI) go straight to the driver.
    class ChainCall
    {
    public:
        ChainCall();
        ~ChainCall();
        ChainCall(const ChainCall&) = delete;
        ChainCall& operator=(const ChainCall&) = delete;
    };

    // Whether a GL call of this thread goes through the chain now; counts a call from another thread.
    static bool routesGL(InterceptOp op);
    // The same for a WGL call: before any context is current, the WGL calls of every thread go through it.
    static bool routesWGL(InterceptOp op);

    // Hands the exception being handled for a call to the error policy. Rethrows under QEL_ERROR_THROW.
    static void callFailed(InterceptOp op, const char* file, unsigned line);

    static void setErrorPolicy(QelErrorPolicy policy, bool setByHost);
    static QelErrorPolicy errorPolicy();

    // What the session's WGL decorator tells it about the program's calls.
    void contextMadeCurrent(HDC hdc, HGLRC hglrc);
    void contextDeleting(HGLRC hglrc);
    void contextDeleted();
    PROC procAddress(LPCSTR name, PROC driverAnswer);
    void beforeSwap(HDC hdc);
    void afterSwap();

    static InterceptionSession& instance();

    ~InterceptionSession();

private:
    InterceptionSession() = default;

    void start();
    void openLog(const std::string& path);
    void startTrace(const std::string& path);
    void startRecording(HDC hdc);
    // The recording's text begins its next part (a frame ended, or a frame grew long).
    static void beginRecordingPart();
    void turnLibraryOff();
    void writeForeignCallMarks();
    void finish(bool processEnds);
    void writeSummary();
    void problem(const std::string& text);

    static void startOnce();
    static void countForeignCall(InterceptOp op);

    // Read on every call, from any thread; written by the owning thread (relaxed: each is a flag on its own).
    static std::atomic<bool> gStarted_;
    static std::atomic<bool> gGLRouted_;
    static std::atomic<bool> gFinished_;
    static std::atomic<bool> gInsideChain_;
    static std::atomic<DWORD> gOwnerThread_;

    SessionSettings settings_;
    std::FILE* pLog_ = nullptr;
    std::unique_ptr<SessionWglDecorator> pWglDecorator_;
    std::ofstream trace_;
    std::unique_ptr<OpenGLTracer> pTracer_;
    std::unique_ptr<RecordingFolder> pRecording_;
    std::unique_ptr<OpenGLRekorder> pGLRecorder_;
    std::unique_ptr<wglRekorder> pWglRecorder_;
    std::unique_ptr<ContextWrapped> pContext_;
    bool bReportedFailedStart_ = false;
    std::unique_ptr<FrameCapture> pSnapshots_;
    unsigned long long nFrames_ = 0;
    unsigned long long nSnapshots_ = 0;
    std::vector<std::string> filesWritten_;
};

inline bool InterceptionSession::routesGL(InterceptOp op)
{
    if (!gStarted_.load(std::memory_order_acquire))
        startOnce();
    if (!gGLRouted_.load(std::memory_order_relaxed))
        return false;
    if (GetCurrentThreadId() != gOwnerThread_.load(std::memory_order_relaxed)) {
        countForeignCall(op);
        return false;
    }
    return !gInsideChain_.load(std::memory_order_relaxed);
}

inline bool InterceptionSession::routesWGL(InterceptOp op)
{
    if (!gStarted_.load(std::memory_order_acquire))
        startOnce();
    if (gFinished_.load(std::memory_order_relaxed))
        return false;
    const DWORD owner = gOwnerThread_.load(std::memory_order_relaxed);
    if (owner != 0 && GetCurrentThreadId() != owner) {
        countForeignCall(op);
        return false;
    }
    return !gInsideChain_.load(std::memory_order_relaxed);
}

}}
