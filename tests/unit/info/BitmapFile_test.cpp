#include "BitmapFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

std::uint32_t read32(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}

// Three pixels of three bytes make a row of nine bytes, stored as twelve.
TEST(BitmapFile, HeaderAndPaddedBottomUpRowsInBlueGreenRedOrder)
{
    const std::vector<unsigned char> rgba = {
        1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255,            // bottom row
        10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0};        // top row
    const std::vector<unsigned char> bytes = BitmapFile::Encode(3, 2, rgba);

    ASSERT_EQ(54u + 24u, bytes.size());
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    EXPECT_EQ(78u, read32(bytes, 2));   // file size
    EXPECT_EQ(54u, read32(bytes, 10));  // pixel offset
    EXPECT_EQ(40u, read32(bytes, 14));  // info header size
    EXPECT_EQ(3u, read32(bytes, 18));
    EXPECT_EQ(2u, read32(bytes, 22));   // positive height: bottom row first
    EXPECT_EQ(24u, read32(bytes, 28) & 0xFFFF);
    EXPECT_EQ(0u, read32(bytes, 30));   // uncompressed
    EXPECT_EQ(24u, read32(bytes, 34));  // pixel bytes

    const std::vector<unsigned char> pixels(bytes.begin() + 54, bytes.end());
    EXPECT_EQ((std::vector<unsigned char>{3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0,
                                          12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0}),
              pixels);
}

TEST(BitmapFile, PixelsThatDoNotMakeTheImageAreRefused)
{
    EXPECT_THROW(BitmapFile::Encode(2, 2, std::vector<unsigned char>(15)), std::invalid_argument);
    EXPECT_THROW(BitmapFile::Encode(0, 2, {}), std::invalid_argument);
}
