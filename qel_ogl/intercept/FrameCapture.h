#pragma once

#include <string>
#include <vector>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Saves what a frame shows before its buffers are swapped: the current context's read buffer (the back buffer
// of a double-buffered context) as RGBA bytes, bottom row first as GL reads them, without a header. The n-th
// capture goes to <prefix><n>.rgba, n counting from 0, so that a recording and its replay can be compared
// byte for byte.
class QEL_OGL_API FrameCapture
{
public:
    FrameCapture(std::string prefix, int width, int height);

    // Captures the next frame; throws std::runtime_error when its file cannot be written.
    void operator()();
    // The same for a frame of the given size (a window that the user may resize).
    void capture(int width, int height);

    static std::vector<unsigned char> ReadPixels(int width, int height);

private:
    std::string prefix_;
    int nWidth_;
    int nHeight_;
    int nFrame_ = 0;
};

}}
