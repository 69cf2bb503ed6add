// The call-cost benchmark: what a GL call made through the checked chain costs against the same call made
// directly, on the real driver, with every baseline measured in this same run. A report, not a test: it
// exits 0 whenever the measurement completed, whatever the verdicts, and 1 with a message on stderr when it
// could not measure.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>
#include <cstdio>
#include <stdexcept>

#include "Aim.h"
#include "BenchReport.h"
#include "CallLoops.h"
#include "HiddenContext.h"
#include "InterleavedSamples.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"

using QEL::OGL::OpenGLInterceptor;

namespace {

// Enough calls per sample that reading the clock (100 ns resolution under Wine) does not matter; a multiple
// of the vertex loops' glBegin/glEnd pair (CallLoops).
const int kCallsPerSample = 10000;
const int kWarmUpRounds = 3;
const int kRounds = 1001;
// The checked call may cost at most this much more than its baseline.
const Aim kAim = Aim::atMost(1.15);

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
    printRatioHeading();
    printRatio(inside, checkedVertex, directVertex, kAim);
    printRatio(outside, checkedColor, directColor, Aim::none());
    printRatio(outside, checkedColor, directColorAndError, kAim);
}

}

int main()
{
    return runBenchmark("qel_bench_checked_calls", run);
}
