#include "tools/replay/ReplaySession.h"

#include "qel_ogl/intercept/FrameCapture.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

namespace {

template <class Handle>
Handle recorded(std::uintptr_t value)
{
    return reinterpret_cast<Handle>(value);
}

const HDC kAppDC = recorded<HDC>(0x00A1B2C3);
const HDC kOtherDC = recorded<HDC>(0x00D4E5F6);
const HGLRC kAppRC = recorded<HGLRC>(0x00010000);
const HGLRC kFirstRC = recorded<HGLRC>(0x00030000);
const HGLRC kSecondRC = recorded<HGLRC>(0x00040000);

// A session on a small window of its own; the recorded application's device context is known to it.
class ReplaySessionTest : public testing::Test
{
protected:
    ReplaySessionTest()
    {
        session.addApplicationDC(kAppDC);
    }

    std::map<HDC, HDC> hdcMap;
    ReplaySession session{hdcMap, 16, 16};
    const HDC ownDC = session.ownDeviceContext();
};

}

TEST_F(ReplaySessionTest, MakesItsOwnContextCurrentOnItsWindow)
{
    EXPECT_EQ(session.ownContext(), wglGetCurrentContext());
    EXPECT_EQ(ownDC, wglGetCurrentDC());
}

TEST_F(ReplaySessionTest, ApplicationDeviceContextIsTheSessionsOwn)
{
    EXPECT_EQ(ownDC, hdcMap.at(kAppDC));
}

TEST_F(ReplaySessionTest, UnknownDeviceContextGetsAWindowOfItsOwnOnce)
{
    session.createWindow(kOtherDC);
    const HDC ours = hdcMap.at(kOtherDC);
    EXPECT_NE(nullptr, ours);
    EXPECT_NE(ownDC, ours);
    session.createWindow(kOtherDC);
    EXPECT_EQ(ours, hdcMap.at(kOtherDC));
}

TEST_F(ReplaySessionTest, KnownDeviceContextKeepsItsWindow)
{
    session.createWindow(kAppDC);
    EXPECT_EQ(ownDC, hdcMap.at(kAppDC));
}

TEST_F(ReplaySessionTest, RenderingContextIsTheOwnWhenTheTextCreatedNone)
{
    EXPECT_TRUE(session.makeCurrent(kAppDC, kAppRC));
    EXPECT_EQ(session.ownContext(), wglGetCurrentContext());
}

TEST_F(ReplaySessionTest, RecordedContextsTakeTheCreatedOnesInCreationOrder)
{
    const HGLRC first = session.createContext(ownDC);
    const HGLRC second = session.createContext(ownDC);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);

    EXPECT_TRUE(session.makeCurrent(kAppDC, kFirstRC));
    EXPECT_EQ(first, wglGetCurrentContext());
    EXPECT_TRUE(session.makeCurrent(kAppDC, kSecondRC));
    EXPECT_EQ(second, wglGetCurrentContext());
    EXPECT_TRUE(session.makeCurrent(kAppDC, kFirstRC));
    EXPECT_EQ(first, wglGetCurrentContext());
}

TEST_F(ReplaySessionTest, MainPlaneLayerContextIsTakenLikeACreatedOne)
{
    const HGLRC created = session.createLayerContext(kAppDC, 0);
    ASSERT_NE(nullptr, created);
    EXPECT_TRUE(session.makeCurrent(kAppDC, kFirstRC));
    EXPECT_EQ(created, wglGetCurrentContext());
}

TEST_F(ReplaySessionTest, NullHandlesReleaseTheCurrentContext)
{
    EXPECT_TRUE(session.makeCurrent(nullptr, nullptr));
    EXPECT_EQ(nullptr, wglGetCurrentContext());
}

TEST_F(ReplaySessionTest, DeletingACreatedContextDeletesItAndKeepsTheOwn)
{
    session.makeCurrent(kAppDC, kAppRC);
    const HGLRC created = session.createContext(ownDC);
    session.makeCurrent(kAppDC, kFirstRC);
    session.makeCurrent(kAppDC, kAppRC);

    EXPECT_TRUE(session.deleteContext(kFirstRC));
    EXPECT_FALSE(wglMakeCurrent(ownDC, created));
    EXPECT_TRUE(session.deleteContext(kAppRC));
    EXPECT_TRUE(wglMakeCurrent(ownDC, session.ownContext()));
}

TEST_F(ReplaySessionTest, DeletingAnUnknownContextFails)
{
    EXPECT_FALSE(session.deleteContext(kSecondRC));
}

TEST_F(ReplaySessionTest, FrameHookSeesTheFrameBeforeTheSwap)
{
    std::vector<std::vector<unsigned char>> frames;
    session.setFrameHook([&] { frames.push_back(QEL::OGL::FrameCapture::ReadPixels(1, 1)); });
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    EXPECT_TRUE(session.swapBuffers(kAppDC));
    ASSERT_EQ(1u, frames.size());
    EXPECT_EQ((std::vector<unsigned char>{0, 0, 255, 255}), frames[0]);
}

TEST_F(ReplaySessionTest, FrameHookRunsInALayerSwapToo)
{
    int nFrames = 0;
    session.setFrameHook([&] { ++nFrames; });
    EXPECT_TRUE(session.swapLayerBuffers(kAppDC, WGL_SWAP_MAIN_PLANE));
    EXPECT_EQ(1, nFrames);
}

TEST_F(ReplaySessionTest, FrameCaptureLeavesThePackStateAsItWas)
{
    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    QEL::OGL::FrameCapture::ReadPixels(3, 1);
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    EXPECT_EQ(8, alignment);
}
