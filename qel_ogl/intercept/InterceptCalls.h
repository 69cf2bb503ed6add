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

// Whether a call of the chain goes through it now (the session's rule for that chain).
inline bool routes(const OpenGLInterceptor*, InterceptOp op)
{
    return InterceptionSession::routesGL(op);
}

inline bool routes(const wglInterceptor*, InterceptOp op)
{
    return InterceptionSession::routesWGL(op);
}

// A call of a source file that names its file and line.
template <class Chain, class Result, class... Parameters, class... Arguments>
Result enter(InterceptOp op, Result (Chain::*operation)(const char*, unsigned, Parameters...), const char* file,
             unsigned line, Arguments... arguments)
{
    if (!routes(static_cast<Chain*>(nullptr), op))
        return callDriver<Result, Parameters...>(op, arguments...);
    return throughChain(op, operation, file, line, arguments...);
}

// A call that arrives without a source file, named by its return address. straight is the driver's function
// for a call that does not go through the chain: the operation's own, but the system's wglSwapBuffers for the
// chain's SwapBuffers reached from GDI.
template <class Chain, class Result, class... Parameters, class... Arguments>
Result hook(InterceptOp straight, Result (Chain::*operation)(const char*, unsigned, Parameters...),
            const void* returnAddress, Arguments... arguments)
{
    if (!routes(static_cast<Chain*>(nullptr), straight) || CallSites::isLibraryModule(returnAddress))
        return callDriver<Result, Parameters...>(straight, arguments...);
    return throughChain(straight, operation, CallSites::name(returnAddress), 0, arguments...);
}

}}
