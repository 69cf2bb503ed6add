#pragma once

#include <windows.h>
#include <GL/gl.h>

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/fakegl/driver/CallLog.h"
#include "tests/fakegl/driver/FakeGL.h"

namespace fakegl {

// Everything the stand-in remembers: what the test scripted, and what the calls did since the last reset.
struct DriverState
{
    // The process's one state, which reset() replaces with a default-made one.
    static DriverState& instance();

    // Whether the test scripted this call to fail; if so, that failure is used up and SetLastError is given
    // the scripted code.
    bool fails(Call call);
    // A new context, or null when wglCreateContext is scripted to fail.
    HGLRC createContext();
    // The next name that glGen* and glCreate* hand out.
    GLuint takeName();
    // What the test scripted for the answering stub of that function, 0 when nothing.
    std::uintptr_t answer(const std::string& function) const;

    std::map<GLenum, std::string> strings = {
        {GL_VENDOR, "fakegl"}, {GL_RENDERER, "fakegl stand-in"}, {GL_VERSION, "1.1.0"}, {GL_EXTENSIONS, ""}};
    std::string wglExtensions;
    std::set<std::string> enabledProcs;
    std::deque<GLenum> errors;
    std::map<GLenum, std::vector<GLint>> integers;
    std::map<GLenum, std::vector<GLint>> objectIntegers;
    std::string infoLog;
    std::deque<GLuint> names;
    GLuint nextName = 1;
    // A scripted failure: the call fails once the successes before it are used up.
    struct Failure
    {
        unsigned successes;
        DWORD error;
    };
    std::map<Call, Failure> failures;
    std::map<std::string, std::uintptr_t> answers;

    std::set<HGLRC> contexts;
    std::uintptr_t nextContext = 1;
    HGLRC currentContext = nullptr;
    HDC currentDC = nullptr;
    std::map<HDC, int> pixelFormats;
    std::vector<int> pixelFormatAttributes;

    CallLog log;
};

} // namespace fakegl
