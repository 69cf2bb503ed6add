#include "qel_core/LogicalException.h"

namespace QEL {

namespace {

std::string orEmpty(const char* s)
{
    return s ? std::string(s) : std::string();
}

}

LogicalException::LogicalException(const char* file, int line, const char* text)
    : sFile_(orEmpty(file)), nLine_(line), sText_(orEmpty(text))
    , sMessage_(sFile_ + "(" + std::to_string(nLine_) + "): " + sText_)
{
}

LogicalException::LogicalException(const LogicalException& other) = default;

LogicalException& LogicalException::operator=(const LogicalException& other) = default;

LogicalException::~LogicalException() = default;

const char* LogicalException::what() const noexcept
{
    return sMessage_.c_str();
}

const char* LogicalException::file() const
{
    return sFile_.c_str();
}

int LogicalException::line() const
{
    return nLine_;
}

const char* LogicalException::text() const
{
    return sText_.c_str();
}

}
