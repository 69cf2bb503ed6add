#pragma once

#include "GLContextFixture.h"

// GLContextFixture on the stand-in opengl32.dll: each test starts from a driver back at its defaults, with the
// fixture's window and one of the driver's contexts current, and a call log holding only the test's own calls.
// At the end no context of the driver may be left.
class FakeGLFixture : public GLContextFixture
{
protected:
    void SetUp() override;
    void TearDown() override;
};
