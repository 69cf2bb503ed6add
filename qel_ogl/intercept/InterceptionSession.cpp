#include "qel_ogl/intercept/InterceptionSession.h"

#include <exception>
#include <mutex>

#include "qel_core/LogicalException.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/extensionator/OpenGLErrorChecker.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"
#include "qel_ogl/extensionator/OpenGLTracer.h"
#include "qel_ogl/extensionator/windows/RecordingFolder.h"
#include "qel_ogl/extensionator/windows/wglRekorder.h"
#include "qel_ogl/intercept/FrameCapture.h"
#include "qel_ogl/intercept/InterceptLog.h"
#include "qel_ogl/intercept/InterceptOpTable.h"
#include "qel_ogl/intercept/SessionWglDecorator.h"
#include "qel_ogl/intercept/SystemDriver.h"
#include "qel_ogl/ogl/ContextWrapped.h"

namespace QEL { namespace OGL {

std::atomic<bool> InterceptionSession::gStarted_{false};
std::atomic<bool> InterceptionSession::gGLRouted_{false};
std::atomic<bool> InterceptionSession::gFinished_{false};
std::atomic<bool> InterceptionSession::gInsideChain_{false};
std::atomic<DWORD> InterceptionSession::gOwnerThread_{0};

namespace {

std::atomic<QelErrorPolicy> gPolicy{QEL_ERROR_REPORT};
std::atomic<bool> gPolicySetByHost{false};

// Counted on the owning thread only.
unsigned long long gCallsSeen = 0;
unsigned long long gErrorsReported = 0;

// The recording being written, and the calls recorded since its text began its current part; a long frame
// begins a new part after this many calls.
RecordingFolder* gPartedRecording = nullptr;
unsigned gCallsInPart = 0;
const unsigned kCallsPerPart = 2000;

// Calls from other threads: counted, and each kind marked once in a recording by the owning thread.
enum ForeignMark : unsigned char { NOT_SEEN, SEEN, MARKED };
std::atomic<unsigned long long> gForeignCalls{0};
std::atomic<unsigned char> gForeignKinds[kInterceptOpCount];
std::atomic<bool> gForeignPending{false};

std::once_flag gStartFlag;

// The text of the exception being handled.
std::string currentFailureText()
{
    try {
        throw;
    } catch (const LogicalException& e) {
        return e.text();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "an exception that is not the library's";
    }
}

std::string notCapturedLine(const std::string& name, const char* reason)
{
    return "OpenGLRekorderUnsupported(\"" + name + " " + reason + "\");\n";
}

}

InterceptionSession::ChainCall::ChainCall()
{
    OpenGLErrorChecker::forgetResult();
    gInsideChain_.store(true, std::memory_order_relaxed);
    ++gCallsSeen;
}

// After a whole call both recorders have written whole statements: a part may begin.
InterceptionSession::ChainCall::~ChainCall()
{
    gInsideChain_.store(false, std::memory_order_relaxed);
    if (gPartedRecording != nullptr && ++gCallsInPart >= kCallsPerPart)
        beginRecordingPart();
}

InterceptionSession& InterceptionSession::instance()
{
    static InterceptionSession session;
    return session;
}

void InterceptionSession::startOnce()
{
    std::call_once(gStartFlag, [] {
        instance().start();
        gStarted_.store(true, std::memory_order_release);
    });
}

void InterceptionSession::start()
{
    settings_ = SessionSettings::fromEnvironment();
    openLog(settings_.logPath);
    for (const std::string& text : settings_.problems)
        problem(text);
    if (settings_.hasErrorPolicy && !gPolicySetByHost)
        gPolicy = settings_.errorPolicy;
    if (!settings_.tracePath.empty())
        startTrace(settings_.tracePath);
    if (!settings_.snapshotPrefix.empty())
        pSnapshots_ = std::make_unique<FrameCapture>(settings_.snapshotPrefix, 0, 0);
    pWglDecorator_ = std::make_unique<SessionWglDecorator>(*this);
    wglInterceptor::Instance()->addInterceptor(pWglDecorator_.get());
}

void InterceptionSession::openLog(const std::string& path)
{
    if (path.empty())
        return;
    pLog_ = std::fopen(path.c_str(), "w");
    if (pLog_ == nullptr) {
        problem("cannot write the log " + path + "; reports go to standard error");
        return;
    }
    InterceptLog::setFile(pLog_);
}

void InterceptionSession::startTrace(const std::string& path)
{
    trace_.open(path);
    if (!trace_) {
        problem("cannot write the trace " + path + "; calls are not traced");
        return;
    }
    pTracer_ = std::make_unique<OpenGLTracer>(trace_);
    OpenGLInterceptor::Instance()->addInterceptor(pTracer_.get());
    filesWritten_.push_back(path);
}

// Both recorders write into one text stream, so that GL and WGL statements stay in call order. Both record
// every call in their complete form; the session's decorator stays on top of the WGL recorder, so that it sees
// the program's calls first.
void InterceptionSession::startRecording(HDC hdc)
{
    try {
        pRecording_ = std::make_unique<RecordingFolder>(settings_.recordFolder, RecordingFolder::windowOf(hdc));
    } catch (...) {
        problem(currentFailureText() + "; calls are not recorded");
        settings_.recordFolder.clear();
        return;
    }
    filesWritten_.insert(filesWritten_.end(),
                         {pRecording_->textPath(), pRecording_->dataPath(), pRecording_->buildFilePath()});
    pGLRecorder_ = std::make_unique<OpenGLRekorder>(pRecording_->text(), pRecording_->data(), nullptr, true);
    pGLRecorder_->setComplete(true);
    pGLRecorder_->contextMadeCurrent(wglGetCurrentContext());
    OpenGLInterceptor::Instance()->addInterceptor(pGLRecorder_.get());
    wglInterceptor::Instance()->popInterceptor();
    pWglRecorder_ = std::make_unique<wglRekorder>(pRecording_->text(), pRecording_->data(), hdc, nullptr, true);
    pWglRecorder_->setComplete(true);
    wglInterceptor::Instance()->addInterceptor(pWglRecorder_.get());
    wglInterceptor::Instance()->addInterceptor(pWglDecorator_.get());
    gPartedRecording = pRecording_.get();
}

void InterceptionSession::beginRecordingPart()
{
    gPartedRecording->beginPart();
    gCallsInPart = 0;
}

void InterceptionSession::contextMadeCurrent(HDC hdc, HGLRC hglrc)
{
    if (hglrc == nullptr || gFinished_)
        return;
    if (pGLRecorder_ != nullptr)
        pGLRecorder_->contextMadeCurrent(hglrc);
    if (Library::isExtensionatorInitialized()) {
        // A host turned the library on itself: the session routes, and leaves turning it off to the host.
        if (pContext_ == nullptr && !gGLRouted_) {
            gOwnerThread_ = GetCurrentThreadId();
            gGLRouted_ = true;
        }
        return;
    }
    try {
        auto context = std::make_unique<ContextWrapped>(hdc, hglrc);
        Library::initializeExtensionator(context.get(), ExtensionManager::InitOptions());
        pContext_ = std::move(context);
    } catch (...) {
        if (!bReportedFailedStart_)
            problem("the library could not be turned on for the program's context: " + currentFailureText());
        bReportedFailedStart_ = true;
        return;
    }
    gOwnerThread_ = GetCurrentThreadId();
    if (!settings_.recordFolder.empty() && pGLRecorder_ == nullptr)
        startRecording(hdc);
    gGLRouted_ = true;
}

void InterceptionSession::contextDeleting(HGLRC hglrc)
{
    if (pContext_ != nullptr && pContext_->renderContext() == hglrc)
        turnLibraryOff();
}

// A program that makes its real context current before it deletes a throw-away one keeps drawing with the
// context that is current now: the library goes on for that one.
void InterceptionSession::contextDeleted()
{
    const HGLRC current = wglGetCurrentContext();
    if (current != nullptr && pContext_ == nullptr)
        contextMadeCurrent(wglGetCurrentDC(), current);
}

void InterceptionSession::turnLibraryOff()
{
    gGLRouted_ = false;
    try {
        Library::terminateExtensionator();
    } catch (...) {
        problem("the library could not be turned off: " + currentFailureText());
    }
    pContext_.reset();
}

PROC InterceptionSession::procAddress(LPCSTR name, PROC driverAnswer)
{
    const InterceptOpEntry* entry = findInterceptOp(name);
    if (entry == nullptr || entry->hook == nullptr || driverAnswer == nullptr)
        return driverAnswer;
    SystemDriver::remember(static_cast<InterceptOp>(entry - kInterceptOps), driverAnswer);
    return reinterpret_cast<PROC>(entry->hook);
}

void InterceptionSession::beforeSwap(HDC hdc)
{
    if (!gGLRouted_ || pSnapshots_ == nullptr)
        return;
    RECT client{};
    GetClientRect(WindowFromDC(hdc), &client);
    try {
        pSnapshots_->capture(client.right - client.left, client.bottom - client.top);
        ++nSnapshots_;
    } catch (const std::exception& e) {
        problem(std::string(e.what()) + "; frames are not saved");
        pSnapshots_.reset();
    }
}

void InterceptionSession::afterSwap()
{
    if (!gGLRouted_)
        return;
    ++nFrames_;
    writeForeignCallMarks();
    if (gPartedRecording != nullptr)
        beginRecordingPart();
    if (settings_.frameLimit != 0 && nFrames_ >= settings_.frameLimit)
        finish(false);
}

void InterceptionSession::countForeignCall(InterceptOp op)
{
    gForeignCalls.fetch_add(1, std::memory_order_relaxed);
    std::atomic<unsigned char>& kind = gForeignKinds[static_cast<unsigned>(op)];
    unsigned char expected = NOT_SEEN;
    if (kind.load(std::memory_order_relaxed) == NOT_SEEN && kind.compare_exchange_strong(expected, SEEN))
        gForeignPending = true;
}

void InterceptionSession::writeForeignCallMarks()
{
    if (pGLRecorder_ == nullptr || !gForeignPending.exchange(false))
        return;
    for (unsigned op = 0; op < kInterceptOpCount; ++op) {
        unsigned char expected = SEEN;
        if (gForeignKinds[op].compare_exchange_strong(expected, MARKED))
            pRecording_->text() << notCapturedLine(kInterceptOps[op].name, "called from another thread: not captured");
    }
}

// Takes the session's decorators off both chains, top first, and closes its files; calls pass straight to the
// driver from here on. When the process ends the driver may already be gone, so the library stays as it is.
void InterceptionSession::finish(bool processEnds)
{
    if (gFinished_)
        return;
    gFinished_ = true;
    gGLRouted_ = false;
    gPartedRecording = nullptr;
    writeForeignCallMarks();
    if (pGLRecorder_ != nullptr)
        OpenGLInterceptor::Instance()->popInterceptor();
    if (pTracer_ != nullptr)
        OpenGLInterceptor::Instance()->popInterceptor();
    if (pWglDecorator_ != nullptr)
        wglInterceptor::Instance()->popInterceptor();
    if (pWglRecorder_ != nullptr)
        wglInterceptor::Instance()->popInterceptor();
    trace_.close();
    if (pRecording_ != nullptr)
        pRecording_->close();
    if (!processEnds && pContext_ != nullptr)
        turnLibraryOff();
}

void InterceptionSession::writeSummary()
{
    std::string files;
    for (const std::string& path : filesWritten_)
        files += (files.empty() ? "" : ", ") + path;
    if (nSnapshots_ > 0)
        files += (files.empty() ? "" : ", ") + settings_.snapshotPrefix + "0.rgba to " + settings_.snapshotPrefix
                 + std::to_string(nSnapshots_ - 1) + ".rgba";
    InterceptLog::write("qel_ogl: " + std::to_string(gCallsSeen) + " calls seen, " + std::to_string(gErrorsReported)
                        + " GL errors reported, " + std::to_string(gForeignCalls.load()) + " calls from other threads, "
                        + std::to_string(nFrames_) + " frames, files written: " + (files.empty() ? "none" : files));
}

void InterceptionSession::problem(const std::string& text)
{
    InterceptLog::write("qel_ogl: " + text);
}

void InterceptionSession::callFailed(InterceptOp op, const char* file, unsigned line)
{
    ++gErrorsReported;
    const QelErrorPolicy policy = gPolicy;
    if (policy == QEL_ERROR_THROW)
        throw;
    InterceptLog::write(std::string(file != nullptr ? file : "NULL") + "(" + std::to_string(line) + "): "
                        + interceptOpName(op) + ": " + currentFailureText());
    if (policy == QEL_ERROR_BREAK)
        DebugBreak();
    else if (policy == QEL_ERROR_ABORT)
        ExitProcess(3);
}

void InterceptionSession::setErrorPolicy(QelErrorPolicy policy, bool setByHost)
{
    gPolicy = policy;
    if (setByHost)
        gPolicySetByHost = true;
}

QelErrorPolicy InterceptionSession::errorPolicy()
{
    return gPolicy;
}

// The process ends: the driver may be gone, so only files are touched.
InterceptionSession::~InterceptionSession()
{
    if (!gStarted_)
        return;
    finish(true);
    writeSummary();
    InterceptLog::setFile(nullptr);
    if (pLog_ != nullptr)
        std::fclose(pLog_);
}

}}
