#pragma once

#include <cstddef>

class Aim;
class InterleavedSamples;

// What every benchmark prints: the median time of each variant, and ratios of samples taken in the same
// round with their quartiles, each with its aim and whether the median meets it.

void printTimes(const InterleavedSamples& samples, const char* heading);

// The heading of the ratio lines.
void printRatioHeading();

// One ratio line: the time of variant `numerator` divided by that of `denominator`, with the aim and the verdict
// ("met" or "NOT MET", the last word of the line; none when no aim is set). A time ratio reads both ways: a
// checked call at most 1.15 times its direct call, or a baseline that takes at least 5 times as long as the
// variant (which is then at least 5 times as fast).
void printRatio(const InterleavedSamples& samples, std::size_t numerator, std::size_t denominator, const Aim& aim);

// Runs a benchmark: answers 0 when the measurement completed, whatever the verdicts (a benchmark reports, it
// does not test), and 1 with a message on stderr when it could not measure.
int runBenchmark(const char* name, void (*run)());
