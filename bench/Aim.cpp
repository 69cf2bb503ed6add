#include "Aim.h"

#include <cstdio>

Aim Aim::none()
{
    return Aim(NONE, 0);
}

Aim Aim::atMost(double bound)
{
    return Aim(AT_MOST, bound);
}

Aim Aim::atLeast(double bound)
{
    return Aim(AT_LEAST, bound);
}

Aim::Aim(Kind kind, double bound)
    : kind_(kind), bound_(bound)
{
}

bool Aim::isSet() const
{
    return kind_ != NONE;
}

bool Aim::isMet(double ratio) const
{
    switch (kind_)
    {
    case AT_MOST:
        return ratio <= bound_;
    case AT_LEAST:
        return ratio >= bound_;
    default:
        return true;
    }
}

std::string Aim::text() const
{
    if (kind_ == NONE)
        return "-";
    char text[32];
    std::snprintf(text, sizeof(text), "%s %.2f", kind_ == AT_MOST ? "at most" : "at least", bound_);
    return text;
}
