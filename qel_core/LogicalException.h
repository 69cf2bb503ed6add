#pragma once

#include "qel_core/ExceptionBase.h"

#include <string>

namespace QEL {

// A failed check in a program: where it failed (source file and line) and what failed. The strings are
// copied, because a message composed at the throw site lives in a temporary that dies while the exception
// propagates. what(), and so write(), give "file(line): text", the form that IDE output windows turn into a
// link.
class QEL_CORE_API LogicalException : public ExceptionBase
{
public:
    // A null file or text counts as empty.
    LogicalException(const char* file, int line, const char* text);
    LogicalException(const LogicalException& other);
    LogicalException& operator=(const LogicalException& other);
    ~LogicalException() override;

    const char* what() const noexcept override;

    const char* file() const;
    int line() const;
    const char* text() const;

private:
    std::string sFile_;
    int nLine_;
    std::string sText_;
    std::string sMessage_;
};

}
