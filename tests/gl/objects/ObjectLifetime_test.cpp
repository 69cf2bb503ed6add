// Many wrappers made and destroyed on a real driver leave neither GL names nor memory behind.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/Texture2.h"

#include <windows.h>
#include <psapi.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <vector>

using QEL::OGL::Buffer;
using QEL::OGL::Texture;
using QEL::OGL::Texture2D;

namespace {

// The process's resident memory, the driver's own allocations included.
std::size_t workingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

struct NamesSeen
{
    std::set<GLuint> textures;
    std::set<GLuint> buffers;
};

// Each texture and buffer has storage of its own (1 KiB and 4 KiB), so a leaked one costs memory that shows.
void makeAndDestroy(int count, NamesSeen& seen)
{
    const std::vector<unsigned char> data(4096, 0x5A);
    for (int index = 0; index < count; ++index) {
        Texture2D texture(Texture::InternalFormat::RGBA8, 16, 16, false);
        Buffer buffer(static_cast<int>(data.size()), Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW, data.data());
        seen.textures.insert(texture.objectID());
        seen.buffers.insert(buffer.objectID());
    }
}

}

using ObjectLifetimeOnMesa = LibraryFixture<GLContextFixture>;

// The warm-up lets the driver and the heap reach their working size; ten thousand more of each may then grow
// the process by far less than the 50 MiB that leaked objects would take.
TEST_F(ObjectLifetimeOnMesa, TenThousandTexturesAndBuffersLeaveNoNameAndNoMemoryBehind)
{
    turnOn();
    NamesSeen seen;
    makeAndDestroy(1000, seen);
    const std::size_t before = workingSet();
    makeAndDestroy(10000, seen);
    const std::size_t after = workingSet();

    for (const GLuint name : seen.textures)
        EXPECT_EQ(GL_FALSE, glIsTexture(name)) << name;
    for (const GLuint name : seen.buffers)
        EXPECT_EQ(GL_FALSE, _cgmIsBuffer(name)) << name;
    EXPECT_LT(after, before + 8u * 1024 * 1024) << "grew from " << before << " to " << after << " bytes";
}
