#include "tools/replay/UnsupportedCalls.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(UnsupportedCalls, ReportsEachKindOnceAndCountsEveryCall)
{
    std::ostringstream report;
    UnsupportedCalls calls(report);
    calls.add("glColor3fv");
    calls.add("glColor3fv");
    calls.add("glLightfv");
    EXPECT_EQ(3u, calls.count());
    EXPECT_EQ("Not replayed: glColor3fv\nNot replayed: glLightfv\n", report.str());
}

TEST(UnsupportedCalls, SummaryCountsCallsAndKinds)
{
    std::ostringstream report;
    UnsupportedCalls calls(report);
    calls.add("glColor3fv");
    calls.add("glColor3fv");
    report.str("");
    calls.summarize();
    EXPECT_EQ("2 recorded calls of 1 kinds were not replayed\n", report.str());
}

TEST(UnsupportedCalls, NoSummaryWhenEveryCallWasReplayed)
{
    std::ostringstream report;
    UnsupportedCalls calls(report);
    calls.summarize();
    EXPECT_EQ("", report.str());
}
