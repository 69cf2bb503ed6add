// The token-name benchmark: TokenName against a std::map lookup of the same table, both asked for every value
// of the table and a few values without a name, in one fixed shuffled order. A report, not a test: it exits 0
// whenever the measurement completed, and 1 with a message on stderr when it could not measure.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "Aim.h"
#include "BenchReport.h"
#include "InterleavedSamples.h"
#include "Timing.h"
#include "qel_ogl/extensionator/TokenName.h"

namespace {

struct TokenRow
{
    GLenum value;
    const char* name;
};

const TokenRow kTokenRows[] = {
#include "qel_ogl/extensionator/generated/TokenTable.inc"
};

// Values without a name: colour and depth bits together, gaps between named values, values from 0x10000 up.
const GLenum kUnnamedValues[] = {0x4100, 0x000E, 0x8E13, 0x10001, 0x8000000F, 0xFFFFFFFE};

// Each sample looks every value up this many times.
const int kRepeatsPerSample = 10;
const int kWarmUpRounds = 3;
const int kRounds = 1001;
// TokenName should be at least five times as fast as the map.
const Aim kAim = Aim::atLeast(5);

// Every answer is summed into a value that is printed, so that no lookup can be left out.
std::uintptr_t gAnswers = 0;

using TokenMap = std::map<GLenum, const char*>;

const char* mapLookup(const TokenMap& map, GLenum value)
{
    const TokenMap::const_iterator found = map.find(value);
    return found != map.end() ? found->second : "Unknown Token";
}

// The same order in every run: a fixed seed, and a shuffle that visits the table in no useful order.
std::vector<GLenum> lookupOrder()
{
    std::vector<GLenum> values(std::begin(kUnnamedValues), std::end(kUnnamedValues));
    for (const TokenRow& row : kTokenRows)
        values.push_back(row.value);
    std::shuffle(values.begin(), values.end(), std::mt19937(20240501));
    return values;
}

// The baseline must answer what TokenName answers, or the comparison means nothing.
void checkSameAnswers(const TokenMap& map, const std::vector<GLenum>& values)
{
    for (GLenum value : values)
    {
        if (std::strcmp(mapLookup(map, value), TokenName(value)) != 0)
            throw std::runtime_error("the map and TokenName answer differently for value " + std::to_string(value));
    }
}

template <class Lookup>
double nanosecondsPerLookup(const std::vector<GLenum>& values, Lookup lookup)
{
    return nanosecondsPerCall(static_cast<long long>(kRepeatsPerSample) * values.size(), [&] {
        for (int repeat = 0; repeat < kRepeatsPerSample; ++repeat)
        {
            for (GLenum value : values)
                gAnswers += reinterpret_cast<std::uintptr_t>(lookup(value));
        }
    });
}

void run()
{
    TokenMap map;
    for (const TokenRow& row : kTokenRows)
        map.emplace(row.value, row.name);
    const std::vector<GLenum> values = lookupOrder();
    checkSameAnswers(map, values);

    std::printf("Token-name lookup: TokenName against std::map over the same %u rows\n",
        static_cast<unsigned>(std::size(kTokenRows)));
    std::printf("%u values (%u without a name) in a fixed shuffled order, each looked up %d times per sample, "
        "%d warm-up rounds, %d rounds, variants interleaved\n\n", static_cast<unsigned>(values.size()),
        static_cast<unsigned>(std::size(kUnnamedValues)), kRepeatsPerSample, kWarmUpRounds, kRounds);

    InterleavedSamples samples;
    const std::size_t tokenName = samples.add("TokenName", [&] { return nanosecondsPerLookup(values, TokenName); });
    const std::size_t mapFind = samples.add("std::map<GLenum, const char*>::find",
        [&] { return nanosecondsPerLookup(values, [&map](GLenum value) { return mapLookup(map, value); }); });
    samples.run(kWarmUpRounds, kRounds);

    printTimes(samples, "median time per lookup, ns");
    printRatioHeading();
    printRatio(samples, mapFind, tokenName, kAim);
    std::printf("\n(sum of the answers: %llx)\n", static_cast<unsigned long long>(gAnswers));
}

}

int main()
{
    return runBenchmark("qel_bench_token_name", run);
}
