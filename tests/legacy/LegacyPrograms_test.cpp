// A legacy-style C program (lit_scene.c) run whole, as its users run it, and closed from outside as a person
// closes its window: built plain; built with the interception header forced in; built plain and run beside the
// interposer opengl32.dll. The error policies, on a program that makes one GL error (error_policy.c). And the
// session's settings as a whole: the first frames only, GL calls from a second thread (other_thread.c), and
// settings that make no sense.

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

// The source files as the build names them in traces and reports.
const char* const kLitScene = "tests/legacy/lit_scene.c";
const char* const kErrorPolicy = "tests/legacy/error_policy.c";

// The deliberate GL error of both programs.
const char* const kDeliberateError = "glEnable(GL_LIGHT_MODEL_TWO_SIDE)";

const ChildProcess::Environment kTraceAndLog = {{"QEL_TRACE", "trace.txt"}, {"QEL_LOG", "log.txt"}};

// Every GL function that lit_scene.c calls, and no other.
const std::set<std::string> kLitSceneFunctions = {"glBegin", "glCallList", "glClear", "glClearColor",
    "glClearDepth", "glDeleteLists", "glDepthFunc", "glEnable", "glEnd", "glEndList", "glFrustum", "glGenLists",
    "glLightModelfv", "glLightfv", "glLoadIdentity", "glMaterialf", "glMaterialfv", "glMatrixMode", "glNewList",
    "glNormal3f", "glNormal3fv", "glPopMatrix", "glPushMatrix", "glRotatef", "glShadeModel", "glTranslatef",
    "glVertex3f", "glViewport", "glActiveTexture"};

// lit_scene.c sizes its window so that the client area is 640 by 480 pixels; a snapshot holds it as RGBA bytes.
const std::size_t kLitSceneSnapshotBytes = 640 * 480 * 4;

// other_thread.c's second thread calls each of these three times, with no context current on it; the main
// thread calls none of them.
const std::vector<std::string> kOtherThreadFunctions = {"glFlush", "glGetError", "glGetString"};
const long kOtherThreadCalls = 9;

// One line of a trace: "<site>:<line>: <function>(<arguments>)", where the site is a source file or, for a
// call without one, "<module>+0x<offset>" with line 0.
struct TracedCall
{
    std::string site;
    unsigned line;
    std::string function;
    std::string arguments;
};

std::string program(const std::string& name)
{
    return ProgramFolder() + name;
}

std::vector<TracedCall> tracedCalls(const std::string& path)
{
    static const std::regex form(R"(^(.+):(\d+): (\w+)\((.*)\)$)");
    std::vector<TracedCall> calls;
    for (const std::string& text : fileLines(path))
    {
        std::smatch match;
        if (std::regex_match(text, match, form))
            calls.push_back({match[1], static_cast<unsigned>(std::stoul(match[2])), match[3], match[4]});
        else
            ADD_FAILURE() << "not a trace line: " << text;
    }
    return calls;
}

std::size_t countCalls(const std::vector<TracedCall>& calls, const std::string& function)
{
    return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(),
                                                  [&](const TracedCall& call) { return call.function == function; }));
}

std::set<std::string> glFunctions(const std::vector<TracedCall>& calls)
{
    std::set<std::string> names;
    for (const TracedCall& call : calls)
        if (call.function.compare(0, 2, "gl") == 0)
            names.insert(call.function);
    return names;
}

// The lines of a source file (named as the build names it), numbered from 1: lines[0] is empty.
std::vector<std::string> sourceLines(const std::string& file)
{
    std::vector<std::string> lines = fileLines(QEL_SOURCE_ROOT "/" + file);
    lines.insert(lines.begin(), std::string());
    return lines;
}

// The number of the only line of `file` that holds `text`; 0 when there is none or more than one.
unsigned sourceLine(const std::string& file, const std::string& text)
{
    const std::vector<std::string> lines = sourceLines(file);
    std::vector<unsigned> found;
    for (unsigned line = 1; line < lines.size(); ++line)
        if (lines[line].find(text) != std::string::npos)
            found.push_back(line);
    return found.size() == 1 ? found[0] : 0;
}

