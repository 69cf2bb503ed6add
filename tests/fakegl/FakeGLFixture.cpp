#include "FakeGLFixture.h"

#include "tests/fakegl/driver/FakeGL.h"

void FakeGLFixture::SetUp()
{
    fakegl::reset();
    GLContextFixture::SetUp();
    fakegl::clearCallLog();
}

void FakeGLFixture::TearDown()
{
    GLContextFixture::TearDown();
    EXPECT_EQ(0u, fakegl::contextCount()) << "a context of the driver was not deleted";
}
