#pragma once

#include "qel_core/ExceptionBase.h"

#include <cstdint>

namespace QEL {

// A resource that ran out: which one (an identifier of the thrower's choosing), how much was asked for and
// how much was left.
class QEL_CORE_API ResourceException : public ExceptionBase
{
public:
    ResourceException(std::uint32_t resource, std::uint32_t requested, std::uint32_t available);
    ResourceException(const ResourceException& other);
    ResourceException& operator=(const ResourceException& other);
    ~ResourceException() override;

    const char* what() const noexcept override;
    // Writes "Resource exhausted: resource R, requested N, available M".
    void write(std::ostream& os) const override;

    std::uint32_t resource() const;
    std::uint32_t requested() const;
    std::uint32_t available() const;

private:
    std::uint32_t nResource_;
    std::uint32_t nRequested_;
    std::uint32_t nAvailable_;
};

}
