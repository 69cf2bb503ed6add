#pragma once

#include <map>
#include <string>

// The state that the library's classes read, change and put back, as the calling thread sees it: the current
// context and device context, whether the library is on, the windows of the thread, and (while a context is
// current) every buffer, renderbuffer, framebuffer and program binding, the pixel-store values, the attribute
// stack depths, and per texture unit the bound textures, the enabled targets and the environment mode.
class GLState
{
public:
    // Reads without changing anything: the texture units are visited in turn and the active one is put back.
    static GLState read();

    // What a key holds; a test that expects a change writes it into the state it compares with.
    long long& operator[](const std::string& key);

    // One line per key whose values differ ("GL_UNPACK_ALIGNMENT: 4 -> 1"); empty when the states are equal.
    static std::string differences(const GLState& expected, const GLState& actual);

private:
    void readContextState();
    void readTextureUnits();

    std::map<std::string, long long> values_;
};
