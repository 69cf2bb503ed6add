// The start-up benchmark: what turning the library on for a context costs (the extension manager reads the
// driver's strings and runs the loaders of everything it offers, then the texture units are made), against a
// baseline that asks wglGetProcAddress once for every entry point of the table, on the real driver, in the same
// run. A report, not a test.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "Aim.h"
#include "BenchReport.h"
#include "HiddenContext.h"
#include "InterleavedSamples.h"
#include "Timing.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/ogl/ContextWrapped.h"

using QEL::OGL::ContextWrapped;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;

namespace {

const char* const kEntryPoints[] = {
#include "qel_ogl/extensionator/generated/EntryPointNames.inc"
};

const int kWarmUpRounds = 3;
const int kRounds = 31;
// Start-up may cost at most this much more than fetching every entry point once.
const Aim kAim = Aim::atMost(1.3);

// The time of one run of work, in microseconds.
template <class Work>
double microsecondsOf(Work work)
{
    return nanosecondsPerCall(1, work) / 1000;
}

// Summed into a value that is printed, so that no fetch can be left out.
std::uintptr_t gFetched = 0;

void fetchEveryEntryPoint()
{
    for (const char* name : kEntryPoints)
        gFetched += reinterpret_cast<std::uintptr_t>(wglGetProcAddress(name));
}

void turnLibraryOnAndOff(ContextWrapped& context)
{
    Library::initializeExtensionator(&context, ExtensionManager::InitOptions());
    Library::terminateExtensionator();
}

void run()
{
    HiddenContext hidden;
    ContextWrapped context(hidden.deviceContext(), hidden.context());
    std::printf("Start-up cost of the library on %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("%u entry points, %d warm-up rounds, %d rounds, variants interleaved\n\n",
        static_cast<unsigned>(std::size(kEntryPoints)), kWarmUpRounds, kRounds);

    InterleavedSamples samples;
    const std::size_t baseline =
        samples.add("fetch every entry point", [] { return microsecondsOf(fetchEveryEntryPoint); });
    const std::size_t startup = samples.add("library on and off",
        [&context] { return microsecondsOf([&context] { turnLibraryOnAndOff(context); }); });
    samples.run(kWarmUpRounds, kRounds);

    printTimes(samples, "median time, microseconds");
    printRatioHeading();
    printRatio(samples, startup, baseline, kAim);
    std::printf("\n(sum of the fetched addresses: %llx)\n", static_cast<unsigned long long>(gFetched));
}

}

int main()
{
    return runBenchmark("qel_bench_manager_startup", run);
}
