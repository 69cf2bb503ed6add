#include "qel_core/CPURuntimeException.h"

#include <cstdio>
#include <ostream>

namespace QEL {

CPURuntimeException::CPURuntimeException(std::uint32_t code)
    : nCode_(code)
{
}

CPURuntimeException::CPURuntimeException(const CPURuntimeException& other) = default;

CPURuntimeException& CPURuntimeException::operator=(const CPURuntimeException& other) = default;

CPURuntimeException::~CPURuntimeException() = default;

const char* CPURuntimeException::what() const noexcept
{
    return "CPU runtime exception";
}

void CPURuntimeException::write(std::ostream& os) const
{
    // Formatted apart from the stream so that the caller's stream flags stay as they were.
    char code[11];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(nCode_));
    os << what() << ' ' << code;
}

std::uint32_t CPURuntimeException::code() const
{
    return nCode_;
}

}
