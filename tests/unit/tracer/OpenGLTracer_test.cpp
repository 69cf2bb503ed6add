#include "qel_ogl/extensionator/OpenGLTracer.h"

#include "StandInGL.h"
#include "qel_ogl/extensionator/CallText.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

using QEL::OGL::CallText;
using QEL::OGL::OpenGLTracer;
using testing::_;
using testing::NiceMock;
using testing::Return;
using testing::StrEq;

namespace {

// An address that the tracer writes but never reads, in this build's pointer width.
const std::uintptr_t kAddress = 0x12AB34CD;
const std::string kAddressText = std::string(CallText::kPointerDigits - 8, '0') + "12AB34CD";

template <class T>
T* fakeAddress()
{
    return reinterpret_cast<T*>(kAddress);
}

// Counts the flushes that reach the stream's buffer.
class CountingBuffer : public std::stringbuf
{
public:
    int nSyncs_ = 0;

protected:
    int sync() override
    {
        ++nSyncs_;
        return std::stringbuf::sync();
    }
};

class Tracer : public testing::Test
{
protected:
    std::string trace() const
    {
        return out_.str();
    }

    std::ostringstream out_;
    NiceMock<StandInGL> inner_;
    OpenGLTracer tracer_{out_, &inner_};
};

}

TEST_F(Tracer, LineNamesTheCallersPlaceThenTheCall)
{
    tracer_.cgmBindTexture("scene.cpp", 88, 0x0DE1, 3);
    EXPECT_EQ("scene.cpp:88: glBindTexture(GL_TEXTURE_2D, 3)\n", trace());
}

TEST_F(Tracer, CallReachesTheInnerInterceptorUnchanged)
{
    EXPECT_CALL(inner_, cgmBindTexture(StrEq("scene.cpp"), 88u, 0x0DE1u, 3u));
    tracer_.cgmBindTexture("scene.cpp", 88, 0x0DE1, 3);
}

TEST_F(Tracer, CallWithoutArgumentsHasEmptyParentheses)
{
    tracer_.cgmEnd("a.cpp", 1);
    EXPECT_EQ("a.cpp:1: glEnd()\n", trace());
}

TEST_F(Tracer, EnumsShowTheTieBreaksOfTheTokenNames)
{
    tracer_.cgmBegin("a.cpp", 1, 0x0004);
    tracer_.cgmBegin("a.cpp", 2, 0x0001);
    tracer_.cgmBegin("a.cpp", 3, 0x0000);
    tracer_.cgmBlendFunc("a.cpp", 4, 0, 1);
    tracer_.cgmBegin("a.cpp", 5, 0x000E);
    EXPECT_EQ("a.cpp:1: glBegin(GL_LINE_BIT)\n"
              "a.cpp:2: glBegin(GL_CURRENT_BIT)\n"
              "a.cpp:3: glBegin(GL_POINTS)\n"
              "a.cpp:4: glBlendFunc(GL_POINTS, GL_CURRENT_BIT)\n"
              "a.cpp:5: glBegin(Unknown Token)\n",
              trace());
}

TEST_F(Tracer, BitfieldIsUnsignedDecimal)
{
    tracer_.cgmClear("a.cpp", 1, 0x4100);
    EXPECT_EQ("a.cpp:1: glClear(16640)\n", trace());
}

TEST_F(Tracer, BytesAreNumbersNotCharacters)
{
    tracer_.cgmColor4ub("a.cpp", 1, 255, 0, 128, 255);
    tracer_.cgmColor3b("a.cpp", 2, -1, 0, 127);
    tracer_.cgmVertexAttrib4NubARB("a.cpp", 3, 1, 65, 66, 0, 10);
    EXPECT_EQ("a.cpp:1: glColor4ub(255, 0, 128, 255)\n"
              "a.cpp:2: glColor3b(-1, 0, 127)\n"
              "a.cpp:3: glVertexAttrib4NubARB(1, 65, 66, 0, 10)\n",
              trace());
}

TEST_F(Tracer, ShortsAreSignedAndUnsignedDecimal)
{
    tracer_.cgmVertex3s("a.cpp", 1, -7, 0, 32767);
    tracer_.cgmColor4us("a.cpp", 2, 65535, 0, 1, 2);
    EXPECT_EQ("a.cpp:1: glVertex3s(-7, 0, 32767)\n"
              "a.cpp:2: glColor4us(65535, 0, 1, 2)\n",
              trace());
}

