#pragma once

#include "qel_core/LogicalException.h"

namespace QEL {

// An argument that a caller passed in breach of an operation's contract.
class QEL_CORE_API ParameterException : public LogicalException
{
public:
    ParameterException(const char* file, int line, const char* text);
    ParameterException(const ParameterException& other);
    ParameterException& operator=(const ParameterException& other);
    ~ParameterException() override;
};

}
