#include "BitmapFile.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

const std::uint32_t kFileHeaderBytes = 14;
const std::uint32_t kInfoHeaderBytes = 40;

// The format is little-endian throughout.
void put(std::vector<unsigned char>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}

void BitmapFile::Write(const std::string& path, int width, int height, const std::vector<unsigned char>& rgba)
{
    const std::vector<unsigned char> bytes = Encode(width, height, rgba);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("Cannot write " + path);
}

std::vector<unsigned char> BitmapFile::Encode(int width, int height, const std::vector<unsigned char>& rgba)
{
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4)
        throw std::invalid_argument("BitmapFile: the pixels do not make a " + std::to_string(width) + " x " +
                                    std::to_string(height) + " RGBA image");
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;

    std::vector<unsigned char> bytes;
    bytes.reserve(offset + pixelBytes);
    bytes.push_back('B');
    bytes.push_back('M');
    put(bytes, offset + pixelBytes, 4);
    put(bytes, 0, 4);                   // reserved
    put(bytes, offset, 4);
    put(bytes, kInfoHeaderBytes, 4);
    put(bytes, static_cast<std::uint32_t>(width), 4);
    put(bytes, static_cast<std::uint32_t>(height), 4);  // positive: bottom row first
    put(bytes, 1, 2);                   // planes
    put(bytes, 24, 2);                  // bits per pixel
    put(bytes, 0, 4);                   // no compression
    put(bytes, pixelBytes, 4);
    put(bytes, 2835, 4);                // 72 dots per inch, in dots per metre
    put(bytes, 2835, 4);
    put(bytes, 0, 4);                   // no palette
    put(bytes, 0, 4);

    for (int y = 0; y < height; ++y)
    {
        const unsigned char* row = &rgba[static_cast<std::size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x)
        {
            const unsigned char* pixel = row + x * 4;
            bytes.insert(bytes.end(), {pixel[2], pixel[1], pixel[0]});
        }
        bytes.resize(bytes.size() + rowBytes - static_cast<std::uint32_t>(width) * 3, 0);
    }
    return bytes;
}
