#include "FakeGLFixture.h"

#include <gmock/gmock.h>

#include "qel_core/InternalException.h"
#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "tests/fakegl/driver/FakeGL.h"

using QEL::InternalException;
using QEL::OGL::ExceptionOGL;
using QEL::OGL::OpenGLInterceptor;
using testing::AllOf;
using testing::HasSubstr;
using testing::Property;
using testing::StrEq;
using testing::Throws;

namespace {

// An ExceptionOGL with the code, the caller's file and line, and glu32's text of the code.
testing::Matcher<const ExceptionOGL&> isGLError(unsigned code, const char* text, const char* file, unsigned line)
{
    return AllOf(Property(&ExceptionOGL::errorNumber, code),
                 Property(&ExceptionOGL::text, StrEq(text)),
                 Property(&ExceptionOGL::file, StrEq(file)),
                 Property(&ExceptionOGL::line, static_cast<int>(line)));
}

}

using ErrorCheckerFaults = FakeGLFixture;

// glGetError's own answer is the call's result; the checker's one question after it finds nothing more.
TEST_F(ErrorCheckerFaults, GetErrorAnswersThePendingCode)
{
    fakegl::queueErrors({GL_INVALID_ENUM});
    EXPECT_EQ(unsigned(GL_INVALID_ENUM), OpenGLInterceptor::Instance()->cgmGetError(__FILE__, __LINE__));
    EXPECT_EQ("glGetError\nglGetError\n", fakegl::callLog());
}

TEST_F(ErrorCheckerFaults, GetErrorThrowsTheSecondOfTwoPendingCodes)
{
    fakegl::queueErrors({GL_INVALID_ENUM, GL_INVALID_VALUE});
    const unsigned line = __LINE__;
    EXPECT_THAT([line] { OpenGLInterceptor::Instance()->cgmGetError(__FILE__, line); },
        Throws<ExceptionOGL>(isGLError(GL_INVALID_VALUE, "invalid value", __FILE__, line)));
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
}

// The checker asks once per call: of two pending codes it throws the first and leaves the second.
TEST_F(ErrorCheckerFaults, CallThrowsThePendingCodeAndLeavesTheNext)
{
    fakegl::queueErrors({GL_OUT_OF_MEMORY, GL_INVALID_OPERATION});
    const unsigned line = __LINE__;
    EXPECT_THAT([line] { OpenGLInterceptor::Instance()->cgmFinish(__FILE__, line); },
        Throws<ExceptionOGL>(isGLError(GL_OUT_OF_MEMORY, "out of memory", __FILE__, line)));
    EXPECT_EQ("glFinish\nglGetError\n", fakegl::callLog());
    EXPECT_EQ(GLenum(GL_INVALID_OPERATION), glGetError());
}

// No loader ran for GL_3DFX_tbuffer, so its entry is null: the checker refuses before any call reaches GL.
TEST_F(ErrorCheckerFaults, EntryThatWasNeverLoadedThrowsNamingIt)
{
    ASSERT_EQ(nullptr, _cgmTbufferMask3DFX);
    EXPECT_THAT([] { OpenGLInterceptor::Instance()->cgmTbufferMask3DFX(__FILE__, __LINE__, 0); },
        Throws<InternalException>(Property(&InternalException::text, HasSubstr("glTbufferMask3DFX"))));
    EXPECT_EQ("", fakegl::callLog());
}
