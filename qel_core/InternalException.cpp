#include "qel_core/InternalException.h"

namespace QEL {

InternalException::InternalException(const char* file, int line, const char* text)
    : LogicalException(file, line, text)
{
}

InternalException::InternalException(const InternalException& other) = default;

InternalException& InternalException::operator=(const InternalException& other) = default;

InternalException::~InternalException() = default;

}
