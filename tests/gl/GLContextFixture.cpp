#include "GLContextFixture.h"

#include <stdexcept>

#include "HiddenContext.h"

GLContextFixture::GLContextFixture() = default;

GLContextFixture::~GLContextFixture() = default;

void GLContextFixture::SetUp()
{
    try
    {
        context_ = std::make_unique<HiddenContext>();
    }
    catch (const std::runtime_error& e)
    {
        FAIL() << "no GL context for the test: " << e.what();
    }
}

void GLContextFixture::TearDown()
{
    context_.reset();
}

HWND GLContextFixture::window() const
{
    return context_->window();
}

HDC GLContextFixture::deviceContext() const
{
    return context_->deviceContext();
}

HGLRC GLContextFixture::context() const
{
    return context_->context();
}