TEST_F(Tracer, BooleansAreTrueForAnyNonZeroByte)
{
    tracer_.cgmColorMask("a.cpp", 1, 1, 0, 2, 0);
    EXPECT_EQ("a.cpp:1: glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE)\n", trace());
}

TEST_F(Tracer, FloatsAreBitPatternsWithTheirValueInAComment)
{
    tracer_.cgmColor3f("a.cpp", 1, 1.0f, -1.0f, 0.5f);
    tracer_.cgmColor3f("a.cpp", 2, -0.0f, 0.0f, 0.0f);
    EXPECT_EQ("a.cpp:1: glColor3f(makeFloat(1065353216) /* 1 */, makeFloat(-1082130432) /* -1 */, "
              "makeFloat(1056964608) /* 0.5 */)\n"
              "a.cpp:2: glColor3f(makeFloat(-2147483648) /* -0 */, makeFloat(0) /* 0 */, makeFloat(0) /* 0 */)\n",
              trace());
}

TEST_F(Tracer, FourEntryPointsWriteTheirFloatPlainly)
{
    tracer_.cgmFragmentMaterialfEXT("a.cpp", 1, 0x0404, 0x1601, 2.5f);
    tracer_.cgmPixelTransformParameterfEXT("a.cpp", 2, 0x8330, 0x8331, 0.25f);
    EXPECT_EQ("a.cpp:1: glFragmentMaterialfEXT(GL_FRONT, GL_SHININESS, 2.5)\n"
              "a.cpp:2: glPixelTransformParameterfEXT(GL_PIXEL_TRANSFORM_2D_EXT, GL_PIXEL_MAG_FILTER_EXT, 0.25)\n",
              trace());
}

TEST_F(Tracer, DoublesAreInTheStreamsFormat)
{
    tracer_.cgmTranslated("a.cpp", 1, 1.5, 0, -2);
    tracer_.cgmClearDepth("a.cpp", 2, 0.123456789);
    EXPECT_EQ("a.cpp:1: glTranslated(1.5, 0, -2)\n"
              "a.cpp:2: glClearDepth(0.123457)\n",
              trace());
}

TEST_F(Tracer, PointerSizedIntegersAreSignedDecimal)
{
    const std::ptrdiff_t size = sizeof(void*) == 8 ? std::ptrdiff_t{1} << 40 : 65536;
    tracer_.cgmBindBufferRangeNV("a.cpp", 1, 0x8C8E, 0, 5, -8, size);
    EXPECT_EQ("a.cpp:1: glBindBufferRangeNV(GL_TRANSFORM_FEEDBACK_BUFFER_NV, 0, 5, -8, " + std::to_string(size) +
                  ")\n",
              trace());
}

TEST_F(Tracer, PointersAreAddressesAndNeverRead)
{
    tracer_.cgmLightfv("a.cpp", 1, 0x4000, 0x1203, fakeAddress<const float>());
    tracer_.cgmDrawElements("a.cpp", 2, 0x0004, 6, 0x1403, nullptr);
    EXPECT_EQ("a.cpp:1: glLightfv(GL_COLOR_BUFFER_BIT, GL_POSITION, " + kAddressText + ")\n" +
                  "a.cpp:2: glDrawElements(GL_LINE_BIT, 6, GL_UNSIGNED_SHORT, " +
                  std::string(CallText::kPointerDigits, '0') + ")\n",
              trace());
}

TEST_F(Tracer, HandlesCarryTheirCast)
{
    tracer_.cgmUseProgramObjectARB("a.cpp", 1, 7);
    tracer_.cgmAttachObjectARB("a.cpp", 2, 7, 9);
    tracer_.cgmGetAttachedObjectsARB("a.cpp", 3, 7, 4, nullptr, fakeAddress<unsigned>());
    EXPECT_EQ("a.cpp:1: glUseProgramObjectARB((GLhandleARB)7)\n"
              "a.cpp:2: glAttachObjectARB((GLhandleARB)7, (GLhandleARB)9)\n"
              "a.cpp:3: glGetAttachedObjectsARB((GLhandleARB)7, 4, " +
                  std::string(CallText::kPointerDigits, '0') + ", " + kAddressText + ")\n",
              trace());
}

