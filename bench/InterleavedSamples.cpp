#include "InterleavedSamples.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The nearest-rank q-quantile of values; values is taken by copy, since it gets sorted.
double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::lround(q * static_cast<double>(values.size() - 1)));
    return values[rank];
}

}

std::size_t InterleavedSamples::add(const std::string& name, Sample sample)
{
    names_.push_back(name);
    samples_.push_back(std::move(sample));
    times_.emplace_back();
    return names_.size() - 1;
}

void InterleavedSamples::run(int warmUpRounds, int rounds)
{
    for (int round = 0; round < warmUpRounds + rounds; ++round)
        runRound(static_cast<std::size_t>(round) % samples_.size(), round >= warmUpRounds);
}

// Variants first, first + 1, ... wrapping round: over the rounds each variant runs in each position.
void InterleavedSamples::runRound(std::size_t first, bool keep)
{
    for (std::size_t offset = 0; offset < samples_.size(); ++offset)
    {
        const std::size_t variant = (first + offset) % samples_.size();
        const double time = samples_[variant]();
        if (keep)
            times_[variant].push_back(time);
    }
}

std::size_t InterleavedSamples::size() const
{
    return names_.size();
}

const std::string& InterleavedSamples::name(std::size_t variant) const
{
    return names_[variant];
}


double InterleavedSamples::median(std::size_t variant) const
{
    return quantile(times_[variant], 0.5);
}

double InterleavedSamples::ratio(std::size_t variant, std::size_t baseline, double q) const
{
    std::vector<double> ratios;
    for (std::size_t round = 0; round < times_[variant].size(); ++round)
        ratios.push_back(times_[variant][round] / times_[baseline][round]);
    return quantile(ratios, q);
}
