#include "qel_ogl/extensionator/UnpackState.h"

#include <gtest/gtest.h>

#include <climits>

using QEL::OGL::UnpackState;

TEST(UnpackState, StartsAtGLsInitialState)
{
    const UnpackState state;
    EXPECT_EQ(4, state.alignment);
    EXPECT_EQ(0, state.rowLength);
    EXPECT_EQ(0, state.skipPixels);
    EXPECT_EQ(0, state.skipRows);
    EXPECT_FALSE(state.bufferBound);
}

TEST(UnpackState, RowsArePaddedToTheAlignmentExceptTheLast)
{
    UnpackState state;
    EXPECT_EQ(21, state.imageBytes(3, 2, 3));
    state.alignment = 1;
    EXPECT_EQ(18, state.imageBytes(3, 2, 3));
    state.alignment = 8;
    EXPECT_EQ(16 + 16 + 12, state.imageBytes(3, 3, 4));
}

TEST(UnpackState, RowsAlreadyAlignedNeedNoPadding)
{
    const UnpackState state;
    EXPECT_EQ(256, state.imageBytes(4, 4, 16));
}

TEST(UnpackState, RowLengthSetsTheDistanceOfTheRows)
{
    UnpackState state;
    state.rowLength = 10;
    EXPECT_EQ(40 + 8, state.imageBytes(2, 2, 4));
}

TEST(UnpackState, SkippedRowsAndPixelsLieBeforeTheImage)
{
    UnpackState state;
    state.rowLength = 4;
    state.skipRows = 1;
    state.skipPixels = 1;
    EXPECT_EQ(16 + 4 + 16 + 8, state.imageBytes(2, 2, 4));
}

TEST(UnpackState, EmptyImageReadsNothingAndNegativeSizesAreRefused)
{
    UnpackState state;
    state.skipRows = 3;
    EXPECT_EQ(0, state.imageBytes(0, 5, 4));
    EXPECT_EQ(0, state.imageBytes(5, 0, 4));
    EXPECT_EQ(-1, state.imageBytes(-1, 2, 4));
    EXPECT_EQ(-1, state.imageBytes(2, -1, 4));
    state.skipRows = -1;
    EXPECT_EQ(-1, state.imageBytes(2, 2, 4));
}

TEST(UnpackState, HugeImagesStayAboveThirtyTwoBitsInsteadOfWrapping)
{
    UnpackState state;
    EXPECT_GT(state.imageBytes(INT_MAX, INT_MAX, 16), 0xFFFFFFFFll);
    state.rowLength = INT_MAX;
    state.skipRows = INT_MAX;
    state.skipPixels = INT_MAX;
    EXPECT_GT(state.imageBytes(INT_MAX, INT_MAX, 16), 0xFFFFFFFFll);
    EXPECT_GT(state.imageBytes(65536, 65537, 1), 0xFFFFFFFFll);
}
