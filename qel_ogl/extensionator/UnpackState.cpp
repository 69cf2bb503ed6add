#include "qel_ogl/extensionator/UnpackState.h"

#include <algorithm>

namespace QEL { namespace OGL {

namespace {

// Above every size a data record can hold, and small enough that sums of a few such values do not overflow.
const std::int64_t kSaturated = std::int64_t{1} << 40;

// a * b for non-negative factors, saturated at kSaturated.
std::int64_t saturatedProduct(std::int64_t a, std::int64_t b)
{
    if (a != 0 && b > kSaturated / a)
        return kSaturated;
    return std::min(a * b, kSaturated);
}

}

std::int64_t UnpackState::imageBytes(int width, int height, int pixelBytes) const
{
    if (std::min({width, height, pixelBytes, rowLength, skipPixels, skipRows}) < 0)
        return -1;
    if (width == 0 || height == 0)
        return 0;
    const std::int64_t rowAlignment = std::max(alignment, 1);
    const std::int64_t rowBytes = saturatedProduct(pixelBytes, rowLength > 0 ? rowLength : width);
    const std::int64_t rowStride = (rowBytes + rowAlignment - 1) / rowAlignment * rowAlignment;
    const std::int64_t rowsBefore = std::int64_t{skipRows} + height - 1;
    const std::int64_t pixelsBefore = saturatedProduct(pixelBytes, skipPixels);
    const std::int64_t lastRow = saturatedProduct(pixelBytes, width);
    return std::min(saturatedProduct(rowStride, rowsBefore) + pixelsBefore + lastRow, kSaturated);
}

}}