bool isSessionLine(const std::string& line)
{
    return line.compare(0, 9, "qel_ogl: ") == 0;
}

bool isSummary(const std::string& line)
{
    return std::regex_search(line, std::regex(R"(^qel_ogl: \d+ calls seen, )"));
}

// The summary line that the session writes at the end of the log; empty when there is none.
std::string summary(const std::vector<std::string>& log)
{
    for (const std::string& line : log)
        if (isSummary(line))
            return line;
    return std::string();
}

// The session's lines of the log other than its summary: the problems it reported.
std::multiset<std::string> sessionProblems(const std::vector<std::string>& log)
{
    std::multiset<std::string> problems;
    for (const std::string& line : log)
        if (isSessionLine(line) && !isSummary(line))
            problems.insert(line);
    return problems;
}

// What the summary names after "files written: "; empty when it names nothing there.
std::string filesWritten(const std::string& summaryLine)
{
    const std::string::size_type start = summaryLine.find("files written: ");
    return start == std::string::npos ? std::string() : summaryLine.substr(start + 15);
}

// The number before `what` in the summary ("3 frames"); -1 when it is missing.
long summaryCount(const std::string& summaryLine, const std::string& what)
{
    std::smatch match;
    if (!std::regex_search(summaryLine, match, std::regex("(\\d+) " + what)))
        return -1;
    return std::stol(match[1]);
}

bool contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::size_t countStartingWith(const std::vector<std::string>& lines, const std::string& start)
{
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.compare(0, start.size(), start) == 0;
    }));
}

// The names of the functions that a recording marks as called from another thread, sorted, once per mark.
std::vector<std::string> otherThreadMarks(const std::vector<std::string>& recording)
{
    static const std::regex mark(R"(^OpenGLRekorderUnsupported\("(\w+) called from another thread: not captured"\);$)");
    std::vector<std::string> names;
    for (const std::string& line : recording)
    {
        std::smatch match;
        if (std::regex_match(line, match, mark))
            names.push_back(match[1]);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The names of the files in `folder` that end in `extension`.
std::set<std::string> filesEndingIn(const std::string& folder, const std::string& extension)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == extension)
            names.insert(entry.path().filename().string());
    return names;
}

// Whether some pixel of RGBA bytes is not black.
bool hasColour(const std::vector<unsigned char>& rgba)
{
    for (std::size_t pixel = 0; pixel + 3 < rgba.size(); pixel += 4)
        if (rgba[pixel] != 0 || rgba[pixel + 1] != 0 || rgba[pixel + 2] != 0)
            return true;
    return false;
}

ChildProcess::Environment withTraceAndLog(ChildProcess::Environment settings)
{
    settings.insert(settings.end(), kTraceAndLog.begin(), kTraceAndLog.end());
    return settings;
}

// The report of the deliberate error made at `site` (a source file or a module offset) and `line`.
std::string deliberateErrorReport(const std::string& site, unsigned line)
{
    return site + "(" + std::to_string(line) + "): glEnable: invalid enumerant";
}

// The log of a run of the lit scene: the report of its deliberate error, and a summary that counts that one
// error and the frames drawn.
void expectLitSceneLog(const std::string& folder, const std::string& report)
{
    const std::vector<std::string> log = fileLines(folder + "\\log.txt");
    EXPECT_TRUE(contains(log, report)) << ::testing::PrintToString(log);
    const std::string totals = summary(log);
    EXPECT_EQ(1, summaryCount(totals, "GL errors reported")) << totals;
    EXPECT_EQ(0, summaryCount(totals, "calls from other threads")) << totals;
    EXPECT_GT(summaryCount(totals, "frames"), 0) << totals;
}

