#pragma once

#include <windows.h>

// A small scene drawn entirely through the interceptor chains, as a host draws a frame: a clear, a
// projection loaded from a matrix, two textures (an RGBA checkerboard, and an RGB image whose rows GL pads),
// a GLSL program with a sampler and a vector uniform, and fixed-function drawing with smooth colours and a
// texture. Its calls take every kind of statement the recorder writes for a frame (plain calls, data
// records, read-back blocks, window-system calls), and its frame has many colours, so that a replay that
// differs in one call shows in the pixels. The frame fills the viewport, whatever its size; it is drawn
// into the back buffer and not swapped.
class SampleScene
{
public:
    SampleScene(int width, int height);

    // Makes the context current through the WGL chain, then draws through the GL chain, whichever
    // decorators are on them.
    void draw(HDC deviceContext, HGLRC context) const;

private:
    int nWidth_;
    int nHeight_;
};
