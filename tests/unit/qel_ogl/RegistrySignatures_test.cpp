// Type agreement of the library's headers with the registry's and the system's: every operation and table
// variable, and every function of the interception layer (the C entry with the caller's file and line, and the
// interception function that stands in for the driver's), is checked at compile time against the prototype
// that the Khronos headers or MinGW's gl.h and <windows.h> give its function. A host includes those headers beside the library's, so the typedefs that
// both declare (the GL types, the PFN...PROC types) must name the same types too: including both here is
// part of the check. Building this file is the test.

#include <windows.h>
#include <GL/gl.h>
// From the registry (the include path puts its folder first): MinGW ships an older glext.h and wglext.h.
#include <GL/glext.h>
#include <GL/wglext.h>

#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"
#include "qel_ogl/intercept/generated/InterceptEntries.h"
#include "qel_ogl/intercept/generated/InterceptHooks.h"

#include <gtest/gtest.h>

#include <type_traits>

static_assert(GL_GLEXT_VERSION == QEL_REGISTRY_GL_GLEXT_VERSION, "glext.h is not the registry's");
static_assert(WGL_WGLEXT_VERSION == QEL_REGISTRY_WGL_WGLEXT_VERSION, "wglext.h is not the registry's");

namespace {

// The operation type that corresponds to a GL or WGL function type: the same result and parameters after the
// caller's file and line.
template <class Chain, class Function>
struct Operation;

template <class Chain, class R, class... P>
struct Operation<Chain, R APIENTRY(P...)>
{
    using type = R (Chain::*)(const char*, unsigned, P...);
};

template <class Chain, class R, class... P>
struct Operation<Chain, R (APIENTRY*)(P...)>
{
    using type = R (Chain::*)(const char*, unsigned, P...);
};

template <class Chain, class Function>
using OperationOf = typename Operation<Chain, Function>::type;

// The C entry of the interception layer for a GL or WGL function type: the caller's file and line first.
template <class Function>
struct Entry;

template <class R, class... P>
struct Entry<R APIENTRY(P...)>
{
    using type = R (*)(const char*, unsigned, P...);
};

template <class R, class... P>
struct Entry<R (APIENTRY*)(P...)>
{
    using type = R (*)(const char*, unsigned, P...);
};

template <class Function>
using EntryOf = typename Entry<Function>::type;

}

#define QEL_CHECK_GL11(glName, cgmName) \
    static_assert(std::is_same_v<decltype(&QEL::OGL::OpenGLInterceptor::cgmName), \
                                 OperationOf<QEL::OGL::OpenGLInterceptor, decltype(::glName)>>, \
        #cgmName " differs from " #glName " of gl.h"); \
    static_assert(std::is_same_v<decltype(&qel_##glName), EntryOf<decltype(::glName)>>, \
        "qel_" #glName " differs from " #glName " of gl.h"); \
    static_assert(std::is_same_v<decltype(&qel_hook_##glName), decltype(&::glName)>, \
        "qel_hook_" #glName " differs from " #glName " of gl.h");

#define QEL_CHECK_GL_TABLE(PFN, variable, cgmName, glName) \
    static_assert(std::is_same_v<decltype(variable), PFN>, #variable " is not a " #PFN); \
    static_assert(std::is_same_v<decltype(&QEL::OGL::OpenGLInterceptor::cgmName), \
                                 OperationOf<QEL::OGL::OpenGLInterceptor, PFN>>, \
        #cgmName " differs from " #PFN); \
    static_assert(std::is_same_v<decltype(&qel_hook_##glName), PFN>, "qel_hook_" #glName " is not a " #PFN); \
    static_assert(std::is_same_v<decltype(&qel_##glName), EntryOf<PFN>>, "qel_" #glName " differs from " #PFN);

#define QEL_CHECK_WGL_TABLE(PFN, variable) \
    static_assert(std::is_same_v<decltype(variable), PFN>, #variable " is not a " #PFN);

#define QEL_CHECK_WGL(wglName, wcgmName) \
    static_assert(std::is_same_v<decltype(&QEL::OGL::wglInterceptor::wcgmName), \
                                 OperationOf<QEL::OGL::wglInterceptor, decltype(::wglName)>>, \
        #wcgmName " differs from " #wglName " of <windows.h>"); \
    static_assert(std::is_same_v<decltype(&qel_##wglName), EntryOf<decltype(::wglName)>>, \
        "qel_" #wglName " differs from " #wglName " of <windows.h>");

#include "tests/unit/generated/RegistrySignatures.inc"

// Names the checks in the test list; they have all passed once this file compiled.
TEST(RegistrySignatures, EveryOperationAndTableVariableAgreesWithTheRegistry)
{
    SUCCEED();
}
