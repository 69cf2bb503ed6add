// Hundreds of contexts made and destroyed on the real driver leave no window, window class or memory behind.

#include "ContextStress.h"
#include "CreatedWindows.h"
#include "GLContextFixture.h"
#include "LibraryFixture.h"

using ContextStressTest = LibraryFixture<GLContextFixture>;

namespace {

// Wine's bridge to the driver keeps about 10 KB for every context that was made current, whoever makes it
// (raw WGL calls do the same), and about twice that for one on a window that is gone; the loop below thus
// grows by about 5 MB. One leaked context alone takes about 2 MB.
const SIZE_T kWindowSystemAllowance = 16u << 20;

}

TEST_F(ContextStressTest, MakingAndDestroyingContextsLeavesNothingBehind)
{
    turnOn();
    // The driver's and the window system's one-time allocations happen here.
    makeAndDestroyContexts({20, 20, 6});
    const ProcessFootprint before = ProcessFootprint::Now();

    CreatedWindows created;
    makeAndDestroyContexts({200, 200, 50});
    const ProcessFootprint after = ProcessFootprint::Now();

    EXPECT_EQ(before.windows, after.windows);
    // A hidden window for each off-screen context and each throw-away context.
    expectHiddenWindowsRemoved(created, 200 + 25);
    EXPECT_LT(after.committedBytes, before.committedBytes + kWindowSystemAllowance)
        << "grew by " << after.committedBytes - before.committedBytes;
}
