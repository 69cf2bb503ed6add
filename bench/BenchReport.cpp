#include "BenchReport.h"

#include <cstdio>
#include <exception>
#include <string>

#include "Aim.h"
#include "InterleavedSamples.h"

void printTimes(const InterleavedSamples& samples, const char* heading)
{
    std::printf("%s\n", heading);
    for (std::size_t variant = 0; variant < samples.size(); ++variant)
        std::printf("  %-52s %9.2f\n", samples.name(variant).c_str(), samples.median(variant));
}

void printRatioHeading()
{
    std::printf("\n%-54s %6s  %-13s  %-13s  %s\n", "time ratio of the samples of one round", "median",
        "quartiles", "aim", "verdict");
}

void printRatio(const InterleavedSamples& samples, std::size_t numerator, std::size_t denominator, const Aim& aim)
{
    const std::string name = samples.name(numerator) + " / " + samples.name(denominator);
    const double median = samples.ratio(numerator, denominator, 0.5);
    std::printf("  %-52s %6.3f  %6.3f..%-6.3f %-13s", name.c_str(), median,
        samples.ratio(numerator, denominator, 0.25), samples.ratio(numerator, denominator, 0.75), aim.text().c_str());
    if (aim.isSet())
        std::printf("  %s", aim.isMet(median) ? "met" : "NOT MET");
    std::printf("\n");
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
