#pragma once

#include <string>

// The aim of a benchmark ratio: a bound that the median ratio should keep, from above or from below, or none
// where a ratio is printed for information only.
class Aim
{
public:
    static Aim none();
    static Aim atMost(double bound);
    static Aim atLeast(double bound);

    bool isSet() const;
    bool isMet(double ratio) const;
    // "at most 1.15", "at least 5.00", or "-" when no aim is set.
    std::string text() const;

private:
    enum Kind { NONE, AT_MOST, AT_LEAST };

    Aim(Kind kind, double bound);

    Kind kind_;
    double bound_;
};
