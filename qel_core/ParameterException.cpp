#include "qel_core/ParameterException.h"

namespace QEL {

ParameterException::ParameterException(const char* file, int line, const char* text)
    : LogicalException(file, line, text)
{
}

ParameterException::ParameterException(const ParameterException& other) = default;

ParameterException& ParameterException::operator=(const ParameterException& other) = default;

ParameterException::~ParameterException() = default;

}
