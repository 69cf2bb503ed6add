#include "fuzz/CallArguments.h"

#include <cstddef>
#include <cstdio>
#include <string>

#include "fuzz/Expect.h"
#include "fuzz/GLReadSizes.h"
#include "qel_ogl/extensionator/PointerReadRule.h"

namespace QEL { namespace OGL { namespace Fuzz {

namespace {

const char* const kFiles[] = {nullptr, "", "scene.cpp", "C:\\Program Files\\qel\\render loop.cpp"};
const int kAlignments[] = {1, 2, 4, 8};

}

CallArguments::CallArguments(FuzzedDataProvider& data)
    : data_(data)
{
}

void CallArguments::next()
{
    blocks_.clear();
    unpack_.alignment = data_.PickValueInArray(kAlignments);
    unpack_.rowLength = data_.ConsumeIntegralInRange(0, 16);
    unpack_.skipPixels = data_.ConsumeIntegralInRange(0, 8);
    unpack_.skipRows = data_.ConsumeIntegralInRange(0, 8);
    unpack_.imageHeight = data_.ConsumeIntegralInRange(0, 8);
    unpack_.skipImages = data_.ConsumeIntegralInRange(0, 4);
    unpack_.bufferBound = data_.ConsumeIntegralInRange(0, 7) == 0;
}

const char* CallArguments::file()
{
    return data_.PickValueInArray(kFiles);
}

unsigned CallArguments::line()
{
    return data_.ConsumeIntegral<unsigned>();
}

GLenum CallArguments::enumerant(const char* group)
{
    const std::vector<GLenum>& known = GLReadSizes::enumerants(group);
    if (!known.empty() && data_.ConsumeIntegralInRange(0, 3) != 0)
        return known[data_.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
    return scalar<GLenum>();
}

const char* CallArguments::text()
{
    if (choosesNull())
        return nullptr;
    return characters();
}

const char* CallArguments::marker(std::int64_t length)
{
    if (length == 0)
        return text();
    return choosesNull() ? nullptr : characters(std::max<std::int64_t>(length, 0));
}

const char* CallArguments::characters()
{
    const std::string text = data_.ConsumeRandomLengthString(64);
    unsigned char* bytes = block(static_cast<std::int64_t>(text.size()) + 1);
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    return reinterpret_cast<const char*>(bytes);
}

const char* CallArguments::characters(std::int64_t length)
{
    unsigned char* bytes = block(length);
    if (bytes != nullptr)
        data_.ConsumeData(bytes, static_cast<std::size_t>(length));
    return reinterpret_cast<const char*>(bytes);
}

const char** CallArguments::texts(std::int64_t count, const int* lengths)
{
    const char** strings = array<const char*>(count);
    for (std::int64_t i = 0; strings != nullptr && i < count; ++i) {
        if (choosesNullElement())
            strings[i] = nullptr;
        else if (lengths != nullptr && lengths[i] >= 0)
            strings[i] = characters(lengths[i]);
        else
            strings[i] = characters();
    }
    return strings;
}

const void** CallArguments::pointers(std::int64_t count)
{
    const void** elements = array<const void*>(count);
    for (std::int64_t i = 0; elements != nullptr && i < count; ++i)
        elements[i] = choosesNullElement() ? nullptr : block(0);
    return elements;
}

const void** CallArguments::indexArrays(std::int64_t count, const int* counts, std::int64_t indexBytes)
{
    const void** elements = array<const void*>(count);
    for (std::int64_t i = 0; elements != nullptr && i < count; ++i) {
        const std::int64_t indices = counts != nullptr ? std::max(counts[i], 0) : 0;
        elements[i] = choosesNullElement() ? nullptr : input<unsigned char>(indices * indexBytes);
    }
    return elements;
}

std::int64_t CallArguments::texParameterValues(GLenum pname) const
{
    return GLReadSizes::texParameterValues(pname);
}

std::int64_t CallArguments::parameterValues(const char* group, GLenum pname) const
{
    return GLReadSizes::parameterValues(group, pname);
}

std::int64_t CallArguments::typeBytes(const char* group, GLenum type) const
{
    return GLReadSizes::typeBytes(group, type);
}

std::int64_t CallArguments::mapElements(GLenum target, std::int64_t stride, std::int64_t order) const
{
    return GLReadSizes::mapElements(target, stride, order);
}

std::int64_t CallArguments::mapElements(GLenum target, std::int64_t ustride, std::int64_t uorder,
                                        std::int64_t vstride, std::int64_t vorder) const
{
    return GLReadSizes::mapElements(target, ustride, uorder, vstride, vorder);
}

std::int64_t CallArguments::stridedBytes(std::int64_t count, std::int64_t stride, std::int64_t elementBytes) const
{
    return GLReadSizes::stridedBytes(count, stride, elementBytes);
}

std::int64_t CallArguments::imageBytes(GLenum format, GLenum type, std::int64_t width, std::int64_t height) const
{
    return GLReadSizes::imageBytes(unpack_, format, type, width, height);
}

std::int64_t CallArguments::volumeBytes(GLenum format, GLenum type, std::int64_t width, std::int64_t height,
                                        std::int64_t depth) const
{
    return GLReadSizes::imageBytes(unpack_, format, type, width, height, depth);
}

// A bitmap is an image of colour indexes, one bit each.
std::int64_t CallArguments::bitmapBytes(std::int64_t width, std::int64_t height) const
{
    const GLenum kColorIndex = 0x1900;
    const GLenum kBitmap = 0x1A00;
    return GLReadSizes::imageBytes(unpack_, kColorIndex, kBitmap, width, height);
}

std::int64_t CallArguments::unlessProxy(GLenum target, std::int64_t bytes) const
{
    return GLReadSizes::isProxy(target) ? 0 : bytes;
}

std::int64_t CallArguments::bytesOf(std::int64_t count, std::int64_t elementBytes)
{
    if (elementBytes == 0)
        return 0;
    return count > GLReadSizes::kTooLarge / elementBytes ? GLReadSizes::kTooLarge : count * elementBytes;
}

namespace {

// The table's read agrees with the fuzz target's bytes: equal, or both beyond the arrays that the target makes.
void expectAgreement(const PointerReadRule& rule, const PointerRead& read, std::int64_t bytes)
{
    if (read.kind != PointerRead::READ)
        return;
    const bool agree = bytes > CallArguments::kMaxArrayBytes ? read.bytes > CallArguments::kMaxArrayBytes
                                                             : read.bytes == std::max<std::int64_t>(bytes, 0);
    if (!agree)
        std::fprintf(stderr, "%s %s: the table reads %lld bytes, the fuzz target %lld\n", rule.operation,
                     rule.parameter, static_cast<long long>(read.bytes), static_cast<long long>(bytes));
    expect(agree, "the table reads what the fuzz target worked out");
}

}

PointerReadState CallArguments::readState() const
{
    PointerReadState state;
    state.unpack = unpack_;
    return state;
}

void CallArguments::expectTableRead(std::size_t rule, std::initializer_list<CallArgument> call,
                                    std::int64_t bytes) const
{
    const PointerReadRule& read = PointerReads::rule(rule);
    expectAgreement(read, PointerReads::read(read, call, readState()), bytes);
}

void CallArguments::expectTableIndexReads(std::size_t rule, std::initializer_list<CallArgument> call,
                                          const int* counts, std::int64_t indexBytes) const
{
    const PointerReadRule& read = PointerReads::rule(rule);
    const PointerRead arrays = PointerReads::read(read, call, readState());
    if (arrays.kind != PointerRead::READ || call.begin()[read.index].pointer() == nullptr || counts == nullptr)
        return;
    for (std::int64_t i = 0; i < arrays.pointers; ++i)
        expectAgreement(read, PointerReads::readElement(read, i, call, readState()), bytesOf(counts[i], indexBytes));
}

UnpackState CallArguments::current() const
{
    return unpack_;
}

PointerReadState CallArguments::pointerReadState() const
{
    PointerReadState state = readState();
    state.arrayBufferBound = true;
    return state;
}

// A block of no bytes still needs an address that no read may use: the end of a small allocation, which
// AddressSanitizer guards (it does not report reads of a zero-byte allocation itself).
unsigned char* CallArguments::block(std::int64_t bytes)
{
    if (bytes > kMaxArrayBytes)
        return nullptr;
    const std::int64_t allocated = bytes > 0 ? bytes : static_cast<std::int64_t>(alignof(std::max_align_t));
    blocks_.emplace_back(new unsigned char[static_cast<std::size_t>(allocated)]());
    return blocks_.back().get() + (allocated - bytes);
}

// One array in four is null: null is a meaningful argument of many calls (no length array, no pixels).
bool CallArguments::choosesNull()
{
    return data_.ConsumeIntegralInRange(0, 3) == 0;
}

// GL does not expect a null string; one in thirty-two is.
bool CallArguments::choosesNullElement()
{
    return data_.ConsumeIntegralInRange(0, 31) == 0;
}

}}}
