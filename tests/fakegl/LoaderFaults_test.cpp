#include "FakeGLFixture.h"

#include <gmock/gmock.h>

#include <cstddef>
#include <string>

#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "tests/fakegl/driver/FakeGL.h"

using QEL::OGL::ExtensionManager;
using QEL::OGL::loadGLExtension;
using QEL::OGL::loadWGLExtension;

namespace {

// The names of GL_VERSION_2_1 in the order its loader fetches them, and the DLL's table variables they fill.
const char* const kNames[] = {"glUniformMatrix2x3fv", "glUniformMatrix3x2fv", "glUniformMatrix2x4fv",
                              "glUniformMatrix4x2fv", "glUniformMatrix3x4fv", "glUniformMatrix4x3fv"};
PFNGLUNIFORMMATRIX2X3FVPROC* const kEntries[] = {&_cgmUniformMatrix2x3fv, &_cgmUniformMatrix3x2fv,
                                                 &_cgmUniformMatrix2x4fv, &_cgmUniformMatrix4x2fv,
                                                 &_cgmUniformMatrix3x4fv, &_cgmUniformMatrix4x3fv};
const std::size_t kCount = sizeof kNames / sizeof kNames[0];
// An index past the names: none is missing.
const std::size_t kNoneMissing = kCount;

// What every entry holds before a load, so that one the loader did not reach is told from one it cleared.
void QEL_APIENTRY untouched(GLint, GLsizei, GLboolean, const GLfloat*)
{
}

// The log of the loader fetching the first count names.
std::string fetchesOf(std::size_t count)
{
    std::string log;
    for (std::size_t index = 0; index < count; ++index)
        log += std::string("wglGetProcAddress(") + kNames[index] + ")\n";
    return log;
}

}

class LoaderFaults : public FakeGLFixture
{
protected:
    void SetUp() override
    {
        FakeGLFixture::SetUp();
        for (PFNGLUNIFORMMATRIX2X3FVPROC* entry : kEntries)
            *entry = &untouched;
    }

    // Later tests in this program must find the table as the DLL left it.
    void TearDown() override
    {
        for (PFNGLUNIFORMMATRIX2X3FVPROC* entry : kEntries)
            *entry = nullptr;
        FakeGLFixture::TearDown();
    }

    // Lets the driver answer every name of GL_VERSION_2_1 but the one at index missing.
    static void enableAllBut(std::size_t missing)
    {
        for (std::size_t index = 0; index < kCount; ++index) {
            if (index == missing)
                continue;
            ASSERT_TRUE(fakegl::enableProc(kNames[index])) << kNames[index];
        }
    }

    static bool isLoaded(PFNGLUNIFORMMATRIX2X3FVPROC entry)
    {
        return entry != nullptr && entry != &untouched;
    }
};

TEST_F(LoaderFaults, LoadsEveryEntryPointThatTheDriverHas)
{
    enableAllBut(kNoneMissing);
    EXPECT_TRUE(loadGLExtension(ExtensionManager::OPEN_GL_2_1));
    for (std::size_t index = 0; index < kCount; ++index)
        EXPECT_TRUE(isLoaded(*kEntries[index])) << kNames[index];
    EXPECT_EQ(fetchesOf(kCount), fakegl::callLog());
}

// The loader fills the DLL's own table: the error checker inside the DLL calls the driver's function through it.
TEST_F(LoaderFaults, MissingLastEntryPointFailsTheLoadAfterFillingTheOthers)
{
    enableAllBut(kCount - 1);
    EXPECT_FALSE(loadGLExtension(ExtensionManager::OPEN_GL_2_1));
    for (std::size_t index = 0; index + 1 < kCount; ++index)
        EXPECT_TRUE(isLoaded(*kEntries[index])) << kNames[index];
    EXPECT_EQ(nullptr, *kEntries[kCount - 1]);
    EXPECT_EQ(fetchesOf(kCount), fakegl::callLog());

    fakegl::clearCallLog();
    QEL::OGL::OpenGLInterceptor::Instance()->cgmUniformMatrix2x3fv(__FILE__, __LINE__, 0, 1, GL_FALSE, nullptr);
    EXPECT_EQ("glUniformMatrix2x3fv\nglGetError\n", fakegl::callLog());
}

TEST_F(LoaderFaults, MissingEntryPointStopsTheLoaderBeforeTheLaterOnes)
{
    const std::size_t missing = 2;
    enableAllBut(missing);
    EXPECT_FALSE(loadGLExtension(ExtensionManager::OPEN_GL_2_1));
    for (std::size_t index = 0; index < missing; ++index)
        EXPECT_TRUE(isLoaded(*kEntries[index])) << kNames[index];
    EXPECT_EQ(nullptr, *kEntries[missing]);
    for (std::size_t index = missing + 1; index < kCount; ++index)
        EXPECT_EQ(&untouched, *kEntries[index]) << kNames[index];
    EXPECT_EQ(fetchesOf(missing + 1), fakegl::callLog());
}

TEST_F(LoaderFaults, ExtensionWithoutEntryPointsLoadsWithoutAsking)
{
    EXPECT_TRUE(loadGLExtension(ExtensionManager::GL_3DFX_MULTISAMPLE));
    EXPECT_EQ(0u, fakegl::callCount("wglGetProcAddress"));
}

// 335 lies just past the WGL extensions, 377 and 378 (UNKNOWN_EXTENSION) past every known value.
TEST_F(LoaderFaults, ValueWithoutLoaderFailsWithoutAsking)
{
    for (int value : {335, 377, 378}) {
        const auto extension = static_cast<ExtensionManager::teExtension>(value);
        EXPECT_FALSE(loadGLExtension(extension)) << value;
        EXPECT_FALSE(loadWGLExtension(extension)) << value;
    }
    EXPECT_EQ(0u, fakegl::callCount("wglGetProcAddress"));
}
