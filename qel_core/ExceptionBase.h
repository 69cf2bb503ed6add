#pragma once

#include "qel_core/qel_core_export.h"

#include <exception>
#include <iosfwd>

namespace QEL {

// Root of every exception of the QEL libraries. Besides what(), each exception can write itself to a stream.
class QEL_CORE_API ExceptionBase : public std::exception
{
public:
    ExceptionBase();
    ExceptionBase(const ExceptionBase& other);
    ExceptionBase& operator=(const ExceptionBase& other);
    ~ExceptionBase() override;

    const char* what() const noexcept override;
    // Writes the exception's description; by default the text of what().
    virtual void write(std::ostream& os) const;
};

}
