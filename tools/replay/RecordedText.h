#pragma once

// Everything that recorded text expects, for the one source file that compiles the text as a function body.
// The macros below apply to that file only: its GL names reach the library's table, and the recording's
// device and rendering contexts are translated into the replay's own.

#include "tools/replay/GLRekorderReplay.h"
#include "tools/replay/generated/ReplayGLNames.h"

#define wglCreateContext(hdc) GLRekorderCreateContext(hdc)
#define wglCreateLayerContext(hdc, layerPlane) GLRekorderCreateLayerContext(hdc, layerPlane)
#define wglDeleteContext(hglrc) GLRekorderDeleteContext(hglrc)
#define wglShareLists(first, second) GLRekorderShareLists(first, second)
#define wglCopyContext(source, destination, mask) GLRekorderCopyContext(source, destination, mask)
#define wglSwapLayerBuffers(hdc, planes) GLRekorderSwapLayerBuffers(hdc, planes)

// A recording folder's text begins a new part every frame and every few thousand calls: the part ends the
// function of the one before and is a function of its own, registered (in the order of the text) to run after
// it, so that the compiler holds one part of a long recording at a time.
#define GLRekorderNextPart(n)                                                                                     \
    }                                                                                                           \
    void GLRekorderPart##n();                                                                                   \
    static const bool kGLRekorderPart##n = addReplayPart(&GLRekorderPart##n);                                   \
    void GLRekorderPart##n()                                                                                    \
    {
