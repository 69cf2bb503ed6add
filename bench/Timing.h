#pragma once

#include <chrono>

// The time of one of the `calls` calls that work() makes, in nanoseconds, on the steady clock.
template <class Work>
double nanosecondsPerCall(long long calls, Work work)
{
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    work();
    const std::chrono::steady_clock::duration timed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::nano>(timed).count() / static_cast<double>(calls);
}
