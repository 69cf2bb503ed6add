#include "ChainFixture.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <gmock/gmock.h>

#include <optional>

using QEL::InternalException;
using QEL::OGL::ExceptionOGL;
using QEL::OGL::ExtensionManager;
using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::wglInterceptor;
using testing::HasSubstr;

namespace {

// The caller's place that each call below passes; the exceptions must carry it, not the library's own.
const char* const kHostFile = "host/Scene.cpp";

OpenGLInterceptor* gl()
{
    return OpenGLInterceptor::Instance();
}

void expectGLError(const std::optional<ExceptionOGL>& e, unsigned line, unsigned number, const char* text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(kHostFile, e->file());
    EXPECT_EQ(static_cast<int>(line), e->line());
    EXPECT_EQ(number, e->errorNumber());
    EXPECT_STREQ(text, e->text());
}

// An error that GL reported: its number and GLU's text for it.
void expectGLError(const std::optional<ExceptionOGL>& e, unsigned line, GLenum code)
{
    expectGLError(e, line, code, reinterpret_cast<const char*>(gluErrorString(code)));
}

}

using OpenGLErrorChecker = ChainFixture;

TEST_F(OpenGLErrorChecker, InvalidEnumThrowsWithTheCallersPlaceAndGLUsText)
{
    const auto e = thrownBy<ExceptionOGL>([] { gl()->cgmBindTexture(kHostFile, 10, 0x1234, 1); });
    expectGLError(e, 10, GL_INVALID_ENUM);
}

// glGetError is not allowed between glBegin and glEnd, so the error waits for cgmEnd.
TEST_F(OpenGLErrorChecker, ErrorInsideBeginEndIsThrownAtEnd)
{
    gl()->cgmBegin(kHostFile, 20, GL_POINTS);
    EXPECT_NO_THROW(gl()->cgmEnable(kHostFile, 21, GL_BLEND));
    const auto e = thrownBy<ExceptionOGL>([] { gl()->cgmEnd(kHostFile, 22); });
    expectGLError(e, 22, GL_INVALID_OPERATION);
}

TEST_F(OpenGLErrorChecker, ErrorOfBeginItselfIsThrownAtEnd)
{
    EXPECT_NO_THROW(gl()->cgmBegin(kHostFile, 30, 0x1234));
    const auto e = thrownBy<ExceptionOGL>([] { gl()->cgmEnd(kHostFile, 31); });
    expectGLError(e, 31, GL_INVALID_ENUM);
}

// The second glBegin never reaches GL: the pair stays open and closes without any error.
TEST_F(OpenGLErrorChecker, SecondBeginThrowsUnbalancedBeginWithNumberZero)
{
    gl()->cgmBegin(kHostFile, 40, GL_POINTS);
    const auto e = thrownBy<ExceptionOGL>([] { gl()->cgmBegin(kHostFile, 41, GL_POINTS); });
    expectGLError(e, 41, 0, "Unbalanced glBegin()!");
    EXPECT_NO_THROW(gl()->cgmEnd(kHostFile, 42));
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
}

// A glEnd that reached GL outside a pair would leave GL_INVALID_OPERATION behind.
TEST_F(OpenGLErrorChecker, EndWithoutBeginThrowsUnbalancedEndWithNumberZeroAndCallsNoGL)
{
    const auto e = thrownBy<ExceptionOGL>([] { gl()->cgmEnd(kHostFile, 50); });
    expectGLError(e, 50, 0, "Unbalanced glEnd()!");
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
}

// The flag belongs to the checker: destroy() and a fresh Instance() start outside a pair. GL's own pair is
// closed directly, so that only the old checker's flag is left open.
TEST_F(OpenGLErrorChecker, BeginLeftOpenBeforeDestroyDoesNotMakeTheNextBeginThrow)
{
    gl()->cgmBegin(kHostFile, 60, GL_POINTS);
    glEnd();
    OpenGLInterceptor::destroy();
    EXPECT_NO_THROW(gl()->cgmBegin(kHostFile, 61, GL_POINTS));
    EXPECT_NO_THROW(gl()->cgmEnd(kHostFile, 62));
}

TEST_F(OpenGLErrorChecker, VersionTwoEntryPointWorksOnceItsLoaderRan)
{
    ASSERT_TRUE(QEL::OGL::loadGLExtension(ExtensionManager::OPEN_GL_2_0));
    const unsigned shader = gl()->cgmCreateShader(kHostFile, 70, GL_VERTEX_SHADER);
    EXPECT_NE(0u, shader);
    EXPECT_EQ(GL_TRUE, _cgmIsShader(shader));
    gl()->cgmDeleteShader(kHostFile, 71, shader);
    EXPECT_EQ(GL_FALSE, _cgmIsShader(shader));
}

TEST_F(OpenGLErrorChecker, OperationWhoseLoaderNeverRanThrowsInternalNamingTheFunction)
{
    ASSERT_EQ(nullptr, _cgmTbufferMask3DFX);
    const auto e = thrownBy<InternalException>([] { gl()->cgmTbufferMask3DFX(kHostFile, 80, 0); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(kHostFile, e->file());
    EXPECT_EQ(80, e->line());
    EXPECT_THAT(e->text(), HasSubstr("glTbufferMask3DFX"));
}

using wglErrorChecker = ChainFixture;

TEST_F(wglErrorChecker, GetCurrentContextAnswersTheCurrentContext)
{
    EXPECT_EQ(context(), wglInterceptor::Instance()->wcgmGetCurrentContext(kHostFile, 90));
}

// A failure value is the caller's to handle: the WGL chain throws nothing.
TEST_F(wglErrorChecker, MakeCurrentWithABadDeviceContextAnswersFalse)
{
    const HDC bad = reinterpret_cast<HDC>(static_cast<INT_PTR>(0xBAD0));
    int result = TRUE;
    EXPECT_NO_THROW(result = wglInterceptor::Instance()->wcgmMakeCurrent(kHostFile, 100, bad, context()));
    EXPECT_EQ(FALSE, result);
    // Windows leaves no context current after a failed wglMakeCurrent.
    ASSERT_TRUE(wglMakeCurrent(deviceContext(), context()));
}
