#include "qel_core/ResourceException.h"

#include <ostream>

namespace QEL {

ResourceException::ResourceException(std::uint32_t resource, std::uint32_t requested, std::uint32_t available)
    : nResource_(resource), nRequested_(requested), nAvailable_(available)
{
}

ResourceException::ResourceException(const ResourceException& other) = default;

ResourceException& ResourceException::operator=(const ResourceException& other) = default;

ResourceException::~ResourceException() = default;

const char* ResourceException::what() const noexcept
{
    return "Resource exhausted";
}

void ResourceException::write(std::ostream& os) const
{
    os << what() << ": resource " << nResource_ << ", requested " << nRequested_ << ", available " << nAvailable_;
}

std::uint32_t ResourceException::resource() const
{
    return nResource_;
}

std::uint32_t ResourceException::requested() const
{
    return nRequested_;
}

std::uint32_t ResourceException::available() const
{
    return nAvailable_;
}

}
