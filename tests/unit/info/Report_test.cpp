#include "Report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// A report with a fact of every kind, a nested section and a list.
Report sample()
{
    Report report;
    report.addText("vendor", "vendor", "Mesa \"llvmpipe\"\\\n");
    report.addNumber("units", "texture units", -32);
    report.addFlag("npot", "non-power-of-two", true);
    Report& version = report.addSection("version", "version");
    version.addNumber("major", "major", 4);
    version.addAbsent("release", "release");
    report.addList("names", "names", {"GL_A", "GL_B"});
    report.addList("empty", "empty", {});
    return report;
}

std::string text(const Report& report)
{
    std::ostringstream out;
    report.writeText(out);
    return out.str();
}

std::string json(const Report& report)
{
    std::ostringstream out;
    report.writeJson(out);
    return out.str();
}

}

TEST(Report, TextAlignsLabelsPerSectionAndIndentsSections)
{
    EXPECT_EQ("vendor:           Mesa \"llvmpipe\"\\\n\n"
              "texture units:    -32\n"
              "non-power-of-two: yes\n"
              "version\n"
              "  major:   4\n"
              "  release: none\n"
              "names (2):\n"
              "  GL_A GL_B\n"
              "empty (0):\n",
              text(sample()));
}

TEST(Report, JsonKeepsTheOrderAndEscapesTexts)
{
    EXPECT_EQ("{\n"
              "  \"vendor\": \"Mesa \\\"llvmpipe\\\"\\\\\\n\",\n"
              "  \"units\": -32,\n"
              "  \"npot\": true,\n"
              "  \"version\": {\n"
              "    \"major\": 4,\n"
              "    \"release\": null\n"
              "  },\n"
              "  \"names\": [\"GL_A\", \"GL_B\"],\n"
              "  \"empty\": []\n"
              "}\n",
              json(sample()));
}

TEST(Report, JsonEscapesControlCharactersAndWritesAnEmptyReport)
{
    Report report;
    report.addText("text", "text", std::string("a\tb\x01", 4));
    report.addSection("nothing", "nothing");
    EXPECT_EQ("{\n  \"text\": \"a\\tb\\u0001\",\n  \"nothing\": {}\n}\n", json(report));
    EXPECT_EQ("{}\n", json(Report()));
}

TEST(Report, ListLinesStopAtOneHundredColumns)
{
    Report report;
    const std::string name(30, 'x');
    const std::string longName(120, 'y');
    report.addList("names", "names", {name, name, name, name, longName, name});
    // Three names and their blanks fill 2 + 92 columns; a fourth would pass 100. A longer name stands alone.
    EXPECT_EQ("names (6):\n  " + name + " " + name + " " + name + "\n  " + name + "\n  " + longName + "\n  " +
                  name + "\n",
              text(report));
}

TEST(Report, SectionsStayValidWhileFactsAreAdded)
{
    Report report;
    Report& first = report.addSection("first", "first");
    for (int i = 0; i < 100; ++i)
        report.addNumber("n" + std::to_string(i), "n", i);
    first.addFlag("late", "late", false);
    EXPECT_NE(std::string::npos, json(report).find("\"first\": {\n    \"late\": false\n  }"));
}
