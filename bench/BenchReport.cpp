#include "BenchReport.h"

#include <cstdio>
#include <exception>
#include <string>

#include "InterleavedSamples.h"

void printTimes(const InterleavedSamples& samples, const char* heading)
{
    std::printf("%s\n", heading);
    for (std::size_t variant = 0; variant < samples.size(); ++variant)
        std::printf("  %-52s %9.2f\n", samples.name(variant).c_str(), samples.median(variant));
}

void printRatioHeading()
{
    std::printf("\n%-54s %6s  %-12s  %-7s  %s\n", "ratio of the samples of one round", "median", "quartiles",
        "target", "verdict");
}

void printRatio(const InterleavedSamples& samples, std::size_t variant, std::size_t baseline, double target)
{
    const std::string name = samples.name(variant) + " / " + samples.name(baseline);
    const double median = samples.ratio(variant, baseline, 0.5);
    std::printf("  %-52s %6.3f  %5.3f..%-5.3f", name.c_str(), median, samples.ratio(variant, baseline, 0.25),
        samples.ratio(variant, baseline, 0.75));
    if (target > 0)
        std::printf("  <= %.2f  %s\n", target, median <= target ? "met" : "NOT MET");
    else
        std::printf("  -\n");
}

int runBenchmark(const char* name, void (*run)())
{
    try
    {
        run();
    }
    catch (const std::exception& e)
    {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
    return 0;
}
