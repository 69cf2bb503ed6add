#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "qel_ogl/extensionator/GLTypes.h"
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
    // An array that nothing may read: a block of no bytes.
    template <class T>
    T* unread();
    // A NUL-terminated string.
    const char* text();
    // count strings (none for a negative count): string i has exactly lengths[i] bytes where the lengths are
    // given and that entry is not negative, and ends at its NUL otherwise.
    const char** texts(std::int64_t count, const int* lengths);
    // count pointers to data whose size nothing gives: blocks of no bytes.
    const void** pointers(std::int64_t count);

    // What GL reads under this call's unpack state (GLReadSizes).
    std::int64_t texParameterValues(GLenum pname) const;
    std::int64_t imageBytes(GLenum format, GLenum type, std::int64_t width, std::int64_t height) const;

    UnpackState current() const override;

    // Larger arrays are not made: their pointer is null.
    static const std::int64_t kMaxArrayBytes = std::int64_t{1} << 20;

private:
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
