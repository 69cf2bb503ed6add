// Bad inputs to the GPU objects on the real driver: the pixel unpack description, buffers and renderbuffers.

#include "SweepFixture.h"

#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/Renderbuffer.h"

using QEL::OGL::Buffer;
using QEL::OGL::PixelUnpackParameters;
using QEL::OGL::Renderbuffer;

namespace {

// Every field away from its default, so that a write of any of them shows.
std::unique_ptr<PixelUnpackParameters> unusualUnpack()
{
    auto parameters = std::make_unique<PixelUnpackParameters>();
    parameters->enableSwapBytes();
    parameters->makeFirstLSB();
    parameters->setRowLength(7);
    parameters->setImageHeight(5);
    parameters->setSkipPixels(3);
    parameters->setSkipRows(2);
    parameters->setSkipImages(1);
    parameters->setAlignment(PixelUnpackParameters::ALIGNMENT_2);
    return parameters;
}

std::string unpackState(const PixelUnpackParameters& p)
{
    return describe("swap=", p.swapBytes(), " lsb=", p.isFirstLSB(), " row=", p.rowLength(),
                    " height=", p.imageHeight(), " skip=", p.skipPixels(), ",", p.skipRows(), ",", p.skipImages(),
                    " alignment=", p.alignment());
}

// What apply() writes before the alignment of the unusual description: every field but the alignment.
void unusualUnpackWritten(GLState& state)
{
    state["GL_UNPACK_SWAP_BYTES"] = 1;
    state["GL_UNPACK_LSB_FIRST"] = 1;
    state["GL_UNPACK_ROW_LENGTH"] = 7;
    state["GL_UNPACK_IMAGE_HEIGHT"] = 5;
    state["GL_UNPACK_SKIP_PIXELS"] = 3;
    state["GL_UNPACK_SKIP_ROWS"] = 2;
    state["GL_UNPACK_SKIP_IMAGES"] = 1;
}

// What apply() writes when GL refuses the value of refused: every other field, the alignment included.
std::function<void(GLState&)> unusualUnpackWrittenBut(const std::string& refused)
{
    return [refused](GLState& state) {
        const long long kept = state[refused];
        unusualUnpackWritten(state);
        state[refused] = kept;
        state["GL_UNPACK_ALIGNMENT"] = 2;
    };
}

void applyWithAlignment(PixelUnpackParameters& p, int alignment)
{
    p.setAlignment(static_cast<PixelUnpackParameters::teAlignment>(alignment));
    p.apply();
}

}

TEST_F(LibraryOnSweep, PixelUnpackParameters)
{
    sweep(Table<PixelUnpackParameters>{"PixelUnpackParameters, every field set", unusualUnpack, unpackState, {
        {"PixelUnpackParameters::setAlignment", "0 bytes", kInternal, [](auto& p) { p.setAlignment(0u); }},
        {"PixelUnpackParameters::setAlignment", "3 bytes", kInternal, [](auto& p) { p.setAlignment(3u); }},
        {"PixelUnpackParameters::setAlignment", "16 bytes", kInternal, [](auto& p) { p.setAlignment(16u); }},
        {"PixelUnpackParameters::setAlignment", "UINT_MAX bytes", kInternal,
         [](auto& p) { p.setAlignment(UINT_MAX); }},
    }});
    // A stored enumerator outside the table is refused by apply(), after it wrote every other field.
    sweep(Table<PixelUnpackParameters>{"PixelUnpackParameters, alignment enumerator out of range", unusualUnpack,
                                       nullptr, {
        {"PixelUnpackParameters::apply", "alignment 4", kInternal, [](auto& p) { applyWithAlignment(p, 4); },
         unusualUnpackWritten},
        {"PixelUnpackParameters::apply", "alignment -1", kInternal, [](auto& p) { applyWithAlignment(p, -1); },
         unusualUnpackWritten},
        {"PixelUnpackParameters::apply", "alignment INT_MAX", kInternal,
         [](auto& p) { applyWithAlignment(p, INT_MAX); }, unusualUnpackWritten},
    }});
    // The counts are stored unchecked and judged by GL, which keeps the value it had for the one it refuses.
    sweep(Table<PixelUnpackParameters>{"PixelUnpackParameters, a count that GL refuses", unusualUnpack, nullptr, {
        {"PixelUnpackParameters::apply", "row length UINT_MAX", Expected::refusedByGL(GL_INVALID_VALUE),
         [](auto& p) { p.setRowLength(UINT_MAX); p.apply(); }, unusualUnpackWrittenBut("GL_UNPACK_ROW_LENGTH")},
        {"PixelUnpackParameters::apply", "skipped rows 0x80000000", Expected::refusedByGL(GL_INVALID_VALUE),
         [](auto& p) { p.setSkipRows(0x80000000u); p.apply(); }, unusualUnpackWrittenBut("GL_UNPACK_SKIP_ROWS")},
    }});
}

