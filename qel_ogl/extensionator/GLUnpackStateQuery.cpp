#include "qel_ogl/extensionator/GLUnpackStateQuery.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#  include <windows.h>
#endif
#include <GL/gl.h>

namespace QEL { namespace OGL {

namespace {

// Newer than the GL 1.1 header: version 2.1 and ARB/EXT_pixel_buffer_object; version 1.2; version 1.5 and
// ARB_vertex_buffer_object.
const GLenum kPixelUnpackBufferBinding = 0x88EF;
const GLenum kUnpackSkipImages = 0x806D;
const GLenum kUnpackImageHeight = 0x806E;
const GLenum kArrayBuffer = 0x8892;
const GLenum kArrayBufferBinding = 0x8894;
const GLenum kElementArrayBufferBinding = 0x8895;
const GLenum kBufferSize = 0x8764;

typedef void(APIENTRY* GetBufferParameterivProc)(GLenum target, GLenum pname, GLint* params);
typedef void(APIENTRY* GetBufferSubDataProc)(GLenum target, std::ptrdiff_t offset, std::ptrdiff_t size,
                                             void* data);

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

// The driver's entry point of version 1.5, or else of the vertex buffer object extension; null without
// either. Asked for at each use: the buffer queries are rare (a mapped buffer, indices in a buffer).
template <class Proc>
Proc bufferEntryPoint(const char* name, const char* extensionName)
{
    PROC entry = wglGetProcAddress(name);
    if (entry == nullptr)
        entry = wglGetProcAddress(extensionName);
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(entry));
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

PointerReadState GLUnpackStateQuery::pointerReadState() const
{
    PointerReadState state;
    state.unpack = current();
    if (isAtLeast(1, 2)) {
        state.unpack.imageHeight = integer(kUnpackImageHeight);
        state.unpack.skipImages = integer(kUnpackSkipImages);
    }
    if (hasVertexBuffers()) {
        state.arrayBufferBound = integer(kArrayBufferBinding) != 0;
        state.elementArrayBufferBound = integer(kElementArrayBufferBinding) != 0;
    }
    return state;
}

// Only the vertex-array binding is asked for: a replay puts it back around the client arrays it points.
GLuint GLUnpackStateQuery::bufferBinding(GLenum target) const
{
    return target == kArrayBuffer && hasVertexBuffers() ? static_cast<GLuint>(integer(kArrayBufferBinding)) : 0;
}

std::int64_t GLUnpackStateQuery::bufferBytes(GLenum target) const
{
    const auto getBufferParameteriv =
        bufferEntryPoint<GetBufferParameterivProc>("glGetBufferParameteriv", "glGetBufferParameterivARB");
    if (getBufferParameteriv == nullptr)
        return -1;
    GLint size = -1;
    getBufferParameteriv(target, kBufferSize, &size);
    return size;
}

bool GLUnpackStateQuery::readBuffer(GLenum target, std::int64_t offset, std::int64_t bytes,
                                    void* destination) const
{
    const auto getBufferSubData = bufferEntryPoint<GetBufferSubDataProc>("glGetBufferSubData",
                                                                         "glGetBufferSubDataARB");
    if (getBufferSubData == nullptr)
        return false;
    getBufferSubData(target, static_cast<std::ptrdiff_t>(offset), static_cast<std::ptrdiff_t>(bytes), destination);
    return true;
}

bool GLUnpackStateQuery::hasPixelBuffers()
{
    if (isAtLeast(2, 1))
        return true;
    const char* extensions = text(GL_EXTENSIONS);
    return containsWord(extensions, "GL_ARB_pixel_buffer_object") ||
           containsWord(extensions, "GL_EXT_pixel_buffer_object");
}

bool GLUnpackStateQuery::hasVertexBuffers()
{
    return isAtLeast(1, 5) || containsWord(text(GL_EXTENSIONS), "GL_ARB_vertex_buffer_object");
}

bool GLUnpackStateQuery::isAtLeast(int major, int minor)
{
    int actualMajor = 0;
    int actualMinor = 0;
    return std::sscanf(text(GL_VERSION), "%d.%d", &actualMajor, &actualMinor) == 2 &&
           (actualMajor > major || (actualMajor == major && actualMinor >= minor));
}

}}
