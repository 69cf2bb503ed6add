#pragma once

#include <windows.h>

// The stress test's loop, for the real driver and the stand-in alike, and what a leak would make grow.

struct ContextCounts
{
    int windowed;
    int offscreen;
    // Multisampled, through the extended pixel-format choice; needs the library on. Every other one is made
    // while no context is current, so that it makes and removes a throw-away context on a hidden window.
    int extended;
};

// Makes and destroys that many contexts, one after the other, each windowed or extended one on a fresh window
// of its own. The context that was current is current again afterwards.
void makeAndDestroyContexts(const ContextCounts& counts);

// Makes and destroys that many bare top-level windows, taking and giving back a device context of each: what the
// window system keeps of windows alone.
void makeAndDestroyWindows(int count);

class CreatedWindows;

// Expects that count of the windows created were the library's hidden windows, and that their classes are gone.
void expectHiddenWindowsRemoved(const CreatedWindows& created, int count);

// The windows of the calling thread and the memory that the process committed (Wine reports no private bytes
// of their own; on Windows the two are the same).
struct ProcessFootprint
{
    int windows;
    SIZE_T committedBytes;

    static ProcessFootprint Now();
};
