#pragma once

// The routing that every generated entry (qel_glBegin(file, line, ...)) and interception function
// (qel_hook_glBegin(...)) shares: through the chain with the caller's file and line or call site, with errors
// handed to the session's policy, or straight to the system's driver.

#include <type_traits>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/OpenGLErrorChecker.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"
#include "qel_ogl/intercept/CallSites.h"
#include "qel_ogl/intercept/InterceptionSession.h"
#include "qel_ogl/intercept/SystemDriver.h"

#if defined(_MSC_VER)
#  include <intrin.h>
#  define QEL_RETURN_ADDRESS() _ReturnAddress()
#else
#  define QEL_RETURN_ADDRESS() __builtin_return_address(0)
#endif

namespace QEL { namespace OGL {

// The call made straight to the system's driver; zero when the driver lacks the function (reported once).
template <class Result, class... Parameters>
Result callDriver(InterceptOp op, Parameters... arguments)
{
    using Function = Result (QEL_APIENTRY*)(Parameters...);
    const auto function = reinterpret_cast<Function>(SystemDriver::entry(op));
    if (function == nullptr)
        return Result();
    return function(arguments...);
}

// The answer of a call whose error went to the policy: the driver's result when the checker kept one.
template <class Result>
Result failedResult(bool keptByChecker)
{
    if constexpr (std::is_void_v<Result>)
        return;
    else
        return keptByChecker ? OpenGLErrorChecker::keptResult<Result>() : Result();
}

template <class Chain, class Result, class... Parameters, class... Arguments>
Result throughChain(InterceptOp op, Result (Chain::*operation)(const char*, unsigned, Parameters...),
                    const char* file, unsigned line, Arguments... arguments)
{
    const InterceptionSession::ChainCall call;
    try {
        return (Chain::Instance()->*operation)(file, line, arguments...);
    } catch (...) {
        InterceptionSession::callFailed(op, file, line);
        return failedResult<Result>(std::is_same_v<Chain, OpenGLInterceptor>);
    }
}

template <class Result, class... Parameters, class... Arguments>
Result enterGL(InterceptOp op, Result (OpenGLInterceptor::*operation)(const char*, unsigned, Parameters...),
               const char* file, unsigned line, Arguments... arguments)
{
    if (!InterceptionSession::routesGL(op))
        return callDriver<Result, Parameters...>(op, arguments...);
    return throughChain(op, operation, file, line, arguments...);
}

template <class Result, class... Parameters, class... Arguments>
Result hookGL(InterceptOp op, Result (OpenGLInterceptor::*operation)(const char*, unsigned, Parameters...),
              const void* returnAddress, Arguments... arguments)
{
    if (!InterceptionSession::routesGL(op) || CallSites::isLibraryModule(returnAddress))
        return callDriver<Result, Parameters...>(op, arguments...);
    return throughChain(op, operation, CallSites::name(returnAddress), 0, arguments...);
}

template <class Result, class... Parameters, class... Arguments>
Result enterWGL(InterceptOp op, Result (wglInterceptor::*operation)(const char*, unsigned, Parameters...),
                const char* file, unsigned line, Arguments... arguments)
{
    if (!InterceptionSession::routesWGL(op))
        return callDriver<Result, Parameters...>(op, arguments...);
    return throughChain(op, operation, file, line, arguments...);
}

// straight is the driver's function for a call that does not go through the chain: the operation's own, but
// the system's wglSwapBuffers for the chain's SwapBuffers reached from GDI.
template <class Result, class... Parameters, class... Arguments>
Result hookWGL(InterceptOp straight, Result (wglInterceptor::*operation)(const char*, unsigned, Parameters...),
               const void* returnAddress, Arguments... arguments)
{
    if (!InterceptionSession::routesWGL(straight) || CallSites::isLibraryModule(returnAddress))
        return callDriver<Result, Parameters...>(straight, arguments...);
    return throughChain(straight, operation, CallSites::name(returnAddress), 0, arguments...);
}

}}
