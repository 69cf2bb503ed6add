#include "qel_ogl/intercept/FrameCapture.h"

#include <windows.h>

#include <GL/gl.h>

#include <fstream>
#include <stdexcept>
#include <utility>

namespace QEL { namespace OGL {

FrameCapture::FrameCapture(std::string prefix, int width, int height)
    : prefix_(std::move(prefix)), nWidth_(width), nHeight_(height)
{
}

void FrameCapture::operator()()
{
    capture(nWidth_, nHeight_);
}

void FrameCapture::capture(int width, int height)
{
    const std::string path = prefix_ + std::to_string(nFrame_++) + ".rgba";
    const std::vector<unsigned char> pixels = ReadPixels(width, height);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    if (!file)
        throw std::runtime_error("Cannot write the frame " + path);
}

// The pack state is the application's: it is set to a tight layout for the read and then put back, so that
// a capture changes nothing that later statements see.
std::vector<unsigned char> FrameCapture::ReadPixels(int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glPopClientAttrib();
    return pixels;
}

}}
