// Buffer on a real driver: data in and out bit for bit, the bindings it leaves, its name's lifetime, and the
// texts of its refusals.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Buffer.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <vector>

using QEL::InternalException;
using QEL::OGL::Buffer;

namespace {

using Bytes = std::vector<unsigned char>;

const Buffer::Type kTypes[] = {Buffer::UNPACK_BUFFER, Buffer::PACK_BUFFER, Buffer::ARRAY_BUFFER,
                               Buffer::ELEMENT_ARRAY_BUFFER};
const GLenum kBindingQueries[] = {GL_PIXEL_UNPACK_BUFFER_BINDING, GL_PIXEL_PACK_BUFFER_BINDING,
                                  GL_ARRAY_BUFFER_BINDING, GL_ELEMENT_ARRAY_BUFFER_BINDING};

// Every byte value, in an order that differs from one seed to the next.
Bytes pattern(std::size_t size, unsigned seed)
{
    Bytes bytes(size);
    for (std::size_t index = 0; index < size; ++index)
        bytes[index] = static_cast<unsigned char>(index * 7 + seed * 13 + index / 256);
    return bytes;
}

Bytes contents(Buffer& buffer)
{
    Bytes bytes(buffer.size());
    buffer.getSubData(0, static_cast<int>(bytes.size()), bytes.data());
    return bytes;
}

using Bindings = std::map<GLenum, GLint>;

Bindings bufferBindings()
{
    Bindings bindings;
    for (const GLenum query : kBindingQueries)
        glGetIntegerv(query, &bindings[query]);
    return bindings;
}

void expectBufferText(const std::optional<InternalException>& e, const char* text)
{
    ASSERT_TRUE(e.has_value()) << text;
    EXPECT_STREQ("qel_ogl/ogl/Buffer.cpp", e->file());
    EXPECT_STREQ(text, e->text());
}

}

class BufferOnMesa : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }
};

TEST_F(BufferOnMesa, InitialContentsReadBackBitExactAtEveryTarget)
{
    EXPECT_TRUE(Buffer::isSupported());
    for (const Buffer::Type type : kTypes) {
        const Bytes data = pattern(777, type);
        Buffer buffer(777, type, Buffer::STATIC_DRAW, data.data());
        buffer.bind();
        EXPECT_EQ(Buffer::Type2GL(type), buffer.target());
        EXPECT_EQ(data, contents(buffer)) << type;
    }
}

TEST_F(BufferOnMesa, SubDataRoundTripsBitExact)
{
    Buffer buffer(1024, Buffer::PACK_BUFFER, Buffer::DYNAMIC_COPY, nullptr);
    buffer.bind();
    Bytes expected = pattern(1024, 1);
    buffer.subData(0, 1024, expected.data());
    const Bytes middle = pattern(100, 2);
    buffer.subData(300, 100, middle.data());
    std::copy(middle.begin(), middle.end(), expected.begin() + 300);
    EXPECT_EQ(expected, contents(buffer));

    Bytes part(50);
    buffer.getSubData(310, 50, part.data());
    EXPECT_EQ(Bytes(middle.begin() + 10, middle.begin() + 60), part);
}

TEST_F(BufferOnMesa, MapRoundTripsBitExactInBothDirections)
{
    Buffer buffer(4096, Buffer::UNPACK_BUFFER, Buffer::STREAM_DRAW, nullptr);
    buffer.bind();
    const Bytes written = pattern(4096, 3);
    std::memcpy(buffer.map(GL_WRITE_ONLY), written.data(), written.size());
    EXPECT_TRUE(buffer.isMapped());
    buffer.unmap();
    EXPECT_FALSE(buffer.isMapped());
    EXPECT_EQ(written, contents(buffer));

    const Bytes replaced = pattern(4096, 4);
    buffer.subData(0, 4096, replaced.data());
    const auto* mapped = static_cast<const unsigned char*>(buffer.map(GL_READ_ONLY));
    ASSERT_NE(nullptr, mapped);
    EXPECT_EQ(replaced, Bytes(mapped, mapped + 4096));
    buffer.unmap();
    EXPECT_NE(nullptr, buffer.map(GL_READ_WRITE));
    buffer.unmap();
}

TEST_F(BufferOnMesa, ConstructionLeavesEveryBufferBindingAsItWas)
{
    GLuint others[4] = {};
    _cgmGenBuffers(4, others);
    for (int index = 0; index < 4; ++index)
        _cgmBindBuffer(Buffer::Type2GL(kTypes[index]), others[index]);
    const Bindings before = bufferBindings();
    for (const Buffer::Type type : kTypes) {
        const Bytes data = pattern(64, type);
        Buffer buffer(64, type, Buffer::STATIC_READ, data.data());
        EXPECT_EQ(before, bufferBindings()) << type;
        EXPECT_EQ(others[type], buffer.getBoundID());
    }
    _cgmDeleteBuffers(4, others);
}

TEST_F(BufferOnMesa, DestructionDeletesTheName)
{
    GLuint name = 0;
    {
        Buffer buffer(16, Buffer::ELEMENT_ARRAY_BUFFER, Buffer::STATIC_DRAW, nullptr);
        name = buffer.objectID();
        ASSERT_EQ(GL_TRUE, _cgmIsBuffer(name));
        buffer.bind();
        buffer.map(GL_WRITE_ONLY);
    }
    EXPECT_EQ(GL_FALSE, _cgmIsBuffer(name));
    EXPECT_EQ(0, bufferBindings()[GL_ELEMENT_ARRAY_BUFFER_BINDING]);
}

