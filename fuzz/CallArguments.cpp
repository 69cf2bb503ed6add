#include "fuzz/CallArguments.h"

#include <cstddef>
#include <string>

#include "fuzz/GLReadSizes.h"

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

std::int64_t CallArguments::texParameterValues(GLenum pname) const
{
    return GLReadSizes::texParameterValues(pname);
}

std::int64_t CallArguments::imageBytes(GLenum format, GLenum type, std::int64_t width, std::int64_t height) const
{
    return GLReadSizes::imageBytes(unpack_, format, type, width, height);
}

UnpackState CallArguments::current() const
{
    return unpack_;
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
