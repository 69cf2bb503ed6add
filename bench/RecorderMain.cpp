// The recorder benchmark: glTexImage2D calls of 4 MiB images recorded by OpenGLRekorder against a plain
// ostream::write of the same bytes, both into memory, in the same run. The recorder asks the unpack state of
// a real context, as it does in a host; its inner interceptor does nothing, so that the driver's upload is
// not measured. A report, not a test.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "Aim.h"
#include "BenchReport.h"
#include "CallSink.h"
#include "HiddenContext.h"
#include "InterleavedSamples.h"
#include "MemoryStreamBuffer.h"
#include "Timing.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"

using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLRekorder;

namespace {

// A 1024 x 1024 RGBA image of one byte per component: 4 MiB.
const int kSide = 1024;
const std::size_t kImageBytes = 4u * kSide * kSide;
// The size field in front of each record.
const std::uint64_t kSizeFieldBytes = 4;

const int kWarmUpRounds = 3;
const int kRounds = 1001;
// Recorded bytes per second should be at least 0.9 of the written bytes per second.
const Aim kAim = Aim::atLeast(0.9);

// Room for two records: the recorded data is copied out of the image as it would be into a file's buffer.
const std::size_t kDataStreamBytes = 2 * kImageBytes + 64;
const std::size_t kTextStreamBytes = 1 << 16;

void recordImage(OpenGLInterceptor& gl, const std::vector<unsigned char>& image)
{
    gl.cgmTexImage2D(__FILE__, __LINE__, GL_TEXTURE_2D, 0, GL_RGBA8, kSide, kSide, 0, GL_RGBA, GL_UNSIGNED_BYTE,
        image.data());
}

// The recorder must write a record of the whole image (not a note that it could not), or the comparison means
// nothing.
void checkRecordWritten(OpenGLInterceptor& gl, const std::vector<unsigned char>& image,
    const MemoryStreamBuffer& data)
{
    const std::uint64_t before = data.bytesWritten();
    recordImage(gl, image);
    if (data.bytesWritten() - before != kSizeFieldBytes + kImageBytes)
        throw std::runtime_error("the recorder did not write a record of the image");
}

// The time of one record, in microseconds: one record per sample, so that a sample is short and seldom
// interrupted on a busy machine.
template <class Record>
double microsecondsPerRecord(Record record)
{
    return nanosecondsPerCall(1, record) / 1000;
}

void run()
{
    HiddenContext context;
    std::vector<unsigned char> image(kImageBytes);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 7);

    MemoryStreamBuffer textBuffer(kTextStreamBytes);
    std::ostream text(&textBuffer);
    MemoryStreamBuffer recordedBuffer(kDataStreamBytes);
    std::ostream recorded(&recordedBuffer);
    MemoryStreamBuffer writtenBuffer(kDataStreamBytes);
    std::ostream written(&writtenBuffer);

    CallSink sink;
    OpenGLRekorder recorder(text, recorded, &sink, false);
    OpenGLInterceptor& top = recorder;
    checkRecordWritten(top, image, recordedBuffer);

    std::printf("Recorder: glTexImage2D records of %u KiB images against ostream::write of the same bytes, "
        "both into memory, on %s\n", static_cast<unsigned>(kImageBytes / 1024),
        reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("one record per sample, %d warm-up rounds, %d rounds, variants interleaved\n\n", kWarmUpRounds,
        kRounds);

    InterleavedSamples samples;
    const std::size_t recorderSample = samples.add("OpenGLRekorder glTexImage2D",
        [&] { return microsecondsPerRecord([&] { recordImage(top, image); }); });
    const std::size_t writeSample = samples.add("ostream::write", [&] {
        return microsecondsPerRecord(
            [&] { written.write(reinterpret_cast<const char*>(image.data()), kImageBytes); });
    });
    samples.run(kWarmUpRounds, kRounds);

    printTimes(samples, "median time per record, microseconds");
    printRatioHeading();
    printRatio(samples, writeSample, recorderSample, kAim);
    std::printf("\n(%llu and %llu bytes written)\n", static_cast<unsigned long long>(recordedBuffer.bytesWritten()),
        static_cast<unsigned long long>(writtenBuffer.bytesWritten()));
}

}

int main()
{
    return runBenchmark("qel_bench_recorder", run);
}