// Each misuse on a bound buffer of every target; the checks come in order, so a mapped buffer is refused
// even with a good pointer and offset.
TEST_F(BufferOnMesa, MisuseThrowsItsText)
{
    unsigned char byte = 0;
    const struct {
        std::function<void(Buffer&)> misuse;
        const char* text;
    } cases[] = {
        {[](Buffer& b) { b.map(GL_READ_ONLY); b.map(GL_READ_ONLY); },
         "Buffer is already mapped (this will cause a GL error)"},
        {[](Buffer& b) { b.unmap(); }, "Buffer must be mapped before umapping it (this will cause a GL error)"},
        {[](Buffer& b) { b.map(GL_READ_ONLY); b.unmap(); b.unmap(); },
         "Buffer must be mapped before umapping it (this will cause a GL error)"},
        {[&](Buffer& b) { b.map(GL_WRITE_ONLY); b.subData(0, 1, &byte); }, "Buffer::subData buffer cannot be mapped"},
        {[](Buffer& b) { b.subData(0, 1, nullptr); }, "Buffer::subData pointer to data must not be NULL"},
        {[&](Buffer& b) { b.subData(-1, 1, &byte); }, "Buffer::subData offset must not be negative"},
        {[&](Buffer& b) { b.map(GL_READ_ONLY); b.getSubData(0, 1, &byte); },
         "Buffer::getSubData buffer cannot be mapped"},
        {[](Buffer& b) { b.getSubData(0, 1, nullptr); }, "Buffer::getSubData pointer to data must not be NULL"},
        {[&](Buffer& b) { b.getSubData(-1, 1, &byte); }, "Buffer::getSubData offset must not be negative"},
        {[](Buffer& b) { b.convertToUnpackBuffer(); },
         "Buffer::convertToUnpackBuffer cannot convert buffer target while bound"},
        {[](Buffer& b) { b.convertToPackBuffer(); },
         "Buffer::convertToPackBuffer cannot convert buffer target while bound"},
        {[](Buffer& b) { b.convertToArrayBuffer(); },
         "Buffer::convertToArrayBuffer cannot convert buffer target while bound"},
        {[](Buffer& b) { b.convertToElementArrayBuffer(); },
         "Buffer::convertToElementArrayBuffer cannot convert buffer target while bound"},
    };
    for (const Buffer::Type type : kTypes) {
        for (const auto& c : cases) {
            Buffer buffer(8, type, Buffer::DYNAMIC_DRAW, nullptr);
            buffer.bind();
            expectBufferText(thrownBy<InternalException>([&] { c.misuse(buffer); }), c.text);
            EXPECT_EQ(Buffer::Type2GL(type), buffer.target());
            if (buffer.isMapped())
                buffer.unmap();
        }
    }
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

// Once nothing of it is bound, the buffer moves to any target, keeps its contents, and binds there.
TEST_F(BufferOnMesa, ConvertsToEachTargetOnceUnbound)
{
    const struct {
        void (Buffer::*convert)();
        bool (Buffer::*is)() const;
        void (*bindDefault)();
    } conversions[] = {
        {&Buffer::convertToArrayBuffer, &Buffer::isArrayBuffer, &Buffer::bindDefaultArrayBuffer},
        {&Buffer::convertToElementArrayBuffer, &Buffer::isElementArrayBuffer, &Buffer::bindDefaultElementArrayBuffer},
        {&Buffer::convertToPackBuffer, &Buffer::isPackBuffer, &Buffer::bindDefaultPackBuffer},
        {&Buffer::convertToUnpackBuffer, &Buffer::isUnpackBuffer, &Buffer::bindDefaultUnpackBuffer},
    };
    const Bytes data = pattern(32, 5);
    Buffer buffer(32, Buffer::UNPACK_BUFFER, Buffer::STATIC_COPY, data.data());
    buffer.bind();
    Buffer::bindDefaultUnpackBuffer();
    for (const auto& c : conversions) {
        (buffer.*c.convert)();
        for (const auto& other : conversions)
            EXPECT_EQ(&other == &c, (buffer.*other.is)());
        EXPECT_FALSE(buffer.isBound()) << "GL is not told of a conversion";
        buffer.bind();
        EXPECT_TRUE(buffer.isBound());
        EXPECT_EQ(data, contents(buffer));
        c.bindDefault();
        EXPECT_EQ(0u, buffer.getBoundID());
    }
}

// A driver that refuses to map answers null (here: the buffer is already mapped behind the object's back). The
// buffer then does not count as mapped, so transfers and a later map work.
TEST_F(BufferOnMesa, RefusedMapLeavesTheBufferUnmapped)
{
    const Bytes data = pattern(16, 6);
    Buffer buffer(16, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW, data.data());
    buffer.bind();
    ASSERT_NE(nullptr, _cgmMapBuffer(GL_ARRAY_BUFFER, GL_READ_ONLY));
    EXPECT_EQ(nullptr, buffer.map(GL_READ_ONLY));
    EXPECT_FALSE(buffer.isMapped());
    EXPECT_EQ(static_cast<GLenum>(GL_INVALID_OPERATION), glGetError());
    ASSERT_EQ(GL_TRUE, _cgmUnmapBuffer(GL_ARRAY_BUFFER));

    EXPECT_EQ(data, contents(buffer));
    const auto* mapped = static_cast<const unsigned char*>(buffer.map(GL_READ_ONLY));
    ASSERT_NE(nullptr, mapped);
    EXPECT_EQ(data, Bytes(mapped, mapped + 16));
    buffer.unmap();
}
