// Buffer on drivers that Mesa cannot be: without its extensions, without the 1.5 entry points, handing out
// name 0, reporting a lost mapping.

#include "ObjectFaults.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Buffer.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>

using QEL::InternalException;
using QEL::OGL::Buffer;

namespace {

const std::vector<std::string> kBufferExtensions = {"GL_ARB_pixel_buffer_object", "GL_ARB_vertex_buffer_object"};

void expectBufferText(const std::optional<InternalException>& e, const char* text)
{
    ASSERT_TRUE(e.has_value()) << text;
    EXPECT_STREQ("qel_ogl/ogl/Buffer.cpp", e->file());
    EXPECT_STREQ(text, e->text());
}

void makeBuffer(int size = 16, Buffer::Usage usage = Buffer::STATIC_DRAW)
{
    Buffer buffer(size, Buffer::ARRAY_BUFFER, usage, nullptr);
}

}

using BufferFaults = ObjectFaults;

// Both extensions are checked, in order, before anything else; no name is generated.
TEST_F(BufferFaults, EachMissingExtensionIsNamed)
{
    const struct { std::vector<std::string> extensions; const char* text; } cases[] = {
        {{}, "QEL::OGL::ExtensionManager::Instance()->isSupported(GL_ARB_PIXEL_BUFFER_OBJECT)"},
        {{"GL_ARB_vertex_buffer_object"},
         "QEL::OGL::ExtensionManager::Instance()->isSupported(GL_ARB_PIXEL_BUFFER_OBJECT)"},
        {{"GL_ARB_pixel_buffer_object"},
         "QEL::OGL::ExtensionManager::Instance()->isSupported(GL_ARB_VERTEX_BUFFER_OBJECT)"},
    };
    for (const auto& c : cases) {
        turnOnWith("1.5", kVersionsTo15, c.extensions);
        EXPECT_FALSE(Buffer::isSupported());
        expectBufferText(thrownBy<InternalException>([] { makeBuffer(); }), c.text);
        EXPECT_EQ(0u, fakegl::callCount("glGenBuffers"));
        QEL::OGL::Library::terminateExtensionator();
    }
}

TEST_F(BufferFaults, SizeIsCheckedBeforeANameIsGenerated)
{
    turnOnWith("1.5", kVersionsTo15, kBufferExtensions);
    EXPECT_TRUE(Buffer::isSupported());
    for (const int size : {0, -1})
        expectBufferText(thrownBy<InternalException>([size] { makeBuffer(size); }), "Range error: nSize > 0");
    EXPECT_EQ(0u, fakegl::callCount("glGenBuffers"));
}

TEST_F(BufferFaults, NameZeroIsRefused)
{
    turnOnWith("1.5", kVersionsTo15, kBufferExtensions);
    fakegl::queueNames({0});
    expectBufferText(thrownBy<InternalException>([] { makeBuffer(); }), "n_ObjectID != 0");
    EXPECT_EQ(0u, fakegl::callCount("glBufferData"));
}

// A usage outside the table fails after the name exists; the name goes again.
TEST_F(BufferFaults, FailedConstructionDeletesItsName)
{
    turnOnWith("1.5", kVersionsTo15, kBufferExtensions);
    expectBufferText(thrownBy<InternalException>([] { makeBuffer(16, static_cast<Buffer::Usage>(9)); }),
                     "!\"Buffer type enums are not all properly translated.\"");
    EXPECT_EQ(1u, fakegl::callCount("glGenBuffers"));
    EXPECT_EQ(1u, fakegl::callCount("glDeleteBuffers"));
    EXPECT_EQ(0u, fakegl::callCount("glBufferData"));
}

// A 1.4 driver with both extensions has only their ARB entry points; the core ones that Buffer calls are
// never called through a null pointer.
TEST_F(BufferFaults, MissingCoreEntryPointIsNamed)
{
    // The table keeps what earlier tests of this program loaded; a 1.4 driver's first turn-on has no 1.5 entry.
    _cgmGenBuffers = nullptr;
    turnOnWith("1.4", {"GL_VERSION_1_2", "GL_VERSION_1_3", "GL_VERSION_1_4"}, kBufferExtensions);
    expectBufferText(thrownBy<InternalException>([] { makeBuffer(); }),
                     "glGenBuffers is not loaded: its version or extension was not initialised");
}

// GL unmaps the buffer also when it reports the contents lost, so the buffer can be mapped again.
TEST_F(BufferFaults, LostContentsOnUnmapThrowAndLeaveTheBufferUnmapped)
{
    turnOnWith("1.5", kVersionsTo15, kBufferExtensions);
    unsigned char storage[16] = {};
    fakegl::setAnswer("glMapBuffer", reinterpret_cast<std::uintptr_t>(storage));
    Buffer buffer(16, Buffer::PACK_BUFFER, Buffer::STREAM_READ, nullptr);
    buffer.bind();
    EXPECT_EQ(storage, buffer.map(GL_READ_ONLY));
    expectBufferText(thrownBy<InternalException>([&] { buffer.unmap(); }), "Cannot unmap buffer");
    EXPECT_FALSE(buffer.isMapped());

    fakegl::setAnswer("glUnmapBuffer", GL_TRUE);
    EXPECT_EQ(storage, buffer.map(GL_READ_ONLY));
    buffer.unmap();
    EXPECT_FALSE(buffer.isMapped());
}
