#include "qel_core/ExceptionBase.h"

#include <ostream>

namespace QEL {

ExceptionBase::ExceptionBase() = default;

ExceptionBase::ExceptionBase(const ExceptionBase& other) = default;

ExceptionBase& ExceptionBase::operator=(const ExceptionBase& other) = default;

ExceptionBase::~ExceptionBase() = default;

const char* ExceptionBase::what() const noexcept
{
    return "QEL::ExceptionBase";
}

void ExceptionBase::write(std::ostream& os) const
{
    os << what();
}

}
