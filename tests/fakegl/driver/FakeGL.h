#pragma once

// How a test drives the stand-in opengl32.dll: what its calls answer, which of them fail, and what it was
// asked. Everything scripted holds until reset(); the test program and the driver share one C++ runtime DLL,
// so standard strings and vectors cross between them.

#include <windows.h>
#include <GL/gl.h>

#include <cstdint>
#include <string>
#include <vector>

#if defined(FAKEGL_BUILDING)
#  define FAKEGL_API __declspec(dllexport)
#else
#  define FAKEGL_API __declspec(dllimport)
#endif

namespace fakegl {

// The calls that a test can make fail, each reached directly or through gdi32 (ChoosePixelFormat and kin).
enum class Call
{
    CreateContext,
    MakeCurrent,
    ShareLists,
    ChoosePixelFormat,
    DescribePixelFormat,
    GetPixelFormat,
    SetPixelFormat,
    SwapBuffers,
    DeleteContext,
    ChoosePixelFormatARB,
};

// Back to the defaults: nothing scripted, no contexts, none current, no pixel formats set, an empty log.
FAKEGL_API void reset();

// What glGetString answers for name. GL_VERSION answers "1.1.0" and GL_EXTENSIONS "" by default, GL_VENDOR
// and GL_RENDERER the driver's own names; a name without a value answers null.
FAKEGL_API void setString(GLenum name, const std::string& value);
// Lets glGetString answer null for name, as a driver without a usable context does.
FAKEGL_API void unsetString(GLenum name);
// What wglGetExtensionsStringARB and wglGetExtensionsStringEXT answer (empty by default).
FAKEGL_API void setWglExtensions(const std::string& extensions);

// Lets wglGetProcAddress answer the logging stub of name while a context is current; unknown or not enabled
// names answer null. False when the driver has no stub of that name.
FAKEGL_API bool enableProc(const std::string& name);
// Lets wglGetProcAddress answer null for name again.
FAKEGL_API void disableProc(const std::string& name);

// The codes that glGetError answers, one per call and in this order, before it answers 0 again.
FAKEGL_API void queueErrors(const std::vector<GLenum>& codes);
// What glGetIntegerv writes for pname; a pname never set writes a single 0.
FAKEGL_API void setIntegers(GLenum pname, const std::vector<GLint>& values);
// What glGetShaderiv and glGetProgramiv write for pname, whatever the object; a pname never set writes a single 0.
FAKEGL_API void setObjectIntegers(GLenum pname, const std::vector<GLint>& values);
// The log that glGetShaderInfoLog and glGetProgramInfoLog copy out, whatever the object, as GL does: at most
// bufSize - 1 characters and a terminator. Empty by default.
FAKEGL_API void setInfoLog(const std::string& log);
// The names that glGen* and glCreate* hand out next, 0 included; after them they count on from 1.
FAKEGL_API void queueNames(const std::vector<GLuint>& names);

// What the stubs of glCheckFramebufferStatusEXT, glMapBuffer (a pointer) and glUnmapBuffer answer; 0 until set.
FAKEGL_API void setAnswer(const std::string& function, std::uintptr_t value);

// The next call of that kind fails (only the next one), and GetLastError then answers error.
FAKEGL_API void failNext(Call call, DWORD error);
// The same for the call of that kind that follows the next successes ones, which succeed as usual.
FAKEGL_API void failAfter(Call call, unsigned successes, DWORD error);

// Every call made since the last reset or clearCallLog, one per line ("wglGetProcAddress(glActiveTexture)").
FAKEGL_API std::string callLog();
// How many logged calls have this function name, whatever their detail.
FAKEGL_API unsigned callCount(const std::string& name);
FAKEGL_API void clearCallLog();

// The contexts created and not yet deleted.
FAKEGL_API unsigned contextCount();
// The same contexts, in the order of their creation.
FAKEGL_API std::vector<HGLRC> contexts();

// The integer attributes that wglChoosePixelFormatARB (enabled like any entry point) was given last, through
// their terminating 0; it answers the driver's one format unless scripted to fail, then FALSE.
FAKEGL_API std::vector<int> pixelFormatAttributes();

} // namespace fakegl
