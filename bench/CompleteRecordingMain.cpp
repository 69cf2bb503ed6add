// The complete-recording benchmark: two legacy C programs of tests/legacy (fog_lights.c, vertex_arrays.c), run
// whole and unchanged beside the interposer, round by round in one run: unrecorded, and with every call
// recorded (QEL_RECORD). The programs do not time themselves: each run draws for a fixed time before its window
// is closed from outside, and the session's summary counts the frames drawn in it, so that a frame's time is
// the one over the other. Both variants check every call; the ratio is what recording adds. A report, not a
// test.

#include "Aim.h"
#include "BenchReport.h"
#include "ChildProcess.h"
#include "InterleavedSamples.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const int kWarmUpRounds = 1;
const int kRounds = 7;
// Many frames per run, so that the frames drawn before the window is found and after it is closed count
// little.
const DWORD kDrawingMs = 2000;
// A recorded frame should take at most 3 times as long as an unrecorded one.
const Aim kRecordingAim = Aim::atMost(3.0);

// The programs, with the interposer and the library's DLLs beside them (bench/CMakeLists.txt).
const char* const kInterposedFolder = "bench_recording\\";
const char* const kPrograms[] = {"fog_lights", "vertex_arrays"};
const char* const kProgramPrefix = "qel_bench_";

// What the last recorded run of a program wrote.
struct Recording
{
    long frames = 0;
    std::uintmax_t bytes = 0;
};

std::filesystem::path benchFolder()
{
    return std::filesystem::temp_directory_path() / "qel_bench_complete_recording";
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The frames that the session counted in the run whose log is in `folder`.
long countedFrames(const std::filesystem::path& folder)
{
    const std::string log = fileText(folder / "log.txt");
    std::smatch match;
    if (!std::regex_search(log, match, std::regex(R"(qel_ogl: .* (\d+) frames,)")) || std::stol(match[1]) == 0)
        throw std::runtime_error("no frames counted in " + (folder / "log.txt").string() + ": " + log);
    return std::stol(match[1]);
}

// Runs `program` in a fresh `folder` until it is closed, with the session's log and `settings`; answers the
// frames it drew.
long framesOfRun(const std::string& program, const std::filesystem::path& folder,
                 ChildProcess::Environment settings)
{
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    settings.emplace_back("QEL_LOG", "log.txt");
    ChildProcess child(ProgramFolder() + kInterposedFolder + kProgramPrefix + program + ".exe", folder.string(),
                       settings);
    const DWORD exitCode = child.closeAfterDrawing(kDrawingMs);
    if (exitCode != 0)
        throw std::runtime_error(program + " ended with code " + std::to_string(exitCode));
    return countedFrames(folder);
}

double frameTimeNs(long frames)
{
    return kDrawingMs * 1.0e6 / static_cast<double>(frames);
}

std::uintmax_t recordingBytes(const std::filesystem::path& folder)
{
    return std::filesystem::file_size(folder / "recording.inc") + std::filesystem::file_size(folder / "recording.dat");
}

void run()
{
    std::printf("Complete recording: each program drawn beside the interposer for %lu ms a run, unrecorded and with\n"
                "QEL_RECORD; frames counted by the session; %d warm-up rounds, %d rounds, variants interleaved\n\n",
        static_cast<unsigned long>(kDrawingMs), kWarmUpRounds, kRounds);

    InterleavedSamples samples;
    std::vector<std::size_t> unrecorded, recorded;
    std::vector<Recording> recordings(std::size(kPrograms));
    for (std::size_t p = 0; p < std::size(kPrograms); ++p)
    {
        const std::string program = kPrograms[p];
        const std::filesystem::path folder = benchFolder() / program;
        unrecorded.push_back(samples.add(program + ", unrecorded",
            [=] { return frameTimeNs(framesOfRun(program, folder / "unrecorded", {})); }));
        recorded.push_back(samples.add(program + ", recorded", [=, &recordings] {
            const std::filesystem::path runFolder = folder / "recorded";
            recordings[p].frames = framesOfRun(program, runFolder, {{"QEL_RECORD", "recording"}});
            recordings[p].bytes = recordingBytes(runFolder / "recording");
            return frameTimeNs(recordings[p].frames);
        }));
    }
    samples.run(kWarmUpRounds, kRounds);

    printTimes(samples, "median frame time, ns");
    printRatioHeading();
    for (std::size_t p = 0; p < std::size(kPrograms); ++p)
        printRatio(samples, recorded[p], unrecorded[p], kRecordingAim);
    std::printf("\n");
    for (std::size_t p = 0; p < std::size(kPrograms); ++p)
        std::printf("recording of %s, last recorded run: %ld frames, %llu bytes, %.0f bytes a frame\n", kPrograms[p],
            recordings[p].frames, static_cast<unsigned long long>(recordings[p].bytes),
            static_cast<double>(recordings[p].bytes) / static_cast<double>(recordings[p].frames));
    std::filesystem::remove_all(benchFolder());
}

}

int main()
{
    return runBenchmark("qel_bench_complete_recording", run);
}
