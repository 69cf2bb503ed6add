#pragma once

#include <cstddef>

class InterleavedSamples;

// What every benchmark prints: the median time of each variant, and ratios of samples taken in the same
// round with their quartiles, checked against a target where the benchmark has one.

void printTimes(const InterleavedSamples& samples, const char* heading);

// The heading of the ratio lines.
void printRatioHeading();

// One ratio line: variant / baseline, with the verdict against `target` (a ratio must not exceed it), or "-"
// when target is 0.
void printRatio(const InterleavedSamples& samples, std::size_t variant, std::size_t baseline, double target);

// Runs a benchmark: answers 0 when the measurement completed, whatever the verdicts (a benchmark reports, it
// does not test), and 1 with a message on stderr when it could not measure.
int runBenchmark(const char* name, void (*run)());
