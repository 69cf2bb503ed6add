#include "TestContext.h"

TestContext::TestContext(HWND window, const QEL::OGL::BufferFormat& format, teBuffering buffering,
                         teMultisample samples, Context* shareWith)
{
    initialize(window, format, buffering, samples, shareWith);
}

TestContext::~TestContext() noexcept(false)
{
    if (renderContext() != nullptr)
        destroyContext();
}

int TestContext::pixelFormat() const
{
    return nPixelFormat_;
}

void TestContext::abandon()
{
    hRC_ = nullptr;
}
