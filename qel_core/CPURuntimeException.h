#pragma once

#include "qel_core/ExceptionBase.h"

#include <cstdint>

namespace QEL {

// A fault raised by the processor or its runtime (a Windows exception code such as 0xC0000005, access
// violation), carried as a C++ exception.
class QEL_CORE_API CPURuntimeException : public ExceptionBase
{
public:
    explicit CPURuntimeException(std::uint32_t code);
    CPURuntimeException(const CPURuntimeException& other);
    CPURuntimeException& operator=(const CPURuntimeException& other);
    ~CPURuntimeException() override;

    const char* what() const noexcept override;
    // Writes "CPU runtime exception 0x" and the code in eight upper-case hexadecimal digits.
    void write(std::ostream& os) const override;

    std::uint32_t code() const;

private:
    std::uint32_t nCode_;
};

}
