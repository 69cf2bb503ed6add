// Buffer's translation tables, both ways, with the GL values written out.

#include "qel_core/InternalException.h"
#include "qel_ogl/ogl/Buffer.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

#include <functional>

using QEL::InternalException;
using QEL::OGL::Buffer;

TEST(BufferTables, TypesTranslateBothWays)
{
    const struct { Buffer::Type type; unsigned target; } rows[] = {
        {Buffer::UNPACK_BUFFER, 0x88EC}, {Buffer::PACK_BUFFER, 0x88EB},
        {Buffer::ARRAY_BUFFER, 0x8892},  {Buffer::ELEMENT_ARRAY_BUFFER, 0x8893}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.target, Buffer::Type2GL(row.type)) << row.type;
        EXPECT_EQ(row.type, Buffer::GL2Type(row.target)) << row.target;
    }
}

TEST(BufferTables, UsagesTranslateBothWays)
{
    const struct { Buffer::Usage usage; unsigned gl; } rows[] = {
        {Buffer::STREAM_DRAW, 0x88E0},  {Buffer::STREAM_READ, 0x88E1},  {Buffer::STREAM_COPY, 0x88E2},
        {Buffer::STATIC_DRAW, 0x88E4},  {Buffer::STATIC_READ, 0x88E5},  {Buffer::STATIC_COPY, 0x88E6},
        {Buffer::DYNAMIC_DRAW, 0x88E8}, {Buffer::DYNAMIC_READ, 0x88E9}, {Buffer::DYNAMIC_COPY, 0x88EA}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.gl, Buffer::Usage2GL(row.usage)) << row.usage;
        EXPECT_EQ(row.usage, Buffer::GL2Usage(row.gl)) << row.gl;
    }
}

// The gaps between the usages (0x88E3, 0x88E7) and the binding queries are not in either table.
TEST(BufferTables, ValuesOutsideTheTablesThrow)
{
    const std::function<void()> translations[] = {
        [] { Buffer::Type2GL(static_cast<Buffer::Type>(4)); },
        [] { Buffer::Type2GL(static_cast<Buffer::Type>(-1)); },
        [] { Buffer::Usage2GL(static_cast<Buffer::Usage>(9)); },
        [] { Buffer::GL2Type(0x88EF); },
        [] { Buffer::GL2Type(0); },
        [] { Buffer::GL2Usage(0x88E3); },
        [] { Buffer::GL2Usage(0x88E7); },
        [] { Buffer::GL2Usage(0x88EB); },
    };
    for (const auto& translation : translations) {
        const auto e = thrownBy<InternalException>(translation);
        ASSERT_TRUE(e.has_value());
        EXPECT_STREQ("qel_ogl/ogl/Buffer.cpp", e->file());
        EXPECT_STREQ("!\"Buffer type enums are not all properly translated.\"", e->text());
    }
}