namespace {

std::string bufferState(const Buffer& b)
{
    return describe("name=", b.objectID(), " target=", b.target(), " size=", b.size(), " usage=", b.usagePolicy(),
                    " mapped=", b.isMapped());
}

// A 16-byte array buffer, bound.
std::unique_ptr<Buffer> boundBuffer()
{
    auto buffer = std::make_unique<Buffer>(16, Buffer::ARRAY_BUFFER, Buffer::DYNAMIC_DRAW, nullptr);
    buffer->bind();
    return buffer;
}

std::unique_ptr<Buffer> mappedBuffer()
{
    auto buffer = boundBuffer();
    buffer->map(GL_READ_WRITE);
    return buffer;
}

// Bound at no target: the array buffer binding is 0.
std::unique_ptr<Buffer> unboundBuffer()
{
    auto buffer = std::make_unique<Buffer>(16, Buffer::ARRAY_BUFFER, Buffer::DYNAMIC_DRAW, nullptr);
    Buffer::bindDefaultArrayBuffer();
    return buffer;
}

void makeBuffer(int size, int type, int usage)
{
    Buffer buffer(size, static_cast<Buffer::Type>(type), static_cast<Buffer::Usage>(usage), nullptr);
}

unsigned char gBytes[64];

const Expected kInvalidValue = Expected::refusedByGL(GL_INVALID_VALUE);
const Expected kInvalidEnum = Expected::refusedByGL(GL_INVALID_ENUM);
const Expected kInvalidOperation = Expected::refusedByGL(GL_INVALID_OPERATION);

}

TEST_F(LibraryOnSweep, Buffer)
{
    sweep(Table<NoSubject>{"Buffer construction", noSubject, nullptr, {
        {"Buffer::Buffer", "size 0", kInternal, [](auto&) { makeBuffer(0, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW); }},
        {"Buffer::Buffer", "size -1", kInternal, [](auto&) { makeBuffer(-1, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW); }},
        {"Buffer::Buffer", "size INT_MIN", kInternal,
         [](auto&) { makeBuffer(INT_MIN, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW); }},
        {"Buffer::Buffer", "usage 9", kInternal, [](auto&) { makeBuffer(16, Buffer::ARRAY_BUFFER, 9); }},
        {"Buffer::Buffer", "usage -1", kInternal, [](auto&) { makeBuffer(16, Buffer::PACK_BUFFER, -1); }},
        {"Buffer::Buffer", "usage GL_STATIC_DRAW", kInternal,
         [](auto&) { makeBuffer(16, Buffer::UNPACK_BUFFER, GL_STATIC_DRAW); }},
        // A type outside the table keeps the unpack target.
        {"Buffer::Buffer", "type 4", kAnswered, [](auto&) {
             Buffer buffer(16, static_cast<Buffer::Type>(4), Buffer::STATIC_DRAW, nullptr);
             EXPECT_TRUE(buffer.isUnpackBuffer());
         }},
    }});
    sweep(Table<Buffer>{"Buffer, bound", boundBuffer, bufferState, {
        {"Buffer::subData", "null data", kInternal, [](auto& b) { b.subData(0, 4, nullptr); }},
        {"Buffer::subData", "offset -1", kInternal, [](auto& b) { b.subData(-1, 4, gBytes); }},
        {"Buffer::subData", "offset INT_MIN", kInternal, [](auto& b) { b.subData(INT_MIN, 4, gBytes); }},
        {"Buffer::subData", "size -1", kInvalidValue, [](auto& b) { b.subData(0, -1, gBytes); }},
        {"Buffer::subData", "range past the end", kInvalidValue, [](auto& b) { b.subData(8, 16, gBytes); }},
        {"Buffer::subData", "offset past the end", kInvalidValue, [](auto& b) { b.subData(17, 1, gBytes); }},
        {"Buffer::subData", "size INT_MAX", kInvalidValue, [](auto& b) { b.subData(0, INT_MAX, gBytes); }},
        {"Buffer::getSubData", "null data", kInternal, [](auto& b) { b.getSubData(0, 4, nullptr); }},
        {"Buffer::getSubData", "offset -1", kInternal, [](auto& b) { b.getSubData(-1, 4, gBytes); }},
        {"Buffer::getSubData", "size -1", kInvalidValue, [](auto& b) { b.getSubData(0, -1, gBytes); }},
        {"Buffer::getSubData", "range past the end", kInvalidValue, [](auto& b) { b.getSubData(12, 8, gBytes); }},
        {"Buffer::map", "access GL_RGBA", kInvalidEnum, [](auto& b) { EXPECT_EQ(nullptr, b.map(GL_RGBA)); }},
        {"Buffer::map", "access 0", kInvalidEnum, [](auto& b) { EXPECT_EQ(nullptr, b.map(0)); }},
        {"Buffer::unmap", "a buffer not mapped", kInternal, [](auto& b) { b.unmap(); }},
        {"Buffer::convertToUnpackBuffer", "a bound buffer", kInternal, [](auto& b) { b.convertToUnpackBuffer(); }},
        {"Buffer::convertToPackBuffer", "a bound buffer", kInternal, [](auto& b) { b.convertToPackBuffer(); }},
        {"Buffer::convertToArrayBuffer", "a bound buffer", kInternal, [](auto& b) { b.convertToArrayBuffer(); }},
        {"Buffer::convertToElementArrayBuffer", "a bound buffer", kInternal,
         [](auto& b) { b.convertToElementArrayBuffer(); }},
    }});
    sweep(Table<Buffer>{"Buffer, bound and mapped", mappedBuffer, bufferState, {
        {"Buffer::map", "a mapped buffer", kInternal, [](auto& b) { b.map(GL_READ_ONLY); }},
        {"Buffer::subData", "a mapped buffer", kInternal, [](auto& b) { b.subData(0, 4, gBytes); }},
        {"Buffer::getSubData", "a mapped buffer", kInternal, [](auto& b) { b.getSubData(0, 4, gBytes); }},
    }});
    // Only bind() binds: with nothing bound at the target, GL refuses what acts on the binding.
    sweep(Table<Buffer>{"Buffer, nothing bound at its target", unboundBuffer, bufferState, {
        {"Buffer::map", "nothing bound", kInvalidOperation, [](auto& b) { EXPECT_EQ(nullptr, b.map(GL_READ_ONLY)); }},
        {"Buffer::subData", "nothing bound", kInvalidOperation, [](auto& b) { b.subData(0, 4, gBytes); }},
        {"Buffer::getSubData", "nothing bound", kInvalidOperation, [](auto& b) { b.getSubData(0, 4, gBytes); }},
        {"Buffer::unmap", "nothing bound", kInternal, [](auto& b) { b.unmap(); }},
    }});
    sweep(Table<NoSubject>{"Buffer translations", noSubject, nullptr, {
        {"Buffer::Type2GL", "4", kInternal, [](auto&) { Buffer::Type2GL(static_cast<Buffer::Type>(4)); }},
        {"Buffer::Type2GL", "-1", kInternal, [](auto&) { Buffer::Type2GL(static_cast<Buffer::Type>(-1)); }},
        {"Buffer::Usage2GL", "9", kInternal, [](auto&) { Buffer::Usage2GL(static_cast<Buffer::Usage>(9)); }},
        {"Buffer::Usage2GL", "INT_MIN", kInternal, [](auto&) { Buffer::Usage2GL(static_cast<Buffer::Usage>(INT_MIN)); }},
        {"Buffer::GL2Type", "0", kInternal, [](auto&) { Buffer::GL2Type(0); }},
        {"Buffer::GL2Type", "a binding query", kInternal, [](auto&) { Buffer::GL2Type(GL_ARRAY_BUFFER_BINDING); }},
        {"Buffer::GL2Usage", "0x88E3", kInternal, [](auto&) { Buffer::GL2Usage(0x88E3); }},
        {"Buffer::GL2Usage", "UINT_MAX", kInternal, [](auto&) { Buffer::GL2Usage(UINT_MAX); }},
    }});
}

