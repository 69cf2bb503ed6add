// Entry points with a hand-made text form, and those written as not capturable.

#include "RecorderFixture.h"

using testing::_;
using testing::DoAll;
using testing::SetArrayArgument;

using RecorderHandMade = Recorder;
using RecorderUnsupported = Recorder;

TEST_F(RecorderUnsupported, CallWithAPointerIsOneLineWithoutTheComment)
{
    const unsigned char bitmap[8] = {};
    EXPECT_CALL(inner_, cgmBitmap(_, 88u, 8, 8, 0.0f, 0.0f, 8.0f, 0.0f, bitmap));
    commenting_.cgmBitmap("scene.cpp", 88, 8, 8, 0, 0, 8, 0, bitmap);
    EXPECT_EQ("OpenGLRekorderUnsupported(\"Capturing an OpenGL function (glBitmap) with pointer parameter requires a "
              "specialized implementation!\");\n",
              text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderUnsupported, VectorsArraysAndNamesWithoutAFormAreNotCaptured)
{
    const float colour[3] = {1, 0, 0};
    recorder_.cgmColor3fv("a.cpp", 1, colour);
    recorder_.cgmDrawElements("a.cpp", 2, 0x0004, 3, 0x1403, nullptr);
    recorder_.cgmBindAttribLocation("a.cpp", 3, 5, 1, "normal");
    recorder_.cgmLightfv("a.cpp", 4, 0x4000, 0x1203, colour);
    EXPECT_EQ(unsupported("glColor3fv") + unsupported("glDrawElements") + unsupported("glBindAttribLocation") +
                  unsupported("glLightfv"),
              text());
}

TEST_F(RecorderHandMade, QueryReadsIntoSixteenElementsOfItsOwn)
{
    recorder_.cgmGetIntegerv("a.cpp", 1, 0x0BA2, nullptr);
    EXPECT_EQ("{\n"
              "    GLint data[4 * 4];\n"
              "    glGetIntegerv(GL_VIEWPORT, &data[0]);\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, CallLineOfABlockCarriesTheFileAndLineComment)
{
    commenting_.cgmGetIntegerv("scene.cpp", 88, 0x0BA2, nullptr);
    EXPECT_EQ("{\n"
              "    GLint data[4 * 4];\n"
              "    glGetIntegerv(GL_VIEWPORT, &data[0]);\t\t// scene.cpp, line 88\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, GeneratedNamesAreDroppedAndReachTheCaller)
{
    const unsigned given[3] = {4, 5, 6};
    EXPECT_CALL(inner_, cgmGenTextures(_, _, 3, _)).WillOnce(SetArrayArgument<3>(given, given + 3));
    unsigned names[3] = {};
    recorder_.cgmGenTextures("a.cpp", 1, 3, names);
    recorder_.cgmBindTexture("a.cpp", 2, 0x0DE1, names[1]);
    EXPECT_EQ("{\n"
              "    GLuint textures[3];\n"
              "    glGenTextures(3, &textures[0]);\n"
              "}\n"
              "glBindTexture(GL_TEXTURE_2D, 5);\n",
              text());
}

TEST_F(RecorderHandMade, NegativeArraySizeIsNotCaptured)
{
    recorder_.cgmGenTextures("a.cpp", 1, -1, nullptr);
    recorder_.cgmGetProgramInfoLog("a.cpp", 2, 3, -5, nullptr, nullptr);
    EXPECT_EQ(unsupported("glGenTextures") + unsupported("glGetProgramInfoLog"), text());
}

TEST_F(RecorderHandMade, FloatVectorIsWrittenAsBitPatternsWithItsValues)
{
    const float v[2] = {1.0f, 0.5f};
    recorder_.cgmVertex2fv("a.cpp", 1, v);
    EXPECT_EQ("{\n"
              "    int tmp_i[] = { 1065353216, 1056964608 }; // 1, 0.5\n"
              "    glVertex2fv( reinterpret_cast<float *>(&tmp_i[0]) );\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, IntegerVectorIsWrittenAsItIs)
{
    const int v[2] = {3, -4};
    recorder_.cgmMultiTexCoord2iv("a.cpp", 1, 0x84C1, v);
    EXPECT_EQ("{\n"
              "    int tmp_i[] = { 3, -4 }; // 3, -4\n"
              "    glMultiTexCoord2iv(GL_TEXTURE1, reinterpret_cast<int *>(&tmp_i[0]) );\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, NullVectorIsNotCaptured)
{
    recorder_.cgmVertex2fv("a.cpp", 1, nullptr);
    EXPECT_EQ(unsupported("glVertex2fv"), text());
}

// The border colour has four components; GL_TEXTURE_MIN_LOD one, and its array holds no more.
TEST_F(RecorderHandMade, TexParameterVectorHasTheComponentsOfItsParameter)
{
    const float border[4] = {0, 0.5f, 1, 1};
    const float minLod = 2;
    recorder_.cgmTexParameterfv("a.cpp", 1, 0x0DE1, 0x1004, border);
    recorder_.cgmTexParameterfv("a.cpp", 2, 0x0DE1, 0x813A, &minLod);
    EXPECT_EQ("{\n"
              "    int tmp_i[] = { 0, 1056964608, 1065353216, 1065353216 }; // 0, 0.5, 1, 1\n"
              "    glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, reinterpret_cast<float *>(&tmp_i[0]) );\n"
              "}\n"
              "{\n"
              "    int tmp_i[] = { 1073741824 }; // 2\n"
              "    glTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_MIN_LOD, reinterpret_cast<float *>(&tmp_i[0]) );\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, InfoLogPassesItsLengthOnlyWhenTheCallerDid)
{
    int length = 0;
    recorder_.cgmGetInfoLogARB("a.cpp", 1, 7, 10, nullptr, nullptr);
    recorder_.cgmGetInfoLogARB("a.cpp", 2, 7, 10, &length, nullptr);
    EXPECT_EQ("{\n"
              "    GLcharARB data[11];\n"
              "    GLsizei length;\n"
              "    glGetInfoLogARB((GLhandleARB)7, 10, NULL, &data[0]);\n"
              "}\n"
              "{\n"
              "    GLcharARB data[11];\n"
              "    GLsizei length;\n"
              "    glGetInfoLogARB((GLhandleARB)7, 10, &length, &data[0]);\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, ActiveUniformDeclaresOneMoreThanItsMaxLength)
{
    recorder_.cgmGetActiveUniformARB("a.cpp", 1, 7, 2, 64, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ("{\n"
              "    GLcharARB data[65];\n"
              "    GLsizei length;\n"
              "    GLint size;\n"
              "    GLenum type;\n"
              "    glGetActiveUniformARB((GLhandleARB)7, 2, 64, &length, &size, &type, &data[0]);\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, ProgramInfoLogAndAttachedShadersUseStorageOfTheirOwn)
{
    recorder_.cgmGetProgramInfoLog("a.cpp", 1, 3, 100, nullptr, nullptr);
    recorder_.cgmGetAttachedShaders("a.cpp", 2, 3, 4, nullptr, nullptr);
    EXPECT_EQ("{\n"
              "    std::vector<char> data(100);\n"
              "    glGetProgramInfoLog(3, 100, NULL, &data[0]);\n"
              "}\n"
              "{\n"
              "    GLsizei count[4];\n"
              "    GLuint shaders[4];\n"
              "    glGetAttachedShaders(3, 4, &count[0], &shaders[0]);\n"
              "}\n",
              text());
}

TEST_F(RecorderHandMade, ReadPixelsIsCommentedOut)
{
    unsigned char pixels[16];
    commenting_.cgmReadPixels("scene.cpp", 88, 0, 1, 2, 2, 0x1908, 0x1401, pixels);
    EXPECT_EQ("//glReadPixels(0, 1, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, " + pointerText(pixels) + ");" + kComment,
              text());
}
