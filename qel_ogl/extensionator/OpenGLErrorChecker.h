#pragma once

#include <cstdint>
#include <cstring>

#include "qel_ogl/extensionator/OpenGLInterceptor.h"

namespace QEL { namespace OGL {

// The bottom of the GL chain: makes the real call, then asks glGetError once (never between glBegin and
// glEnd, where GL forbids it) and throws a non-zero code as ExceptionOGL with the caller's file and line.
class QEL_OGL_API OpenGLErrorChecker : public OpenGLInterceptor
{
public:
    OpenGLErrorChecker();
    ~OpenGLErrorChecker() override;

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOverrides.inc"

    // The driver's answer to the last call with a result that a checker made, kept so that a caller who catches
    // the exception thrown for that call still gets what the driver answered (a list base, a shader name).
    // forgetResult() clears it before a call; keptResult() answers a value-initialised result when the call
    // never reached the driver.
    static void forgetResult();
    template <class Result>
    static Result keptResult();

private:
    template <class Result>
    static void keepResult(Result result);

    // Asks glGetError once and throws a non-zero code; never called between glBegin and glEnd.
    void checkError(const char* file, unsigned line) const;

    bool bInBeginEnd_;

    static std::uint64_t gKeptResult_;
    static bool gHasKeptResult_;
};

template <class Result>
void OpenGLErrorChecker::keepResult(Result result)
{
    static_assert(sizeof(Result) <= sizeof(gKeptResult_), "a GL result fits in 64 bits");
    std::memcpy(&gKeptResult_, &result, sizeof(Result));
    gHasKeptResult_ = true;
}

template <class Result>
Result OpenGLErrorChecker::keptResult()
{
    Result result{};
    if (gHasKeptResult_)
        std::memcpy(&result, &gKeptResult_, sizeof(Result));
    return result;
}

}}
