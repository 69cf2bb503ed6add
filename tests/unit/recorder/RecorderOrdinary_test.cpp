// Entry points without a pointer parameter: one statement each.

#include "RecorderFixture.h"

#include <stdexcept>

using QEL::OGL::OpenGLRekorder;
using testing::_;
using testing::NiceMock;
using testing::Return;
using testing::StrEq;

using RecorderOrdinary = Recorder;

TEST_F(RecorderOrdinary, StatementEndsRightAfterItsSemicolon)
{
    recorder_.cgmFinish("scene.cpp", 88);
    recorder_.cgmBindTexture("scene.cpp", 88, 0x0DE1, 3);
    EXPECT_EQ("glFinish();\n"
              "glBindTexture(GL_TEXTURE_2D, 3);\n",
              text());
}

TEST_F(RecorderOrdinary, FileAndLineFollowAsAComment)
{
    commenting_.cgmBindTexture("scene.cpp", 88, 0x0DE1, 3);
    EXPECT_EQ("glBindTexture(GL_TEXTURE_2D, 3);\t\t// scene.cpp, line 88\n", text());
}

TEST_F(RecorderOrdinary, CallReachesTheInnerInterceptorUnchanged)
{
    EXPECT_CALL(inner_, cgmBindTexture(StrEq("scene.cpp"), 88u, 0x0DE1u, 3u));
    recorder_.cgmBindTexture("scene.cpp", 88, 0x0DE1, 3);
}

TEST_F(RecorderOrdinary, IntegersByTheirDeclaredType)
{
    recorder_.cgmClear("a.cpp", 1, 0x4100);
    recorder_.cgmColor4ub("a.cpp", 2, 255, 0, 128, 255);
    recorder_.cgmColor3b("a.cpp", 3, -1, 0, 127);
    recorder_.cgmVertex3s("a.cpp", 4, -7, 0, 1);
    recorder_.cgmColor4us("a.cpp", 5, 65535, 0, 1, 2);
    EXPECT_EQ("glClear(16640);\n"
              "glColor4ub(255, 0, 128, 255);\n"
              "glColor3b(-1, 0, 127);\n"
              "glVertex3s(-7, 0, 1);\n"
              "glColor4us(65535, 0, 1, 2);\n",
              text());
}

TEST_F(RecorderOrdinary, EnumsAndBooleansByName)
{
    recorder_.cgmColorMask("a.cpp", 1, 1, 0, 2, 255);
    recorder_.cgmBegin("a.cpp", 2, 0x000E);
    recorder_.cgmBegin("a.cpp", 3, 0x0004);
    EXPECT_EQ("glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_TRUE);\n"
              "glBegin(Unknown Token);\n"
              "glBegin(GL_LINE_BIT);\n",
              text());
}

TEST_F(RecorderOrdinary, FloatsAreExactAndDoublesInTheStreamsFormat)
{
    recorder_.cgmColor3f("a.cpp", 1, 1.0f, -1.0f, 0.5f);
    recorder_.cgmColor3f("a.cpp", 2, -0.0f, 0.0f, 0.0f);
    recorder_.cgmClearDepth("a.cpp", 3, 0.123456789);
    recorder_.cgmFragmentMaterialfEXT("a.cpp", 4, 0x0404, 0x1601, 2.5f);
    EXPECT_EQ("glColor3f(makeFloat(1065353216) /* 1 */, makeFloat(-1082130432) /* -1 */, "
              "makeFloat(1056964608) /* 0.5 */);\n"
              "glColor3f(makeFloat(-2147483648) /* -0 */, makeFloat(0) /* 0 */, makeFloat(0) /* 0 */);\n"
              "glClearDepth(0.123457);\n"
              "glFragmentMaterialfEXT(GL_FRONT, GL_SHININESS, 2.5);\n",
              text());
}

TEST_F(RecorderOrdinary, HandlesCarryTheirCast)
{
    recorder_.cgmUseProgramObjectARB("a.cpp", 1, 7);
    recorder_.cgmAttachObjectARB("a.cpp", 2, 7, 9);
    EXPECT_EQ("glUseProgramObjectARB((GLhandleARB)7);\n"
              "glAttachObjectARB((GLhandleARB)7, (GLhandleARB)9);\n",
              text());
}

TEST_F(RecorderOrdinary, PointerSizedIntegersAreSignedDecimal)
{
    const std::ptrdiff_t size = sizeof(void*) == 8 ? std::ptrdiff_t{1} << 40 : 65536;
    recorder_.cgmBindBufferRangeNV("a.cpp", 1, 0x8C8E, 0, 5, -8, size);
    EXPECT_EQ("glBindBufferRangeNV(GL_TRANSFORM_FEEDBACK_BUFFER_NV, 0, 5, -8, " + std::to_string(size) + ");\n",
              text());
}

TEST_F(RecorderOrdinary, ResultsAreAnsweredButNeverWritten)
{
    static const unsigned char kVersion[] = "2.1";
    int mapped = 0;
    ON_CALL(inner_, cgmGenLists(_, _, _)).WillByDefault(Return(40u));
    ON_CALL(inner_, cgmCreateShader(_, _, _)).WillByDefault(Return(3u));
    ON_CALL(inner_, cgmGetString(_, _, _)).WillByDefault(Return(kVersion));
    ON_CALL(inner_, cgmMapBuffer(_, _, _, _)).WillByDefault(Return(&mapped));
    EXPECT_EQ(40u, recorder_.cgmGenLists("a.cpp", 1, 4));
    EXPECT_EQ(3u, recorder_.cgmCreateShader("a.cpp", 2, 0x8B31));
    EXPECT_EQ(kVersion, recorder_.cgmGetString("a.cpp", 3, 0x1F02));
    EXPECT_EQ(&mapped, recorder_.cgmMapBuffer("a.cpp", 4, 0x8892, 0x88BA));
    EXPECT_EQ("glGenLists(4);\n"
              "glCreateShader(GL_VERTEX_SHADER);\n"
              "glGetString(GL_VERSION);\n"
              "glMapBuffer(GL_ARRAY_BUFFER, GL_READ_WRITE);\n",
              text());
}

TEST_F(RecorderOrdinary, StatementIsWrittenBeforeTheInnerInterceptorThrows)
{
    EXPECT_CALL(inner_, cgmBindTexture(_, _, _, _)).WillOnce(testing::Throw(std::runtime_error("GL error")));
    EXPECT_THROW(recorder_.cgmBindTexture("a.cpp", 1, 0x1234, 1), std::runtime_error);
    EXPECT_EQ("glBindTexture(Unknown Token, 1);\n", text());
}

TEST(RecorderStreams, ConstructionWritesNothingAndTheStreamsCanBeReplaced)
{
    NiceMock<StandInGL> inner;
    std::ostringstream out;
    std::ostringstream binary;
    std::ostringstream otherOut;
    std::ostringstream otherBinary;
    OpenGLRekorder recorder(out, binary, &inner, false);
    EXPECT_EQ("", out.str());
    EXPECT_EQ(&out, recorder.outputStream());
    EXPECT_EQ(&binary, recorder.binaryOutputStream());
    recorder.setOutputStream(otherOut);
    recorder.setBinaryOutputStream(otherBinary);
    const OpenGLRekorder& constRecorder = recorder;
    EXPECT_EQ(&otherOut, constRecorder.outputStream());
    EXPECT_EQ(&otherBinary, constRecorder.binaryOutputStream());
    recorder.cgmFinish("a.cpp", 1);
    EXPECT_EQ("glFinish();\n", otherOut.str());
    EXPECT_EQ("", out.str());
}
