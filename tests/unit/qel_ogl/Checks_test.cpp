// Checks stay active in release builds: NDEBUG is set here whatever the build type, so that these tests pin
// the checks as a release build of a host sees them.
#ifndef NDEBUG
#define NDEBUG
#endif

#include "qel_ogl/Checks.h"

#include "qel_core/InternalException.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

#include <optional>

using QEL::InternalException;

namespace {

const char* const kThisFile = "tests/unit/qel_ogl/Checks_test.cpp";

void expectThrown(const std::optional<InternalException>& e, int line, const char* text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(kThisFile, e->file());
    EXPECT_EQ(line, e->line());
    EXPECT_STREQ(text, e->text());
}

}

TEST(Checks, EnforceThrowsEnforceAndTheCondition)
{
    const void* pContext = nullptr;
    const auto e = thrownBy<InternalException>([&] { QEL_ENFORCE(pContext != NULL); });
    expectThrown(e, __LINE__ - 1, "Enforce pContext != NULL");
}

TEST(Checks, AssertThrowsTheBareCondition)
{
    const int nLevel = -1;
    const auto e = thrownBy<InternalException>([&] { QEL_ASSERT(nLevel >= 0); });
    expectThrown(e, __LINE__ - 1, "nLevel >= 0");
}

TEST(Checks, UnreachableThrowsAnExclamationMarkAndTheQuotedSentence)
{
    const auto e = thrownBy<InternalException>([] { QEL_UNREACHABLE("Unknown texture target."); });
    expectThrown(e, __LINE__ - 1, "!\"Unknown texture target.\"");
}

TEST(Checks, RangeCheckThrowsRangeErrorAndTheCondition)
{
    const int nSize = 0;
    const auto e = thrownBy<InternalException>([&] { QEL_RANGE_CHECK(nSize > 0); });
    expectThrown(e, __LINE__ - 1, "Range error: nSize > 0");
}

// The sentence is composed in a stream that is gone by the time the exception is caught.
TEST(Checks, DescribedCheckThrowsTheStreamedSentence)
{
    const int nOffset = 96;
    const int nSize = 64;
    const auto e = thrownBy<InternalException>([&] {
        QEL_DESCRIBED_CHECK(nOffset + nSize <= 128, "Buffer::subData " << nSize << " bytes at " << nOffset);
    });
    expectThrown(e, __LINE__ - 2, "Buffer::subData 64 bytes at 96");
}

TEST(Checks, PassingChecksThrowNothing)
{
    const int nSize = 1;
    EXPECT_NO_THROW(QEL_ENFORCE(nSize > 0));
    EXPECT_NO_THROW(QEL_ASSERT(nSize > 0));
    EXPECT_NO_THROW(QEL_RANGE_CHECK(nSize > 0));
    EXPECT_NO_THROW(QEL_DESCRIBED_CHECK(nSize > 0, "never composed " << nSize));
}
