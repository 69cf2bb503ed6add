#pragma once

#include <windows.h>

namespace QEL { namespace OGL {
class OpenGLInterceptor;
class wglInterceptor;
}}

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

    // Makes the context current through the WGL chain, then draws through the GL chain.
    void draw(QEL::OGL::OpenGLInterceptor& gl, QEL::OGL::wglInterceptor& wgl, HDC deviceContext,
              HGLRC context) const;

private:
    int nWidth_;
    int nHeight_;
};
