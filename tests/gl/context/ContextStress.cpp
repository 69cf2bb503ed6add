#include "ContextStress.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CreatedWindows.h"
#include "TestWindow.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextOffscreen.h"
#include "qel_ogl/ogl/ContextWindowed.h"

using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextOffscreen;
using QEL::OGL::ContextWindowed;

namespace {

void makeAndDestroyWindowed(const BufferFormat& format, Context::teMultisample samples)
{
    TestWindow window;
    const ContextWindowed made(window.handle(), format, Context::DOUBLE_BUFFERED, samples, nullptr);
}

}

void makeAndDestroyContexts(const ContextCounts& counts)
{
    for (int index = 0; index < counts.windowed; ++index)
        makeAndDestroyWindowed(BufferFormat::RGBA8_D24, Context::SAMPLES_1);
    for (int index = 0; index < counts.offscreen; ++index)
        const ContextOffscreen made;

    const HDC currentDC = wglGetCurrentDC();
    const HGLRC currentRC = wglGetCurrentContext();
    for (int index = 0; index < counts.extended; ++index) {
        if (index % 2 == 1)
            wglMakeCurrent(nullptr, nullptr);
        makeAndDestroyWindowed(BufferFormat::RGBA8_D24, Context::SAMPLES_4);
        wglMakeCurrent(currentDC, currentRC);
    }
}

void makeAndDestroyWindows(int count)
{
    for (int index = 0; index < count; ++index) {
        TestWindow window;
        ReleaseDC(window.handle(), GetDC(window.handle()));
    }
}

void expectHiddenWindowsRemoved(const CreatedWindows& created, int count)
{
    const std::vector<std::string> hidden = created.hiddenWindowClasses();
    EXPECT_EQ(count, static_cast<int>(hidden.size()));
    for (const std::string& name : hidden)
        EXPECT_FALSE(CreatedWindows::ClassExists(name)) << name;
}

ProcessFootprint ProcessFootprint::Now()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {TestWindow::countOnThisThread(), counters.PagefileUsage};
}
