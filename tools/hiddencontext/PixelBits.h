#pragma once

// The bits of a window's pixel format that decide what a frame reads back: colour, alpha, depth, stencil and
// accumulation bits, and double buffering. A recording keeps its window's, so that its replay draws into a
// window of the same format.
struct PixelBits
{
    int colour;
    int alpha;
    int depth;
    int stencil;
    int accumulation;
    bool doubleBuffered;
};
