#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

class HiddenContext;

// Gives each test a current OpenGL context made with nothing but Win32 and raw WGL (HiddenContext): a hidden
// window, never shown, with a plain RGBA, 32-bit colour, double-buffered pixel format and a 24-bit depth
// buffer. Tests of the library's own context classes start from this, so it must not depend on them.
class GLContextFixture : public testing::Test
{
protected:
    GLContextFixture();
    ~GLContextFixture() override;

    void SetUp() override;
    void TearDown() override;

    HWND window() const;
    HDC deviceContext() const;
    HGLRC context() const;

private:
    std::unique_ptr<HiddenContext> context_;
};
