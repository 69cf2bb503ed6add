// A legacy-style C program (lit_scene.c) run whole, as its users run it, and closed from outside as a person
// closes its window: built plain; built with the interception header forced in; built plain and run beside the
// interposer opengl32.dll. And the error policies, on a program that makes one GL error (error_policy.c).

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The summary line that the session writes at the end of the log; empty when there is none.
std::string summary(const std::vector<std::string>& log)
{
    for (const std::string& line : log)
        if (line.compare(0, 9, "qel_ogl: ") == 0)
            return line;
    return std::string();
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