namespace {

std::string renderbufferState(const Renderbuffer& r)
{
    return describe("name=", r.objectID(), " format=", r.format(), " size=", r.width(), "x", r.height());
}

std::unique_ptr<Renderbuffer> unboundRenderbuffer()
{
    return std::make_unique<Renderbuffer>(GL_RGBA8, 8, 8);
}

void makeRenderbuffer(unsigned format, int width, int height)
{
    Renderbuffer renderbuffer(format, width, height);
}

}

TEST_F(LibraryOnSweep, Renderbuffer)
{
    const int max = Renderbuffer::maxSize();
    sweep(Table<NoSubject>{"Renderbuffer construction", noSubject, nullptr, {
        {"Renderbuffer::Renderbuffer", "width above the limit", kInternal,
         [max](auto&) { makeRenderbuffer(GL_RGBA8, max + 1, 1); }},
        {"Renderbuffer::Renderbuffer", "height above the limit", kInternal,
         [max](auto&) { makeRenderbuffer(GL_RGBA8, 1, max + 1); }},
        {"Renderbuffer::Renderbuffer", "INT_MAX by INT_MAX", kInternal,
         [](auto&) { makeRenderbuffer(GL_DEPTH_COMPONENT24, INT_MAX, INT_MAX); }},
        // GL judges what is below the limit: the renderbuffer is made, without storage.
        {"Renderbuffer::Renderbuffer", "width -1", kInvalidValue, [](auto&) { makeRenderbuffer(GL_RGBA8, -1, 4); }},
        {"Renderbuffer::Renderbuffer", "height INT_MIN", kInvalidValue,
         [](auto&) { makeRenderbuffer(GL_RGBA8, 4, INT_MIN); }},
        {"Renderbuffer::Renderbuffer", "format 0", kInvalidEnum, [](auto&) { makeRenderbuffer(0, 4, 4); }},
        {"Renderbuffer::Renderbuffer", "format 0xFFFF", kInvalidEnum, [](auto&) { makeRenderbuffer(0xFFFF, 4, 4); }},
    }});
    sweep(Table<Renderbuffer>{"Renderbuffer, not bound", unboundRenderbuffer, renderbufferState, {
        {"Renderbuffer::unbind", "a renderbuffer not bound", kInternal, [](auto& r) { r.unbind(); }},
    }});
}
