// The tracer benchmark: calls traced by OpenGLTracer into an in-memory stream against a baseline that writes
// the same lines with plain stream insertions by hand, both measured in the same run. The tracer's inner
// interceptor does nothing, so that only the writing of the lines is compared. A report, not a test.

#include <windows.h>
#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "Aim.h"
#include "BenchReport.h"
#include "CallSink.h"
#include "InterleavedSamples.h"
#include "MemoryStreamBuffer.h"
#include "Timing.h"
#include "qel_ogl/extensionator/OpenGLTracer.h"
#include "qel_ogl/extensionator/TokenName.h"

using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLTracer;

namespace {

const int kCallsPerFrame = 8;
const int kFramesPerSample = 250;
const int kWarmUpRounds = 3;
const int kRounds = 1001;
// Traced calls per second should be at least 0.8 of the hand-written lines per second.
const Aim kAim = Aim::atLeast(0.8);

const std::size_t kStreamBytes = 1 << 20;

// Every call of a frame reports the same source line, so that both variants write the same text.
const char* const kFile = __FILE__;
const unsigned kLine = 120;
const GLfloat kVertices[] = {0.5f, -0.5f, 0.0f};

// A frame of calls with every kind of argument text: enumerants, integers, truth values, floats, an address
// and a name.
void tracedFrame(OpenGLInterceptor& gl)
{
    gl.cgmBindTexture(kFile, kLine, GL_TEXTURE_2D, 7);
    gl.cgmTexParameteri(kFile, kLine, GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl.cgmEnable(kFile, kLine, GL_DEPTH_TEST);
    gl.cgmColorMask(kFile, kLine, GL_TRUE, GL_FALSE, GL_TRUE, GL_TRUE);
    gl.cgmColor4f(kFile, kLine, 1.0f, 0.5f, 0.25f, 1.0f);
    gl.cgmVertexPointer(kFile, kLine, 3, GL_FLOAT, 0, kVertices);
    gl.cgmDrawArrays(kFile, kLine, GL_TRIANGLES, 0, 36);
    gl.cgmGetUniformLocation(kFile, kLine, 3, "modelView");
}

// What a trace line of a float argument holds: its bit pattern, which a replay turns back into the float, and
// its value.
void writeFloat(std::ostream& out, GLfloat value)
{
    std::int32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    out << "makeFloat(" << bits << ") /* " << value << " */";
}

void writeBool(std::ostream& out, GLboolean value)
{
    out << (value != 0 ? "GL_TRUE" : "GL_FALSE");
}

// Zero-padded upper-case hexadecimal as wide as a pointer, the stream's settings put back afterwards.
void writePointer(std::ostream& out, const void* pointer)
{
    const std::ios_base::fmtflags flags = out.flags();
    const char fill = out.fill('0');
    out << std::hex << std::uppercase << std::setw(2 * sizeof(pointer)) << reinterpret_cast<std::uintptr_t>(pointer);
    out.flags(flags);
    out.fill(fill);
}

// The lines of tracedFrame, written by hand.
void handWrittenFrame(std::ostream& out)
{
    out << kFile << ':' << kLine << ": glBindTexture(" << TokenName(GL_TEXTURE_2D) << ", " << 7u << ")\n";
    out << kFile << ':' << kLine << ": glTexParameteri(" << TokenName(GL_TEXTURE_2D) << ", "
        << TokenName(GL_TEXTURE_MIN_FILTER) << ", " << GL_LINEAR << ")\n";
    out << kFile << ':' << kLine << ": glEnable(" << TokenName(GL_DEPTH_TEST) << ")\n";
    out << kFile << ':' << kLine << ": glColorMask(";
    writeBool(out, GL_TRUE);
    out << ", ";
    writeBool(out, GL_FALSE);
    out << ", ";
    writeBool(out, GL_TRUE);
    out << ", ";
    writeBool(out, GL_TRUE);
    out << ")\n";
    out << kFile << ':' << kLine << ": glColor4f(";
    writeFloat(out, 1.0f);
    out << ", ";
    writeFloat(out, 0.5f);
    out << ", ";
    writeFloat(out, 0.25f);
    out << ", ";
    writeFloat(out, 1.0f);
    out << ")\n";
    out << kFile << ':' << kLine << ": glVertexPointer(" << 3 << ", " << TokenName(GL_FLOAT) << ", " << 0 << ", ";
    writePointer(out, kVertices);
    out << ")\n";
    out << kFile << ':' << kLine << ": glDrawArrays(" << TokenName(GL_TRIANGLES) << ", " << 0 << ", " << 36 << ")\n";
    out << kFile << ':' << kLine << ": glGetUniformLocation(" << 3u << ", " << "modelView" << ")\n";
}

// The baseline must write what the tracer writes, or the comparison means nothing.
void checkSameText(OpenGLTracer& tracer)
{
    std::ostringstream traced;
    tracer.setOutputStream(traced);
    tracedFrame(tracer);
    std::ostringstream handWritten;
    handWrittenFrame(handWritten);
    if (traced.str() != handWritten.str())
        throw std::runtime_error("the hand-written lines differ from the trace:\n" + handWritten.str() + "\n" +
            traced.str());
}

// The time of one call of the frames of a sample.
template <class Frame>
double nanosecondsPerFrameCall(Frame frame)
{
    return nanosecondsPerCall(static_cast<long long>(kFramesPerSample) * kCallsPerFrame, [&] {
        for (int done = 0; done < kFramesPerSample; ++done)
            frame();
    });
}

void run()
{
    MemoryStreamBuffer tracedBuffer(kStreamBytes);
    std::ostream traced(&tracedBuffer);
    CallSink sink;
    OpenGLTracer tracer(traced, &sink);
    checkSameText(tracer);
    tracer.setOutputStream(traced);

    MemoryStreamBuffer handWrittenBuffer(kStreamBytes);
    std::ostream handWritten(&handWrittenBuffer);

    std::printf("Tracer: OpenGLTracer against the same lines written by hand, both into memory\n");
    std::printf("%d calls per frame, %d frames per sample, %d warm-up rounds, %d rounds, variants interleaved\n\n",
        kCallsPerFrame, kFramesPerSample, kWarmUpRounds, kRounds);

    OpenGLInterceptor& top = tracer;
    InterleavedSamples samples;
    const std::size_t tracerSample =
        samples.add("OpenGLTracer", [&] { return nanosecondsPerFrameCall([&] { tracedFrame(top); }); });
    const std::size_t handWrittenSample = samples.add("hand-written stream insertions",
        [&] { return nanosecondsPerFrameCall([&] { handWrittenFrame(handWritten); }); });
    samples.run(kWarmUpRounds, kRounds);

    printTimes(samples, "median time per call, ns");
    printRatioHeading();
    printRatio(samples, handWrittenSample, tracerSample, kAim);
    std::printf("\n(%llu and %llu bytes written)\n", static_cast<unsigned long long>(tracedBuffer.bytesWritten()),
        static_cast<unsigned long long>(handWrittenBuffer.bytesWritten()));
}

}

int main()
{
    return runBenchmark("qel_bench_tracer", run);
}
