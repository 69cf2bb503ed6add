#include "qel_ogl/extensionator/UnpackState.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

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

TEST(UnpackState, ThreeDimensionalStateStartsAtGLsInitialState)
{
    const UnpackState state;
    EXPECT_EQ(0, state.imageHeight);
    EXPECT_EQ(0, state.skipImages);
}

// A bitmap's rows are bits packed into bytes, each row padded to the alignment; skipped pixels are bits.
TEST(UnpackState, BitmapRowsArePackedBits)
{
    UnpackState state;
    const struct
    {
        int alignment;
        int rowLength;
        int skipPixels;
        int skipRows;
        int width;
        int height;
        std::int64_t bytes;
    } rows[] = {
        {4, 0, 0, 0, 32, 32, 31 * 4 + 4},  // the polygon stipple
        {1, 0, 0, 0, 32, 32, 128},
        {1, 0, 0, 0, 9, 2, 2 + 2},         // nine bits take two bytes
        {4, 0, 0, 0, 9, 2, 4 + 2},
        {1, 0, 7, 0, 2, 1, 2},              // bits 7 and 8: the second byte too
        {1, 0, 6, 0, 2, 1, 1},
        {2, 20, 0, 1, 8, 1, 4 + 1},         // rows of 20 bits, padded to four bytes
    };
    for (const auto& row : rows) {
        state.alignment = row.alignment;
        state.rowLength = row.rowLength;
        state.skipPixels = row.skipPixels;
        state.skipRows = row.skipRows;
        EXPECT_EQ(row.bytes, state.groupImageBytes(row.width, row.height, 1))
            << row.alignment << " " << row.rowLength << " " << row.skipPixels << " " << row.width;
    }
}

TEST(UnpackState, WholeByteGroupsAgreeWithPixelBytes)
{
    UnpackState state;
    state.rowLength = 7;
    state.skipPixels = 2;
    state.skipRows = 1;
    EXPECT_EQ(state.imageBytes(3, 2, 3), state.groupImageBytes(3, 2, 24));
    EXPECT_EQ(-1, state.imageBytes(3, 2, -1));
}

TEST(UnpackState, TwoDimensionalImagesIgnoreTheThreeDimensionalState)
{
    UnpackState state;
    state.skipImages = 5;
    state.imageHeight = 9;
    EXPECT_EQ(21, state.imageBytes(3, 2, 3));
}

TEST(UnpackState, VolumesLieImageHeightRowsApartAfterTheSkippedImages)
{
    UnpackState state;
    state.alignment = 1;
    // Three 2 x 2 images of 4-byte pixels, one after the other.
    EXPECT_EQ(48, state.volumeBytes(2, 2, 3, 32));
    state.imageHeight = 3;
    EXPECT_EQ(24 + 24 + 16, state.volumeBytes(2, 2, 3, 32));
    state.skipImages = 1;
    EXPECT_EQ(24 * 3 + 16, state.volumeBytes(2, 2, 3, 32));
    state.alignment = 4;
    state.imageHeight = 0;
    state.skipImages = 0;
    // Rows of three RGB pixels, nine bytes padded to twelve; the last row of the last image is not padded.
    EXPECT_EQ(12 + 12 + 12 + 9, state.volumeBytes(3, 2, 2, 24));
}

TEST(UnpackState, EmptyVolumesReadNothingAndNegativeOnesAreRefused)
{
    UnpackState state;
    EXPECT_EQ(0, state.volumeBytes(2, 2, 0, 8));
    EXPECT_EQ(0, state.volumeBytes(0, 2, 2, 8));
    EXPECT_EQ(-1, state.volumeBytes(2, 2, -1, 8));
    EXPECT_EQ(-1, state.volumeBytes(-2, 2, 1, 8));
    state.skipImages = -1;
    EXPECT_EQ(-1, state.volumeBytes(2, 2, 1, 8));
}

TEST(UnpackState, HugeVolumesStayAboveThirtyTwoBits)
{
    UnpackState state;
    EXPECT_GT(state.volumeBytes(4096, 4096, 4096, 32), 0xFFFFFFFFll);
    EXPECT_GT(state.volumeBytes(INT_MAX, INT_MAX, INT_MAX, 128), 0xFFFFFFFFll);
}
