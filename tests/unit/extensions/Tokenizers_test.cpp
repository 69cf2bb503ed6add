#include "qel_ogl/extensionator/Tokenizers.h"

#include <gmock/gmock.h>

using QEL::OGL::tokenizeExtensionString;
using QEL::OGL::tokenizeVersionString;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// What a version string splits into. Major and minor start at a marker value, so that a number the parse
// does not write can be told from one it reads as 0.
struct Version
{
    unsigned major = 99;
    unsigned minor = 99;
    int release = 99;
    std::string additional = "untouched";
};

Version parse(const std::string& text)
{
    Version version;
    tokenizeVersionString(text, version.major, version.minor, version.release, version.additional);
    return version;
}

void expectVersion(const std::string& text, unsigned major, unsigned minor, int release, const char* additional)
{
    SCOPED_TRACE(text);
    const Version version = parse(text);
    EXPECT_EQ(major, version.major);
    EXPECT_EQ(minor, version.minor);
    EXPECT_EQ(release, version.release);
    EXPECT_EQ(additional, version.additional);
}

std::vector<std::string> split(const std::string& text)
{
    std::vector<std::string> names;
    tokenizeExtensionString(text, names);
    return names;
}

}

TEST(VersionTokenizer, SplitsTheDriverStringsOfItsDay)
{
    expectVersion("2.1.2 NVIDIA 169.21", 2, 1, 2, "NVIDIA 169.21");
    expectVersion("2.0.6479 WinXP Release", 2, 0, 6479, "WinXP Release");
    expectVersion("1.4 Mesa 7.0", 1, 4, -1, "Mesa 7.0");
    expectVersion("1.5.0", 1, 5, 0, "");
    expectVersion("3.0 NVIDIA", 3, 0, -1, "NVIDIA");
}

TEST(VersionTokenizer, KeepsTheWholeTextAfterTheNumbersOfAModernDriver)
{
    expectVersion("4.5 (Compatibility Profile) Mesa 23.2.1-1ubuntu3", 4, 5, -1,
                  "(Compatibility Profile) Mesa 23.2.1-1ubuntu3");
    expectVersion("4.6.0 NVIDIA 535.54.03", 4, 6, 0, "NVIDIA 535.54.03");
}

TEST(VersionTokenizer, StopsAfterTheMinorNumberWhenNothingFollows)
{
    expectVersion("2.1", 2, 1, -1, "");
    // An empty release part is no release number.
    expectVersion("1.2.", 1, 2, -1, "");
}

TEST(VersionTokenizer, ReadsTheLeadingDigitsOfEachNumber)
{
    expectVersion("2.1ATI 8.1", 2, 1, -1, "8.1");
    expectVersion("1.5.3b Beta", 1, 5, 3, "Beta");
}

// A read that finds no digits stores 0, as a formatted stream read does; the reads after it still work.
TEST(VersionTokenizer, GivesZeroForAPartWithoutDigitsAndReadsOn)
{
    expectVersion("OpenGL ES 3.2", 0, 2, -1, "");
    expectVersion("x.y.7 text", 0, 0, 7, "text");
}

// Nothing after the major number is read then; an empty string writes no number at all.
TEST(VersionTokenizer, ReadsAStringWithoutADotAsTheMajorNumberAlone)
{
    expectVersion("4", 4, 99, -1, "");
    expectVersion("4 Mesa", 4, 99, -1, "");
    expectVersion("", 99, 99, -1, "");
}

TEST(VersionTokenizer, ResetsReleaseAndAdditionalTextOnEveryCall)
{
    Version version;
    tokenizeVersionString("2.0.6479 WinXP Release", version.major, version.minor, version.release,
                          version.additional);
    tokenizeVersionString("1.4", version.major, version.minor, version.release, version.additional);
    EXPECT_EQ(-1, version.release);
    EXPECT_EQ("", version.additional);
}

TEST(ExtensionTokenizer, SplitsAtEveryRunOfBlanks)
{
    EXPECT_THAT(split("GL_ARB_multitexture GL_EXT_abgr"), ElementsAre("GL_ARB_multitexture", "GL_EXT_abgr"));
    EXPECT_THAT(split("  GL_ARB_multitexture   GL_EXT_abgr  "),
                ElementsAre("GL_ARB_multitexture", "GL_EXT_abgr"));
    EXPECT_THAT(split("GL_EXT_abgr"), ElementsAre("GL_EXT_abgr"));
}

TEST(ExtensionTokenizer, KeepsDriverOrderAndRepeatedNames)
{
    EXPECT_THAT(split("b a b"), ElementsAre("b", "a", "b"));
}

TEST(ExtensionTokenizer, GivesNoNameForAnEmptyOrBlankString)
{
    EXPECT_THAT(split(""), IsEmpty());
    EXPECT_THAT(split("    "), IsEmpty());
}

// Only the blank separates: a tab or line break is part of a name, which then matches no known extension.
TEST(ExtensionTokenizer, TreatsOtherWhiteSpaceAsPartOfAName)
{
    EXPECT_THAT(split("GL_A\tGL_B GL_C\n"), ElementsAre("GL_A\tGL_B", "GL_C\n"));
}

TEST(ExtensionTokenizer, AppendsToWhatTheListAlreadyHolds)
{
    std::vector<std::string> names{"first"};
    tokenizeExtensionString("second third", names);
    EXPECT_THAT(names, ElementsAre("first", "second", "third"));
}
