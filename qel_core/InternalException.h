#pragma once

#include "qel_core/LogicalException.h"

namespace QEL {

// A failed precondition or assertion inside the QEL libraries: the kind that every library check throws.
class QEL_CORE_API InternalException : public LogicalException
{
public:
    InternalException(const char* file, int line, const char* text);
    InternalException(const InternalException& other);
    InternalException& operator=(const InternalException& other);
    ~InternalException() override;
};

}
