// The interposer benchmark: an immediate-mode C program (immediate_mode.c) that times its own frames, run whole
// in three ways, round by round in one run: plain; unchanged beside the interposer, with checking only; and
// beside the interposer with every call traced to a file. A report, not a test.

#include "Aim.h"
#include "BenchReport.h"
#include "ChildProcess.h"
#include "InterleavedSamples.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

const int kWarmUpRounds = 1;
const int kRounds = 15;
// Interposed frames with checking only should take at most 1.10 times as long as plain ones.
const Aim kCheckedAim = Aim::atMost(1.10);
// A bound on a hanging run only.
const DWORD kRunTimeoutMs = 600000;

const char* const kProgram = "qel_bench_immediate_mode.exe";
// The program again, with the interposer and the library's DLLs beside it (bench/CMakeLists.txt).
const char* const kInterposedFolder = "bench_interposed\\";
const char* const kFrameTimeText = "average frame time: ";

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A run's folder, for its output, log and trace.
std::string runFolder(const char* name)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "qel_bench_interposer" / name;
    std::filesystem::create_directories(folder);
    return folder.string();
}

// Runs the program to its end in `folder` and answers the frame time it printed, in nanoseconds.
double frameTime(const std::string& program, const std::string& folder, const ChildProcess::Environment& environment)
{
    ChildProcess child(program, folder, environment, "output.txt");
    if (!child.waitForExit(kRunTimeoutMs))
        throw std::runtime_error(program + " did not end");
    const std::string output = fileText(std::filesystem::path(folder) / "output.txt");
    const std::string::size_type found = output.find(kFrameTimeText);
    if (child.exitCode() != 0 || found == std::string::npos)
        throw std::runtime_error(program + " ended with code " + std::to_string(child.exitCode()) + ": " + output);
    return std::stod(output.substr(found + std::strlen(kFrameTimeText))) * 1000.0;
}

// A ratio of 1 would mean nothing if the program ran without the interposer: the session's summary in the
// log shows that it did not.
double interposedFrameTime(const std::string& folder, const ChildProcess::Environment& environment)
{
    const double time = frameTime(ProgramFolder() + kInterposedFolder + kProgram, folder, environment);
    if (fileText(std::filesystem::path(folder) / "log.txt").find("qel_ogl: ") == std::string::npos)
        throw std::runtime_error("the interposed program wrote no summary to " + folder + "\\log.txt");
    return time;
}

void run()
{
    const std::string plainFolder = runFolder("plain");
    const std::string checkedFolder = runFolder("checked");
    const std::string tracedFolder = runFolder("traced");

    std::printf("Interposer: %s drawn plain, beside the interposer with checking only, and with a trace file\n",
        kProgram);
    std::printf("one run of the program per sample, %d warm-up rounds, %d rounds, variants interleaved\n\n",
        kWarmUpRounds, kRounds);

    InterleavedSamples samples;
    const std::size_t plain =
        samples.add("plain", [&] { return frameTime(ProgramFolder() + kProgram, plainFolder, {}); });
    const std::size_t checked = samples.add("interposed, checking only",
        [&] { return interposedFrameTime(checkedFolder, {{"QEL_LOG", "log.txt"}}); });
    const std::size_t traced = samples.add("interposed, traced to a file", [&] {
        return interposedFrameTime(tracedFolder, {{"QEL_LOG", "log.txt"}, {"QEL_TRACE", "trace.txt"}});
    });
    samples.run(kWarmUpRounds, kRounds);

    printTimes(samples, "median frame time, ns");
    printRatioHeading();
    printRatio(samples, checked, plain, kCheckedAim);
    printRatio(samples, traced, plain, Aim::none());
    std::printf("\n(trace of the last traced run: %llu bytes)\n",
        static_cast<unsigned long long>(std::filesystem::file_size(std::filesystem::path(tracedFolder) / "trace.txt")));
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / "qel_bench_interposer");
}

}

int main()
{
    return runBenchmark("qel_bench_interposer", run);
}
