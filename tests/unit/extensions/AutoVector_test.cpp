#include "qel_ogl/ogl/AutoVector.h"

#include "qel_core/InternalException.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

using QEL::InternalException;
using QEL::OGL::AutoVector;

namespace {

// Counts the live elements, so that a test sees which ones the vector deleted.
struct Tracked
{
    static int alive;

    Tracked()
    {
        ++alive;
    }

    ~Tracked()
    {
        --alive;
    }
};

int Tracked::alive = 0;

class AutoVectorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Tracked::alive = 0;
    }

    // A vector of count new elements.
    static void fill(AutoVector<Tracked>& vector, std::size_t count)
    {
        vector.resize(count);
        for (std::size_t index = 0; index < count; ++index)
            vector.set(index, new Tracked);
    }
};

}

TEST_F(AutoVectorTest, GrowsWithNullEntriesAfterTheElementsItHolds)
{
    AutoVector<Tracked> vector;
    fill(vector, 2);
    Tracked* first = vector[0];
    vector.resize(4);
    ASSERT_EQ(4u, vector.size());
    EXPECT_EQ(first, vector[0]);
    EXPECT_EQ(nullptr, vector[2]);
    EXPECT_EQ(nullptr, vector[3]);
    EXPECT_EQ(2, Tracked::alive);
}

TEST_F(AutoVectorTest, RefusesToShrinkAndKeepsItsElements)
{
    AutoVector<Tracked> vector;
    fill(vector, 3);
    const auto e = thrownBy<InternalException>([&] { vector.resize(2); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/AutoVector.h", e->file());
    EXPECT_STREQ("!\"Resize to smaller size is not supported!\"", e->text());
    EXPECT_EQ(3u, vector.size());
    EXPECT_EQ(3, Tracked::alive);

    vector.resize(3);
    EXPECT_EQ(3u, vector.size());
}

TEST_F(AutoVectorTest, DeletesItsElementsWhenClearedOrDestroyed)
{
    {
        AutoVector<Tracked> vector;
        fill(vector, 3);
        vector.resize(5);  // null entries are skipped
        vector.clear();
        EXPECT_EQ(0u, vector.size());
        EXPECT_EQ(0, Tracked::alive);
        fill(vector, 2);
    }
    EXPECT_EQ(0, Tracked::alive);
}

TEST_F(AutoVectorTest, SetDeletesTheElementItReplaces)
{
    AutoVector<Tracked> vector;
    fill(vector, 1);
    Tracked* replacement = new Tracked;
    vector.set(0, replacement);
    EXPECT_EQ(replacement, vector[0]);
    EXPECT_EQ(1, Tracked::alive);
}

TEST_F(AutoVectorTest, SwapExchangesOwnership)
{
    AutoVector<Tracked> kept;
    {
        AutoVector<Tracked> temporary;
        fill(temporary, 3);
        fill(kept, 1);
        Tracked* moved = temporary[2];
        kept.swap(temporary);
        ASSERT_EQ(3u, kept.size());
        EXPECT_EQ(moved, kept[2]);
        EXPECT_EQ(1u, temporary.size());
    }
    // The temporary took the old element with it.
    EXPECT_EQ(3, Tracked::alive);
}
