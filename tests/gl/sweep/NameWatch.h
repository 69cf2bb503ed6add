#pragma once

#include <string>
#include <vector>

// The GL names that something hands out between two probes and leaves naming an object: what a failing
// operation left behind. Each probe takes one fresh name of every kind (buffers, textures, renderbuffers,
// framebuffers, shaders and programs) and gives it back; every name from the first probe's up to the second's
// must name nothing, whether the driver reuses names or counts on. A kind whose entry points are not loaded is
// not watched.
class NameWatch
{
public:
    NameWatch();

    // "buffer 7, renderbuffer 3" for the names still naming an object; empty when nothing was left behind.
    std::string leftBehind() const;

private:
    std::vector<unsigned> firstNames_;
};
