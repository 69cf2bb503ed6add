// A legacy-style C program (lit_scene.c) run whole, as its users run it, and closed from outside as a person
// closes its window.

#include "ProgramRun.h"

#include <gtest/gtest.h>

namespace {

std::string program(const char* name)
{
    return ProgramFolder() + name;
}

}

TEST(LitScene, PlainBuildDrawsUntilItsWindowIsClosed)
{
    EXPECT_EQ(0u, runUntilClosed(program("lit_scene.exe"), freshFolder("plain"), {}));
}
