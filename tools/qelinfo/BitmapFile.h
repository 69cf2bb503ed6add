#pragma once

#include <string>
#include <vector>

// Writes an image as a Windows bitmap file (BMP), which every image viewer opens: 24 bits per pixel, rows
// stored bottom first and padded to four bytes, as the format has it. Alpha is dropped.
class BitmapFile
{
public:
    BitmapFile() = delete;

    // rgba holds width x height pixels of four bytes, bottom row first, as glReadPixels gives them. Throws
    // std::invalid_argument when its size does not match, std::runtime_error when the file cannot be written.
    static void Write(const std::string& path, int width, int height, const std::vector<unsigned char>& rgba);

    // The whole file's bytes.
    static std::vector<unsigned char> Encode(int width, int height, const std::vector<unsigned char>& rgba);
};