// Runs error_policy.exe under `policy` and checks that its one error was reported with the program's file and
// line before the policy acted; answers the exit code.
unsigned long runUnderErrorPolicy(const std::string& policy)
{
    const std::string folder = freshFolder("policy_" + policy);
    const unsigned long exitCode =
        runToEnd(program("error_policy.exe"), folder, {{"QEL_ON_ERROR", policy}, {"QEL_LOG", "log.txt"}});
    const std::string report = deliberateErrorReport(kErrorPolicy, sourceLine(kErrorPolicy, kDeliberateError));
    const std::vector<std::string> log = fileLines(folder + "\\log.txt");
    EXPECT_TRUE(contains(log, report)) << policy << ": " << ::testing::PrintToString(log);
    return exitCode;
}

}

TEST(LitScene, PlainBuildDrawsUntilItsWindowIsClosed)
{
    EXPECT_EQ(0u, runUntilClosed(program("lit_scene.exe"), freshFolder("plain"), {}));
}

TEST(LitScene, HeaderBuildTracesItsSourceLinesAndReportsTheErrorAtItsLineWhileRunningToItsEnd)
{
    const std::string folder = freshFolder("header");
    ASSERT_EQ(0u, runUntilClosed(program("lit_scene_intercepted.exe"), folder, kTraceAndLog));

    // Every call names the line of the source that makes it, except the one through the pointer that the
    // program fetched, which names its one call site in the program's module.
    const std::vector<TracedCall> trace = tracedCalls(folder + "\\trace.txt");
    const std::vector<std::string> source = sourceLines(kLitScene);
    std::set<std::string> pointerSites;
    for (const TracedCall& call : trace)
    {
        if (call.function == "glActiveTexture")
            pointerSites.insert(call.site + ":" + std::to_string(call.line));
        else if (call.site != kLitScene || call.line >= source.size() ||
                 source[call.line].find(call.function) == std::string::npos)
            ADD_FAILURE() << call.site << ":" << call.line << ": " << call.function << " is not a call of the source";
    }
    ASSERT_EQ(1u, pointerSites.size());
    EXPECT_TRUE(std::regex_match(*pointerSites.begin(), std::regex(R"(lit_scene_intercepted\.exe\+0x[0-9A-F]+:0)")))
        << *pointerSites.begin();
    EXPECT_EQ(kLitSceneFunctions, glFunctions(trace));

    expectLitSceneLog(folder, deliberateErrorReport(kLitScene, sourceLine(kLitScene, kDeliberateError)));
}

TEST(LitScene, PlainBuildBesideTheInterposerIsTracedWithCallSitesInItsModule)
{
    const std::string folder = freshFolder("interposer");
    ASSERT_EQ(0u, runUntilClosed(program("legacy_interposed\\lit_scene.exe"), folder, kTraceAndLog));

    const std::vector<TracedCall> trace = tracedCalls(folder + "\\trace.txt");
    const std::regex programSite(R"(lit_scene\.exe\+0x[0-9A-F]+)");
    std::string errorSite;
    for (const TracedCall& call : trace)
    {
        EXPECT_TRUE(std::regex_match(call.site, programSite) && call.line == 0)
            << call.site << ":" << call.line << ": " << call.function;
        if (call.function + "(" + call.arguments + ")" == kDeliberateError)
            errorSite = call.site;
    }
    EXPECT_EQ(kLitSceneFunctions, glFunctions(trace));
    ASSERT_FALSE(errorSite.empty()) << "the deliberate error's call is not in the trace";

    expectLitSceneLog(folder, deliberateErrorReport(errorSite, 0));
}

TEST(ErrorPolicy, ReportLetsTheProgramRunOn)
{
    EXPECT_EQ(0u, runUnderErrorPolicy("report"));
}

// The program's filter for unhandled exceptions answers a breakpoint with exit code 42.
TEST(ErrorPolicy, BreakReachesDebugBreak)
{
    EXPECT_EQ(42u, runUnderErrorPolicy("break"));
}

TEST(ErrorPolicy, AbortEndsTheProcessWithNonZeroCode)
{
    const unsigned long exitCode = runUnderErrorPolicy("abort");
    EXPECT_NE(0u, exitCode);
    EXPECT_NE(42u, exitCode) << "abort went through DebugBreak";
}

