// The call-cost benchmark: what a GL call made through the checked chain costs against the same call made
// directly, on the real driver, with every baseline measured in this same run. A report, not a test: it
// exits 0 whenever the measurement completed, whatever the verdicts, and 1 with a message on stderr when it
// could not measure.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "CallLoops.h"
#include "HiddenContext.h"
#include "InterleavedSamples.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"

using QEL::OGL::OpenGLInterceptor;

namespace {

// Enough calls per sample that reading the clock (100 ns resolution under Wine) does not matter; a multiple
// of the vertex loops' glBegin/glEnd pair (CallLoops).
const int kCallsPerSample = 100000;
const int kWarmUpRounds = 3;
const int kRounds = 101;
// The checked call may cost at most this much more than its baseline.
const double kTarget = 1.15;

void printTimes(const InterleavedSamples& samples, const char* heading)
{
    std::printf("%s\n", heading);
    for (std::size_t variant = 0; variant < samples.size(); ++variant)
        std::printf("  %-52s %6.2f\n", samples.name(variant).c_str(), samples.median(variant));
}

// The median ratio with its quartiles, then against a target the verdict, or "-" for a figure without one.
void printRatio(const InterleavedSamples& samples, std::size_t variant, std::size_t baseline, bool targeted)
{
    const std::string name = samples.name(variant) + " / " + samples.name(baseline);
    const double median = samples.ratio(variant, baseline, 0.5);
    std::printf("  %-52s %6.3f  %5.3f..%-5.3f", name.c_str(), median, samples.ratio(variant, baseline, 0.25),
        samples.ratio(variant, baseline, 0.75));
    if (targeted)
        std::printf("  <= %.2f  %s\n", kTarget, median <= kTarget ? "met" : "NOT MET");
    else
        std::printf("  -\n");
}

void run()
{
    HiddenContext context;
    std::printf("Call cost of the checked chain on %s\n",
        reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("%d calls per sample, %d warm-up rounds, %d rounds, variants interleaved\n\n",
        kCallsPerSample, kWarmUpRounds, kRounds);

    CallLoops loops(kCallsPerSample);

    InterleavedSamples inside;
    const std::size_t directVertex = inside.add("direct glVertex3f", [&] { return loops.directVertex(); });
    const std::size_t checkedVertex = inside.add("checked cgmVertex3f", [&] { return loops.checkedVertex(); });
    inside.run(kWarmUpRounds, kRounds);

    InterleavedSamples outside;
    const std::size_t directColor = outside.add("direct glColor3f", [&] { return loops.directColor(); });
    const std::size_t directColorAndError =
        outside.add("direct glColor3f + glGetError", [&] { return loops.directColorAndError(); });
    const std::size_t checkedColor = outside.add("checked cgmColor3f", [&] { return loops.checkedColor(); });
    outside.run(kWarmUpRounds, kRounds);

    if (loops.errors() != 0)
        throw std::runtime_error("glGetError reported errors during the measurement");
    OpenGLInterceptor::destroy();

    std::printf("median time per call, ns\n");
    printTimes(inside, "inside glBegin/glEnd");
    printTimes(outside, "outside glBegin/glEnd");
    std::printf("\n%-54s %6s  %-12s  %-7s  %s\n", "ratio of the samples of one round", "median", "quartiles",
        "target", "verdict");
    printRatio(inside, checkedVertex, directVertex, true);
    printRatio(outside, checkedColor, directColor, false);
    printRatio(outside, checkedColor, directColorAndError, true);
}

}

int main()
{
    try
    {
        run();
    }
    catch (const std::exception& e)
    {
        std::fflush(stdout);
        std::fprintf(stderr, "qel_bench_checked_calls: %s\n", e.what());
        return 1;
    }
    return 0;
}
