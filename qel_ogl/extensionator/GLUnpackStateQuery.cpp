#include "qel_ogl/extensionator/GLUnpackStateQuery.h"

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#  include <windows.h>
#endif
#include <GL/gl.h>

namespace QEL { namespace OGL {

namespace {

// Version 2.1 and ARB/EXT_pixel_buffer_object; not in the GL 1.1 header.
const GLenum kPixelUnpackBufferBinding = 0x88EF;

GLint integer(GLenum pname)
{
    GLint value = 0;
    glGetIntegerv(pname, &value);
    return value;
}

const char* text(GLenum name)
{
    const char* value = reinterpret_cast<const char*>(glGetString(name));
    return value != nullptr ? value : "";
}

// True when the blank-separated list holds the name as a whole word.
bool containsWord(const char* list, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (const char* found = std::strstr(list, name); found != nullptr; found = std::strstr(found + 1, name)) {
        const bool startsWord = found == list || found[-1] == ' ';
        const bool endsWord = found[length] == ' ' || found[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

}

UnpackState GLUnpackStateQuery::current() const
{
    UnpackState state;
    state.alignment = integer(GL_UNPACK_ALIGNMENT);
    state.rowLength = integer(GL_UNPACK_ROW_LENGTH);
    state.skipPixels = integer(GL_UNPACK_SKIP_PIXELS);
    state.skipRows = integer(GL_UNPACK_SKIP_ROWS);
    state.bufferBound = hasPixelBuffers() && integer(kPixelUnpackBufferBinding) != 0;
    return state;
}

bool GLUnpackStateQuery::hasPixelBuffers()
{
    int major = 0;
    int minor = 0;
    if (std::sscanf(text(GL_VERSION), "%d.%d", &major, &minor) == 2 && (major > 2 || (major == 2 && minor >= 1)))
        return true;
    const char* extensions = text(GL_EXTENSIONS);
    return containsWord(extensions, "GL_ARB_pixel_buffer_object") ||
           containsWord(extensions, "GL_EXT_pixel_buffer_object");
}

}}