TEST(Session, OnlyTheFirstFramesAreTracedRecordedAndSavedWhileTheProgramRunsOn)
{
    const std::string folder = freshFolder("frames");
    ASSERT_EQ(0u, runUntilClosed(program("legacy_interposed\\lit_scene.exe"), folder,
                                 withTraceAndLog({{"QEL_FRAMES", "3"}, {"QEL_SNAPSHOT", "frame"},
                                                  {"QEL_RECORD", "recording"}})));

    // Each frame of lit_scene.c begins with its one glClear.
    EXPECT_EQ(3u, countCalls(tracedCalls(folder + "\\trace.txt"), "glClear"));

    const std::set<std::string> snapshots = filesEndingIn(folder, ".rgba");
    EXPECT_EQ((std::set<std::string>{"frame0.rgba", "frame1.rgba", "frame2.rgba"}), snapshots);
    for (const std::string& name : snapshots)
    {
        const std::vector<unsigned char> pixels = fileBytes(folder + "\\" + name);
        EXPECT_EQ(kLitSceneSnapshotBytes, pixels.size()) << name;
        EXPECT_TRUE(hasColour(pixels)) << name << " is black";
    }

    const std::vector<std::string> recording = fileLines(folder + "\\recording\\recording.inc");
    EXPECT_EQ(3u, countStartingWith(recording, "glClear(")) << ::testing::PrintToString(recording);
    EXPECT_EQ(3u, countStartingWith(recording, "GLRekorderSwapBuffers("));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "\\recording\\recording.dat"));

    const std::string totals = summary(fileLines(folder + "\\log.txt"));
    EXPECT_EQ(3, summaryCount(totals, "frames")) << totals;
    EXPECT_EQ("trace.txt, recording\\recording.inc, recording\\recording.dat, recording\\CMakeLists.txt, "
              "frame0.rgba to frame2.rgba",
              filesWritten(totals));
}

TEST(Session, CallsFromAnotherThreadAreNotTracedButCountedAndMarkedOncePerFunction)
{
    const std::string folder = freshFolder("threads");
    ASSERT_EQ(0u, runToEnd(program("other_thread.exe"), folder, withTraceAndLog({{"QEL_RECORD", "recording"}})));

    // The main thread's only GL call.
    EXPECT_EQ(std::set<std::string>{"glClear"}, glFunctions(tracedCalls(folder + "\\trace.txt")));
    EXPECT_EQ(kOtherThreadFunctions, otherThreadMarks(fileLines(folder + "\\recording\\recording.inc")));
    const std::string totals = summary(fileLines(folder + "\\log.txt"));
    EXPECT_EQ(kOtherThreadCalls, summaryCount(totals, "calls from other threads")) << totals;
    EXPECT_EQ(4, summaryCount(totals, "frames")) << totals;
}

TEST(Session, EachBadSettingIsReportedOnceAndTheProgramRunsOnWithoutIt)
{
    const std::string folder = freshFolder("bad_settings");
    ASSERT_EQ(0u, runUntilClosed(program("lit_scene_intercepted.exe"), folder,
                                 {{"QEL_FRAMES", "abc"}, {"QEL_ON_ERROR", "sometimes"},
                                  {"QEL_TRACE", "missing\\trace.txt"}, {"QEL_LOG", "log.txt"}}));

    const std::vector<std::string> log = fileLines(folder + "\\log.txt");
    const std::multiset<std::string> expected = {
        "qel_ogl: QEL_FRAMES=abc is not a positive number of frames; every frame is taken",
        "qel_ogl: QEL_ON_ERROR=sometimes is not report, break or abort; errors are reported",
        "qel_ogl: cannot write the trace missing\\trace.txt; calls are not traced"};
    EXPECT_EQ(expected, sessionProblems(log));
    EXPECT_FALSE(std::filesystem::exists(folder + "\\missing"));
    // The default policy: the error is reported and the program draws on.
    expectLitSceneLog(folder, deliberateErrorReport(kLitScene, sourceLine(kLitScene, kDeliberateError)));
    EXPECT_EQ("none", filesWritten(summary(log)));
}
