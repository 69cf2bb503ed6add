#pragma once

#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/Context.h"

// A Context whose protected steps a test can call. Made on a window it does what a windowed context does:
// initialize on construction, destroyContext on destruction.
class TestContext : public QEL::OGL::Context
{
public:
    TestContext() = default;
    TestContext(HWND window, const QEL::OGL::BufferFormat& format, teBuffering buffering = DOUBLE_BUFFERED,
                teMultisample samples = SAMPLES_1, Context* shareWith = nullptr);
    // Unmakes the rendering context if it still has one.
    ~TestContext() noexcept(false) override;

    using Context::choosePixelFormat;
    using Context::createRenderingContext;
    using Context::destroyContext;
    using Context::initialize;
    using Context::initializeExtensions;
    using Context::setPixelFormat;
    using Context::shareLists;

    int pixelFormat() const;
    // Forgets the rendering context without deleting it, for a test that already did, or whose deletion failed.
    void abandon();
};
