#include "qel_ogl/extensionator/UnpackState.h"

#include <algorithm>

#include "qel_ogl/extensionator/SaturatedSize.h"

namespace QEL { namespace OGL {

namespace {

// The bytes that hold `bits` bits; a saturated count stays saturated.
std::int64_t bytesOfBits(std::int64_t bits)
{
    return bits >= kSaturatedSize ? kSaturatedSize : (bits + 7) / 8;
}

}

std::int64_t UnpackState::imageBytes(int width, int height, int pixelBytes) const
{
    if (pixelBytes < 0)
        return -1;
    return groupImageBytes(width, height, std::int64_t{8} * pixelBytes);
}

std::int64_t UnpackState::rowStride(std::int64_t width, std::int64_t groupBits) const
{
    const std::int64_t rowAlignment = std::max(alignment, 1);
    const std::int64_t rowBytes = bytesOfBits(saturatedProduct(groupBits, rowLength > 0 ? rowLength : width));
    return (rowBytes + rowAlignment - 1) / rowAlignment * rowAlignment;
}

// The last row ends with the bits of the skipped groups and the image's own; every earlier row, skipped ones
// included, takes a whole row stride.
std::int64_t UnpackState::groupImageBytes(std::int64_t width, std::int64_t height, std::int64_t groupBits) const
{
    if (std::min({width, height, groupBits, std::int64_t{rowLength}, std::int64_t{skipPixels},
                  std::int64_t{skipRows}}) < 0)
        return -1;
    if (width == 0 || height == 0)
        return 0;
    const std::int64_t rowsBefore = std::int64_t{skipRows} + height - 1;
    const std::int64_t lastRow = bytesOfBits(saturatedProduct(groupBits, std::int64_t{skipPixels} + width));
    return std::min(saturatedProduct(rowStride(width, groupBits), rowsBefore) + lastRow, kSaturatedSize);
}

// Images lie imageHeight (or height) rows apart; the last one is read as a two-dimensional image.
std::int64_t UnpackState::volumeBytes(std::int64_t width, std::int64_t height, std::int64_t depth,
                                      std::int64_t groupBits) const
{
    const std::int64_t lastImage = groupImageBytes(width, height, groupBits);
    if (lastImage < 0 || std::min({depth, std::int64_t{imageHeight}, std::int64_t{skipImages}}) < 0)
        return -1;
    if (lastImage == 0 || depth == 0)
        return 0;
    const std::int64_t imageStride =
        saturatedProduct(rowStride(width, groupBits), imageHeight > 0 ? imageHeight : height);
    const std::int64_t imagesBefore = std::int64_t{skipImages} + depth - 1;
    return std::min(saturatedProduct(imageStride, imagesBefore) + lastImage, kSaturatedSize);
}

}}
