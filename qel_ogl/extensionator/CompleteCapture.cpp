#include "qel_ogl/extensionator/CompleteCapture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>

#include "qel_ogl/extensionator/CallText.h"
#include "qel_ogl/extensionator/PointerReadRule.h"
#include "qel_ogl/extensionator/RecordStreams.h"
#include "qel_ogl/extensionator/UnpackStateQuery.h"

namespace QEL { namespace OGL {

namespace {

const GLenum kUnpackRowLength = 0x0CF2;
const GLenum kUnpackSkipRows = 0x0CF3;
const GLenum kUnpackSkipPixels = 0x0CF4;
const GLenum kUnpackAlignment = 0x0CF5;
const GLenum kUnpackSkipImages = 0x806D;
const GLenum kUnpackImageHeight = 0x806E;
const GLenum kArrayBuffer = 0x8892;
const GLenum kElementArrayBuffer = 0x8893;
const GLenum kPixelUnpackBuffer = 0x88EC;
const GLenum kUnsignedByte = 0x1401;
const GLenum kUnsignedShort = 0x1403;
const GLenum kUnsignedInt = 0x1405;
const GLenum kTexture0 = 0x84C0;

// The bytes of an index of the given type; 0 for a type that GL does not take for indices.
std::int64_t indexBytes(GLenum type)
{
    switch (type) {
    case kUnsignedByte:
        return 1;
    case kUnsignedShort:
        return 2;
    case kUnsignedInt:
        return 4;
    default:
        return 0;
    }
}

std::uint64_t indexAt(const unsigned char* indices, std::int64_t bytes, std::int64_t position)
{
    switch (bytes) {
    case 1:
        return indices[position];
    case 2: {
        std::uint16_t index;
        std::memcpy(&index, indices + position * 2, sizeof index);
        return index;
    }
    default: {
        std::uint32_t index;
        std::memcpy(&index, indices + position * 4, sizeof index);
        return index;
    }
    }
}

std::uintptr_t address(const void* pointer)
{
    return reinterpret_cast<std::uintptr_t>(pointer);
}

// One record that holds the overlapping spans [first, next) of the sorted spans.
struct RecordSpan
{
    std::uintptr_t start;
    std::uintptr_t end;
    std::size_t first;
    std::size_t next;
};

}

// The client memory that a draw reads from one array.
struct CompleteCapture::ArraySpan
{
    std::uintptr_t start;
    std::uintptr_t end;
    const ClientArray* array;
};

bool CompleteCapture::IndexRange::isEmpty() const
{
    return first < 0;
}

void CompleteCapture::IndexRange::add(std::int64_t index)
{
    first = isEmpty() ? index : std::min(first, index);
    last = std::max(last, index);
}

void CompleteCapture::IndexRange::add(const IndexRange& range)
{
    if (!range.isEmpty()) {
        add(range.first);
        add(range.last);
    }
}

CompleteCapture::CompleteCapture(RecordStreams& streams, const UnpackStateQuery& query)
    : streams_(streams),
      pQuery_(&query),
      bReadStateKnown_(false),
      arrayBuffer_(0),
      bArrayBufferKnown_(false),
      bindName_("glBindBuffer"),
      pArrays_(&contextArrays_[nullptr])
{
}

CompleteCapture::~CompleteCapture() = default;

void CompleteCapture::setStateQuery(const UnpackStateQuery& query)
{
    pQuery_ = &query;
    forgetReadState();
}

void CompleteCapture::contextMadeCurrent(const void* context)
{
    pArrays_ = &contextArrays_[context];
    forgetReadState();
}

bool CompleteCapture::capturePointers(std::size_t firstRule, std::size_t ruleCount, const CallArgument* arguments,
                                      std::size_t count, bool keepsArray)
{
    if (pointers_.size() < ruleCount)
        pointers_.resize(ruleCount);
    for (std::size_t index = 0; index < ruleCount; ++index) {
        if (!capturePointer(PointerReads::rule(firstRule + index), arguments, count, keepsArray, pointers_[index]))
            return false;
    }
    return true;
}

const std::string& CompleteCapture::pointer(std::size_t index) const
{
    return pointers_[index];
}

const std::string& CompleteCapture::reason() const
{
    return reason_;
}

void CompleteCapture::writeNotCaptured(const char* name, const std::string& reason)
{
    streams_.text() << "OpenGLRekorderUnsupported(\"" << name << ": " << reason << "\");\n";
}

// A null pointer is replayed as null: GL reads and writes nothing through it. Storage that GL writes is the
// replay's own; where GL writes after the call (selection and feedback), it lasts until the replay ends.
bool CompleteCapture::capturePointer(const PointerReadRule& rule, const CallArgument* arguments, std::size_t count,
                                     bool keepsArray, std::string& text)
{
    const PointerRead read = PointerReads::read(rule, arguments, count, readState());
    const void* pointer = arguments[rule.index].pointer();
    switch (read.kind) {
    case PointerRead::OFFSET:
        text = "GLRekorderOffset(" + std::to_string(address(pointer)) + ")";
        return true;
    case PointerRead::KEPT:
        text = "0";
        return keepsArray || fail(std::string(rule.parameter) + " is " + read.reason + ", of a kind not captured");
    case PointerRead::UNKNOWN:
        return fail(std::string(rule.parameter) + ": " + read.reason);
    case PointerRead::WRITTEN:
        text = pointer == nullptr ? std::string("0")
                                  : std::string(read.reason != nullptr ? "GLRekorderLastingScratch("
                                                                       : "GLRekorderScratch(")
                                        + std::to_string(read.bytes) + ")";
        return true;
    default:
        if (pointer == nullptr) {
            text = "0";
            return true;
        }
        if (read.pointers > 0)
            return capturePointerArray(rule, read, arguments, count, text);
        if (read.bytes < 0 || read.bytes > RecordStreams::maxRecordBytes())
            return fail(std::string(rule.parameter) + ": the bytes GL reads are not known for these arguments");
        text = dataText(pointer, read.bytes);
        return true;
    }
}

bool CompleteCapture::capturePointerArray(const PointerReadRule& rule, const PointerRead& read,
                                          const CallArgument* arguments, std::size_t count, std::string& text)
{
    const void* const* elements = static_cast<const void* const*>(arguments[rule.index].pointer());
    text = "GLRekorderPointers({";
    for (std::int64_t element = 0; element < read.pointers; ++element) {
        const PointerRead elementRead = PointerReads::readElement(rule, element, arguments, count, readState());
        if (element > 0)
            text += ", ";
        if (elementRead.kind == PointerRead::OFFSET)
            text += "GLRekorderOffset(" + std::to_string(address(elements[element])) + ")";
        else if (elements[element] == nullptr)
            text += "0";
        else if (elementRead.kind == PointerRead::READ && elementRead.bytes >= 0 &&
                 elementRead.bytes <= RecordStreams::maxRecordBytes())
            text += dataText(elements[element], elementRead.bytes);
        else
            return fail(std::string(rule.parameter) + ": the bytes GL reads through its pointers are not known");
    }
    text += "})";
    return true;
}

std::string CompleteCapture::dataText(const void* data, std::int64_t bytes)
{
    return "GLRekorderData(" + std::to_string(streams_.writeAligned(data, bytes)) + ")";
}

void CompleteCapture::followPixelStore(GLenum pname, double value)
{
    if (!bReadStateKnown_)
        return;
    // GL rounds a float parameter to the nearest integer; a value out of any range is asked for again.
    if (!(value > -2147483648.0 && value < 2147483648.0))
        return forgetReadState();
    const long long rounded = std::llround(value);
    UnpackState& unpack = readState_.unpack;
    int* tracked = nullptr;
    switch (pname) {
    case kUnpackAlignment:
        if (rounded != 1 && rounded != 2 && rounded != 4 && rounded != 8)
            return forgetReadState();
        unpack.alignment = static_cast<int>(rounded);
        return;
    case kUnpackRowLength:
        tracked = &unpack.rowLength;
        break;
    case kUnpackSkipRows:
        tracked = &unpack.skipRows;
        break;
    case kUnpackSkipPixels:
        tracked = &unpack.skipPixels;
        break;
    case kUnpackImageHeight:
        tracked = &unpack.imageHeight;
        break;
    case kUnpackSkipImages:
        tracked = &unpack.skipImages;
        break;
    default:
        return;
    }
    if (rounded < 0 || rounded > 0x7FFFFFFF)
        return forgetReadState();
    *tracked = static_cast<int>(rounded);
}

void CompleteCapture::followBufferBinding(const char* bindName, GLenum target, GLuint buffer)
{
    if (target == kArrayBuffer) {
        arrayBuffer_ = buffer;
        bArrayBufferKnown_ = true;
        bindName_ = bindName;
    }
    if (!bReadStateKnown_)
        return;
    if (target == kPixelUnpackBuffer)
        readState_.unpack.bufferBound = buffer != 0;
    else if (target == kArrayBuffer)
        readState_.arrayBufferBound = buffer != 0;
    else if (target == kElementArrayBuffer)
        readState_.elementArrayBufferBound = buffer != 0;
}

void CompleteCapture::forgetReadState()
{
    bReadStateKnown_ = false;
    bArrayBufferKnown_ = false;
}

void CompleteCapture::rememberArray(const char* setter, int size, GLenum type, int stride, const void* pointer)
{
    arrays().setPointer(setter, size, type, stride, pointer, readState().arrayBufferBound);
}

void CompleteCapture::rememberAttributeArray(const char* setter, GLuint index, int size, GLenum type,
                                             GLboolean normalized, int stride, const void* pointer)
{
    arrays().setAttributePointer(setter, index, size, type, normalized != 0, stride, pointer,
                                 readState().arrayBufferBound);
}

void CompleteCapture::rememberInterleavedArrays(GLenum format, int stride, const void* pointer)
{
    arrays().setInterleaved(format, stride, pointer, readState().arrayBufferBound);
}

void CompleteCapture::enableClientArray(GLenum array, bool enabled)
{
    arrays().enable(array, enabled);
}

void CompleteCapture::enableAttributeArray(GLuint index, bool enabled)
{
    arrays().enableAttribute(index, enabled);
}

void CompleteCapture::clientActiveTexture(GLenum texture)
{
    arrays().setClientActiveTexture(texture);
}

// The unpack state and the buffer bindings are client attributes too: they are asked for again after a pop.
void CompleteCapture::pushClientAttrib(GLbitfield mask)
{
    arrays().pushClientAttrib(mask);
}

void CompleteCapture::popClientAttrib()
{
    arrays().popClientAttrib();
    forgetReadState();
}

// The index buffer binding belongs to the vertex array object.
void CompleteCapture::bindVertexArray(GLuint name)
{
    arrays().bindVertexArray(name);
    forgetReadState();
}

bool CompleteCapture::drawArrays(GLint first, GLsizei count)
{
    IndexRange range;
    if (count > 0 && first >= 0) {
        range.add(first);
        range.add(std::int64_t{first} + count - 1);
    }
    return pointArrays(range);
}

bool CompleteCapture::drawElements(GLsizei count, GLenum type, const void* indices)
{
    if (!arrays().hasClientArrays())
        return true;
    IndexRange range;
    return indexRange(count, type, indices, range) && pointArrays(range);
}

bool CompleteCapture::multiDrawArrays(const GLint* first, const GLsizei* count, GLsizei drawCount)
{
    if (!arrays().hasClientArrays() || first == nullptr || count == nullptr)
        return true;
    IndexRange range;
    for (GLsizei draw = 0; draw < drawCount; ++draw) {
        if (count[draw] > 0 && first[draw] >= 0) {
            range.add(first[draw]);
            range.add(std::int64_t{first[draw]} + count[draw] - 1);
        }
    }
    return pointArrays(range);
}

bool CompleteCapture::multiDrawElements(const GLsizei* count, GLenum type, const void* const* indices,
                                        GLsizei drawCount)
{
    if (!arrays().hasClientArrays() || count == nullptr || indices == nullptr)
        return true;
    IndexRange range;
    for (GLsizei draw = 0; draw < drawCount; ++draw) {
        IndexRange drawRange;
        if (!indexRange(count[draw], type, indices[draw], drawRange))
            return false;
        range.add(drawRange);
    }
    return pointArrays(range);
}

bool CompleteCapture::beginPrimitive()
{
    if (streams_.isDiverted() || !arrays().hasClientArrays())
        return true;
    primitive_.str("");
    primitive_.clear();
    primitiveRange_ = IndexRange();
    streams_.divert(primitive_);
    return true;
}

bool CompleteCapture::arrayElement(GLint element)
{
    IndexRange range;
    if (element >= 0)
        range.add(element);
    if (!streams_.isDiverted())
        return pointArrays(range);
    primitiveRange_.add(range);
    return true;
}

void CompleteCapture::endPrimitive()
{
    if (!streams_.isDiverted())
        return;
    streams_.restore();
    if (!pointArrays(primitiveRange_))
        writeNotCaptured("glArrayElement", reason_);
    streams_.text() << primitive_.str();
}

void CompleteCapture::rememberMapping(GLenum target, std::int64_t offset, std::int64_t length, bool writes,
                                      void* pointer)
{
    if (pointer == nullptr) {
        mappings_.erase(target);
        return;
    }
    if (length < 0)
        length = pQuery_->bufferBytes(target) - offset;
    mappings_[target] = Mapping{offset, length, writes, pointer};
}

// A mapping that the capture never saw (made before the recording, or failed) uploads nothing.
bool CompleteCapture::uploadMapping(const char* uploadName, GLenum target)
{
    const auto found = mappings_.find(target);
    if (found == mappings_.end())
        return true;
    const Mapping mapping = found->second;
    mappings_.erase(found);
    if (!mapping.writes)
        return true;
    if (mapping.length < 0 || mapping.length > RecordStreams::maxRecordBytes())
        return fail("the size of the mapped buffer is not known");
    streams_.text() << uploadName << "(" << CallText::Token{target} << ", " << mapping.offset << ", "
                    << mapping.length << ", " << dataText(mapping.pointer, mapping.length) << ");\n";
    return true;
}

const PointerReadState& CompleteCapture::readState()
{
    if (!bReadStateKnown_) {
        readState_ = pQuery_->pointerReadState();
        bReadStateKnown_ = true;
    }
    return readState_;
}

ClientArrays& CompleteCapture::arrays()
{
    return *pArrays_;
}

// Indices in a buffer are read back from it through the query.
bool CompleteCapture::indexRange(GLsizei count, GLenum type, const void* indices, IndexRange& range)
{
    const std::int64_t bytes = indexBytes(type);
    if (count <= 0 || bytes == 0)
        return true;
    const std::int64_t total = bytes * count;
    const unsigned char* values = static_cast<const unsigned char*>(indices);
    if (readState().elementArrayBufferBound) {
        bytes_.resize(static_cast<std::size_t>(total));
        if (!pQuery_->readBuffer(kElementArrayBuffer, static_cast<std::int64_t>(address(indices)), total,
                                 bytes_.data()))
            return fail("the indices in the bound buffer cannot be read back");
        values = bytes_.data();
    } else if (values == nullptr) {
        return true;
    }
    for (std::int64_t position = 0; position < count; ++position)
        range.add(static_cast<std::int64_t>(indexAt(values, bytes, position)));
    return true;
}

bool CompleteCapture::arraySpans(const IndexRange& range, std::vector<ArraySpan>& spans)
{
    for (const ClientArray* array : arrays().clientArrays()) {
        const std::int64_t elementBytes = array->elementBytes();
        const std::int64_t stride = array->strideBytes();
        if (array->pointer == nullptr)
            return fail(std::string(array->setter) + ": an enabled vertex array without memory to read");
        if (elementBytes < 0 || stride < 0)
            return fail(std::string(array->setter) + ": a vertex array of a size or type that GL does not take");
        const std::uintptr_t start = address(array->pointer) + static_cast<std::uintptr_t>(range.first * stride);
        const std::uintptr_t end = address(array->pointer) + static_cast<std::uintptr_t>(range.last * stride
                                                                                         + elementBytes);
        spans.push_back({start, end, array});
    }
    std::sort(spans.begin(), spans.end(), [](const ArraySpan& a, const ArraySpan& b) { return a.start < b.start; });
    return true;
}

// Arrays whose elements overlap (an interleaved vertex) share one record. Nothing is written unless every
// array can be.
bool CompleteCapture::pointArrays(const IndexRange& range)
{
    std::vector<ArraySpan> spans;
    if (range.isEmpty() || !arraySpans(range, spans))
        return range.isEmpty();
    if (spans.empty())
        return true;
    std::vector<RecordSpan> records;
    for (std::size_t first = 0; first < spans.size();) {
        RecordSpan record{spans[first].start, spans[first].end, first, first + 1};
        for (; record.next < spans.size() && spans[record.next].start <= record.end; ++record.next)
            record.end = std::max(record.end, spans[record.next].end);
        if (record.end - record.start > static_cast<std::uint64_t>(RecordStreams::maxRecordBytes()))
            return fail("the vertex arrays of the draw hold more bytes than a record holds");
        records.push_back(record);
        first = record.next;
    }
    writeArrayBufferBinding(true);
    for (const RecordSpan& record : records) {
        const std::uint64_t offset = streams_.writeAligned(reinterpret_cast<const void*>(record.start),
                                                           static_cast<std::int64_t>(record.end - record.start));
        for (std::size_t span = record.first; span < record.next; ++span)
            writeArrayPointer(*spans[span].array, offset,
                              static_cast<std::int64_t>(address(spans[span].array->pointer) - record.start));
    }
    writeArrayBufferBinding(false);
    return true;
}

void CompleteCapture::writeArrayPointer(const ClientArray& array, std::uint64_t record, std::int64_t bias)
{
    std::ostream& out = streams_.text();
    const bool otherUnit = std::strcmp(array.setter, "glTexCoordPointer") == 0 &&
                           array.index != arrays().clientActiveUnit();
    if (otherUnit)
        out << "glClientActiveTexture(" << CallText::Token{kTexture0 + array.index} << ");\n";
    out << array.setter << "(";
    switch (array.shape) {
    case ClientArray::SIZED:
        out << array.size << ", " << CallText::Token{array.type} << ", ";
        break;
    case ClientArray::TYPED:
        out << CallText::Token{array.type} << ", ";
        break;
    case ClientArray::STRIDED:
        break;
    case ClientArray::ATTRIBUTE:
        out << array.index << ", " << array.size << ", " << CallText::Token{array.type} << ", "
            << (array.normalized ? "GL_TRUE" : "GL_FALSE") << ", ";
        break;
    }
    out << array.stride << ", GLRekorderArray(" << record << ", " << bias << "));\n";
    if (otherUnit)
        out << "glClientActiveTexture(" << CallText::Token{kTexture0 + arrays().clientActiveUnit()} << ");\n";
}

void CompleteCapture::writeArrayBufferBinding(bool unbind)
{
    if (!readState().arrayBufferBound)
        return;
    if (!bArrayBufferKnown_) {
        arrayBuffer_ = pQuery_->bufferBinding(kArrayBuffer);
        bArrayBufferKnown_ = true;
    }
    streams_.text() << bindName_ << "(GL_ARRAY_BUFFER, " << (unbind ? 0 : arrayBuffer_) << ");\n";
}

bool CompleteCapture::fail(std::string reason)
{
    reason_ = std::move(reason);
    return false;
}

}}
