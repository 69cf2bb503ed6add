#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Samples several variants of a timed loop in rounds. Each round takes one sample of every variant, starting
// with a different variant each time, so that slow drift of the machine (clock speed, caches, other load)
// reaches all variants alike; comparisons divide samples taken in the same round.
class InterleavedSamples
{
public:
    // One sample of a variant: the time of one call in nanoseconds, measured over many calls.
    using Sample = std::function<double()>;

    // Adds a variant; answers its index.
    std::size_t add(const std::string& name, Sample sample);

    // Runs warmUpRounds rounds whose samples are dropped, then keeps the samples of `rounds` rounds.
    void run(int warmUpRounds, int rounds);

    std::size_t size() const;
    const std::string& name(std::size_t variant) const;
    double median(std::size_t variant) const;

    // The q-quantile (0..1) over the rounds of variant's sample divided by baseline's sample of that round.
    double ratio(std::size_t variant, std::size_t baseline, double q) const;

private:
    void runRound(std::size_t first, bool keep);

    std::vector<std::string> names_;
    std::vector<Sample> samples_;
    // times_[variant][round]: the kept samples.
    std::vector<std::vector<double>> times_;
};
