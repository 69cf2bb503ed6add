#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/PointerReads.h"
#include "qel_ogl/extensionator/UnpackStateQuery.h"

namespace QEL { namespace OGL { namespace Fuzz {

// The caller of a fuzzed GL call: its scalar arguments and its arrays, taken from the fuzzer's data. Each array
// is a heap block exactly as large as GL reads from it, so that AddressSanitizer reports a read one byte past
// it; an array that GL only writes to, or whose size nothing gives, has no bytes at all. Any array may be null
// instead. The unpack state that the recorder asks for is chosen here too, once per call. The arrays of a call
// live until the next one starts.
class CallArguments : public UnpackStateQuery
{
public:
    explicit CallArguments(FuzzedDataProvider& data);

    // Starts a new call: frees the arrays of the last one and chooses an unpack state that GL accepts.
    void next();

    // The caller's source position: null, empty or a file name.
    const char* file();
    unsigned line();

    // Mostly a small number (-2 to 13), as counts and sizes must be to fit the arrays, sometimes any value of
    // the type; floating-point values are any bit pattern.
    template <class T>
    T scalar();
    // Mostly an enumerant of the registry group whose reads GLReadSizes defines, else a scalar.
    GLenum enumerant(const char* group);

    // An array of count values that GL reads (none for a negative count).
    template <class T>
    const T* input(std::int64_t count);
    // The same for a pointer that GL reads although its prototype does not declare it const.
    template <class T>
    T* nonConstInput(std::int64_t count);
    // An array of T that GL reads `bytes` bytes of, where that is no whole number of elements.
    template <class T>
    const T* inputBytes(std::int64_t bytes);
    // An array that nothing may read: a block of no bytes.
    template <class T>
    T* unread();
    // A NUL-terminated string.
    const char* text();
    // A string marker: length bytes, or a NUL-terminated string where length is 0 (none for a negative length).
    const char* marker(std::int64_t length);
    // count strings (none for a negative count): string i has exactly lengths[i] bytes where the lengths are
    // given and that entry is not negative, and ends at its NUL otherwise.
    const char** texts(std::int64_t count, const int* lengths);
    // count pointers to data whose size nothing gives: blocks of no bytes.
    const void** pointers(std::int64_t count);
    // count index arrays (none for a negative count): array i has counts[i] indices of indexBytes each.
    const void** indexArrays(std::int64_t count, const int* counts, std::int64_t indexBytes);

    // What GL reads under this call's unpack state (GLReadSizes).
    std::int64_t texParameterValues(GLenum pname) const;
    std::int64_t parameterValues(const char* group, GLenum pname) const;
    std::int64_t typeBytes(const char* group, GLenum type) const;
    std::int64_t mapElements(GLenum target, std::int64_t stride, std::int64_t order) const;
    std::int64_t mapElements(GLenum target, std::int64_t ustride, std::int64_t uorder, std::int64_t vstride,
                             std::int64_t vorder) const;
    std::int64_t stridedBytes(std::int64_t count, std::int64_t stride, std::int64_t elementBytes) const;
    std::int64_t imageBytes(GLenum format, GLenum type, std::int64_t width, std::int64_t height) const;
    std::int64_t volumeBytes(GLenum format, GLenum type, std::int64_t width, std::int64_t height,
                             std::int64_t depth) const;
    std::int64_t bitmapBytes(std::int64_t width, std::int64_t height) const;
    // No bytes for a proxy target, `bytes` for any other.
    std::int64_t unlessProxy(GLenum target, std::int64_t bytes) const;

    // The bytes of count elements, at most GLReadSizes::kTooLarge.
    static std::int64_t bytesOf(std::int64_t count, std::int64_t elementBytes);

    // The library's table of pointer reads must agree with the bytes that this target worked out for the
    // pointer of rule `rule` in the call with these arguments, wherever the table says that GL reads them
    // (arrays larger than kMaxArrayBytes only as larger).
    void expectTableRead(std::size_t rule, std::initializer_list<CallArgument> call, std::int64_t bytes) const;
    // The same for each of the index arrays that indexArrays made (counts[i] indices of indexBytes each).
    void expectTableIndexReads(std::size_t rule, std::initializer_list<CallArgument> call, const int* counts,
                               std::int64_t indexBytes) const;

    UnpackState current() const override;
    // What the recorder sees: vertex arrays in a buffer, so that its complete mode never reads the kept client
    // pointers at a draw (they are blocks of no bytes).
    PointerReadState pointerReadState() const override;

    // Larger arrays are not made: their pointer is null.
    static const std::int64_t kMaxArrayBytes = std::int64_t{1} << 20;

private:
    // The state of this call as the table of pointer reads takes it.
    PointerReadState readState() const;
    // A zeroed array of count elements (none for a negative count); null when the fuzzer chooses null or when
    // it would be larger than kMaxArrayBytes.
    template <class T>
    T* array(std::int64_t count);
    // A zeroed block of exactly `bytes` bytes; null when it is larger than kMaxArrayBytes.
    unsigned char* block(std::int64_t bytes);
    // Fuzzed characters ending at a NUL; exactly length fuzzed bytes.
    const char* characters();
    const char* characters(std::int64_t length);
    // Whether the next array, or the next element of an array of pointers, is null instead.
    bool choosesNull();
    bool choosesNullElement();

    FuzzedDataProvider& data_;
    std::vector<std::unique_ptr<unsigned char[]>> blocks_;
    UnpackState unpack_;
};

template <class T>
T CallArguments::scalar()
{
    if constexpr (std::is_floating_point<T>::value) {
        using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        const Bits bits = data_.ConsumeIntegral<Bits>();
        T value;
        std::memcpy(&value, &bits, sizeof(value));
        return value;
    } else {
        const auto choice = data_.ConsumeIntegral<std::uint8_t>();
        if (choice < 224)
            return static_cast<T>(choice % 16 - 2);
        return data_.ConsumeIntegral<T>();
    }
}

template <class T>
const T* CallArguments::input(std::int64_t count)
{
    T* values = array<T>(count);
    if (values == nullptr)
        return nullptr;
    const std::int64_t elements = std::max<std::int64_t>(count, 0);
    if (sizeof(T) == 1) {
        data_.ConsumeData(values, static_cast<std::size_t>(elements));
    } else {
        for (std::int64_t i = 0; i < elements; ++i)
            values[i] = scalar<T>();
    }
    return values;
}

template <class T>
T* CallArguments::nonConstInput(std::int64_t count)
{
    return const_cast<T*>(input<T>(count));
}

template <class T>
const T* CallArguments::inputBytes(std::int64_t bytes)
{
    return static_cast<const T*>(static_cast<const void*>(input<unsigned char>(bytes)));
}

template <class T>
T* CallArguments::unread()
{
    return choosesNull() ? nullptr : static_cast<T*>(static_cast<void*>(block(0)));
}

template <class T>
T* CallArguments::array(std::int64_t count)
{
    const std::int64_t elements = std::max<std::int64_t>(count, 0);
    if (choosesNull() || elements > kMaxArrayBytes / static_cast<std::int64_t>(sizeof(T)))
        return nullptr;
    return reinterpret_cast<T*>(block(elements * static_cast<std::int64_t>(sizeof(T))));
}

}}}
