#include "qel_ogl/extensionator/CallText.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "qel_ogl/extensionator/TokenName.h"

namespace QEL { namespace OGL {

namespace {

const unsigned kMaxPointerDigits = 2 * sizeof(std::uintptr_t);
const unsigned kMaxDigits = 2 * sizeof(std::uint64_t);

// Upper-case hexadecimal without prefix, at least minDigits and at most maxDigits wide, digit by digit into a
// buffer, so that neither the stream's flags nor the runtime shape the text; written unformatted, so that a
// width the host set stays for its own next insertion.
std::ostream& writeHexDigits(std::ostream& out, std::uint64_t bits, unsigned minDigits, unsigned maxDigits)
{
    static const char kHexDigits[] = "0123456789ABCDEF";
    char text[kMaxDigits];
    unsigned used = 0;
    for (unsigned i = kMaxDigits; i-- > 0; bits >>= 4) {
        text[i] = kHexDigits[bits & 0xF];
        if (bits != 0)
            used = kMaxDigits - i;
    }
    const unsigned width = std::min(maxDigits, std::max({used, minDigits, 1u}));
    return out.write(text + kMaxDigits - width, width);
}

}

std::int32_t CallText::floatBits(GLfloat value)
{
    static_assert(sizeof(GLfloat) == sizeof(std::int32_t), "GLfloat is an IEEE-754 single");
    std::int32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

std::ostream& operator<<(std::ostream& out, CallText::Enum value)
{
    return out << TokenName(value.value);
}

std::ostream& operator<<(std::ostream& out, CallText::Bool value)
{
    return out << boolToString(value.value != 0);
}

std::ostream& operator<<(std::ostream& out, CallText::Float value)
{
    return out << "makeFloat(" << CallText::floatBits(value.value) << ") /* " << value.value << " */";
}

std::ostream& operator<<(std::ostream& out, CallText::Double value)
{
    static_assert(sizeof(GLdouble) == sizeof(std::uint64_t), "GLdouble is an IEEE-754 double");
    std::uint64_t bits;
    std::memcpy(&bits, &value.value, sizeof(bits));
    out << "makeDouble(0x";
    writeHexDigits(out, bits, kMaxDigits, kMaxDigits);
    return out << ") /* " << value.value << " */";
}

std::ostream& operator<<(std::ostream& out, CallText::Handle value)
{
    return out << "(GLhandleARB)" << value.value;
}

std::ostream& operator<<(std::ostream& out, CallText::Pointer value)
{
    return writeHexDigits(out, reinterpret_cast<std::uintptr_t>(value.address), value.digits, kMaxPointerDigits);
}

std::ostream& operator<<(std::ostream& out, CallText::Text value)
{
    return out << (value.text != nullptr ? value.text : "NULL");
}

}}
