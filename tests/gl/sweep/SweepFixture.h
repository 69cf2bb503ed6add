#pragma once

#include "GLContextFixture.h"
#include "LibraryFixture.h"
#include "Sweep.h"

#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"

#include <GL/glext.h>

#include <climits>
#include <sstream>

// A current context of the real driver with the library on for it.
class LibraryOnSweep : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }
};

inline const Expected kInternal = Expected::thrown<QEL::InternalException>();
inline const Expected kLogical = Expected::thrown<QEL::LogicalException>();
inline const Expected kAnswered = Expected::answered();

inline std::unique_ptr<NoSubject> noSubject()
{
    return std::make_unique<NoSubject>();
}

// A subject's state as text, "name=3 size=16", from its fields in order.
template <class... Fields>
std::string describe(const Fields&... fields)
{
    std::ostringstream text;
    (text << ... << fields);
    return text.str();
}