TEST_F(Tracer, NamesOfTheLookupsAreText)
{
    tracer_.cgmGetUniformLocation("a.cpp", 1, 5, "position");
    tracer_.cgmGetUniformLocationARB("a.cpp", 2, 5, "colour");
    tracer_.cgmBindAttribLocation("a.cpp", 3, 5, 1, "normal");
    EXPECT_EQ("a.cpp:1: glGetUniformLocation(5, position)\n"
              "a.cpp:2: glGetUniformLocationARB((GLhandleARB)5, colour)\n"
              "a.cpp:3: glBindAttribLocation(5, 1, normal)\n",
              trace());
}

TEST_F(Tracer, NullNameIsWrittenNull)
{
    tracer_.cgmGetUniformLocation("a.cpp", 1, 5, nullptr);
    EXPECT_EQ("a.cpp:1: glGetUniformLocation(5, NULL)\n", trace());
}

TEST_F(Tracer, ResultsAreAnsweredButNeverWritten)
{
    ON_CALL(inner_, cgmGetError(_, _)).WillByDefault(Return(0x0502u));
    ON_CALL(inner_, cgmGenLists(_, _, _)).WillByDefault(Return(40u));
    ON_CALL(inner_, cgmCreateShader(_, _, _)).WillByDefault(Return(3u));
    EXPECT_EQ(0x0502u, tracer_.cgmGetError("a.cpp", 1));
    EXPECT_EQ(40u, tracer_.cgmGenLists("a.cpp", 2, 4));
    EXPECT_EQ(3u, tracer_.cgmCreateShader("a.cpp", 3, 0x8B31));
    EXPECT_EQ("a.cpp:1: glGetError()\n"
              "a.cpp:2: glGenLists(4)\n"
              "a.cpp:3: glCreateShader(GL_VERTEX_SHADER)\n",
              trace());
}

TEST_F(Tracer, LineIsWrittenBeforeTheInnerInterceptorThrows)
{
    EXPECT_CALL(inner_, cgmBindTexture(_, _, _, _)).WillOnce(testing::Throw(std::runtime_error("GL error")));
    tracer_.cgmClear("a.cpp", 1, 0x4000);
    EXPECT_THROW(tracer_.cgmBindTexture("a.cpp", 2, 0x1234, 1), std::runtime_error);
    EXPECT_EQ("a.cpp:1: glClear(16384)\n"
              "a.cpp:2: glBindTexture(Unknown Token, 1)\n",
              trace());
}

TEST_F(Tracer, NullFileIsWrittenNull)
{
    tracer_.cgmFinish(nullptr, 3);
    EXPECT_EQ("NULL:3: glFinish()\n", trace());
}

TEST(TracerStreams, DefaultStreamIsStandardOutput)
{
    const OpenGLTracer tracer;
    EXPECT_EQ(&std::cout, tracer.outputStream());
}

TEST(TracerStreams, SwitchingTheStreamWritesNothingAndLaterLinesGoToTheNewOne)
{
    NiceMock<StandInGL> inner;
    std::ostringstream first;
    std::ostringstream second;
    OpenGLTracer tracer(first, &inner);
    tracer.cgmFinish("a.cpp", 1);
    tracer.setOutputStream(second);
    EXPECT_EQ("a.cpp:1: glFinish()\n", first.str());
    EXPECT_EQ("", second.str());
    EXPECT_EQ(&second, tracer.outputStream());
    tracer.cgmFinish("a.cpp", 2);
    EXPECT_EQ("a.cpp:2: glFinish()\n", second.str());
}

TEST(TracerStreams, StreamIsNeitherFlushedNorReformatted)
{
    NiceMock<StandInGL> inner;
    CountingBuffer buffer;
    std::ostream out(&buffer);
    out << std::setprecision(3);
    const auto flags = out.flags();
    OpenGLTracer tracer(out, &inner);
    tracer.cgmTranslated("a.cpp", 1, 3.14159, 0, 0);
    tracer.cgmColor3f("a.cpp", 2, 3.14159f, 0.0f, 0.0f);
    EXPECT_EQ(0, buffer.nSyncs_);
    EXPECT_EQ(flags, out.flags());
    EXPECT_EQ(3, out.precision());
    EXPECT_EQ("a.cpp:1: glTranslated(3.14, 0, 0)\n"
              "a.cpp:2: glColor3f(makeFloat(1078530000) /* 3.14 */, makeFloat(0) /* 0 */, makeFloat(0) /* 0 */)\n",
              buffer.str());
}
