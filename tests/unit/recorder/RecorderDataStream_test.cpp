// Entry points whose data goes to the data stream as records that the recorded text reads back.

#include "RecorderFixture.h"

#include <vector>

using QEL::OGL::UnpackState;
using testing::_;

namespace {

const float kMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 3, 4, 1};
const double kMatrixD[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 3, 4, 1};

const unsigned kRGB = 0x1907;
const unsigned kRGBA = 0x1908;
const unsigned kLuminance = 0x1909;
const unsigned kUnsignedByte = 0x1401;
const unsigned kUnsignedShort = 0x1403;
const unsigned kFloat = 0x1406;
const unsigned kTexture2D = 0x0DE1;

std::vector<unsigned char> bytes(std::size_t size)
{
    std::vector<unsigned char> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<unsigned char>(i + 1);
    return data;
}

}

using RecorderDataStream = Recorder;

TEST_F(RecorderDataStream, FirstRecordIsAtZeroAndTheNextFollowsItsSixtyEightBytes)
{
    recorder_.cgmLoadMatrixf("scene.cpp", 88, kMatrix);
    recorder_.cgmMultMatrixf("scene.cpp", 89, kMatrix);
    EXPECT_EQ("{\n"
              "    pBinaryInputStream->seekg(0);\n"
              "    unsigned int nSize= 0;\n"
              "    pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
              "    std::vector<char> data(nSize);\n"
              "    pBinaryInputStream->read(&data[0], nSize);\n"
              "    glLoadMatrixf((GLfloat *)&data[0]);\n"
              "}\n"
              "{\n"
              "    pBinaryInputStream->seekg(68);\n"
              "    unsigned int nSize= 0;\n"
              "    pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
              "    std::vector<char> data(nSize);\n"
              "    pBinaryInputStream->read(&data[0], nSize);\n"
              "    glMultMatrixf(reinterpret_cast<const GLfloat *>(&data[0]));\n"
              "}\n",
              text());
    EXPECT_EQ(record(kMatrix, 64) + record(kMatrix, 64), data());
}

TEST_F(RecorderDataStream, RecordSizeIsFourLittleEndianBytes)
{
    recorder_.cgmMultMatrixd("a.cpp", 1, kMatrixD);
    ASSERT_EQ(132u, data().size());
    EXPECT_EQ(std::string("\x80\0\0\0", 4), data().substr(0, 4));
    EXPECT_EQ(dataBlock(0, "    glMultMatrixd(reinterpret_cast<const GLdouble *>(&data[0]));\n"), text());
}

TEST_F(RecorderDataStream, CallLineOfABlockCarriesTheFileAndLineComment)
{
    commenting_.cgmLoadMatrixf("scene.cpp", 88, kMatrix);
    EXPECT_EQ(dataBlock(0, "    glLoadMatrixf((GLfloat *)&data[0]);" + kComment), text());
}

TEST_F(RecorderDataStream, UniformArrayHoldsCountTimesComponents)
{
    const std::vector<float> values(15, 0.25f);
    recorder_.cgmUniform3fv("a.cpp", 1, 2, 5, values.data());
    EXPECT_EQ(record(values.data(), 60), data());
    EXPECT_EQ(dataBlock(0, "    glUniform3fv(2, 5, reinterpret_cast<const GLfloat *>(&data[0]));\n"), text());
}

TEST_F(RecorderDataStream, EmptyArrayWritesAnEmptyRecordAndItsBlock)
{
    const unsigned names[1] = {7};
    recorder_.cgmDeleteTextures("a.cpp", 1, 0, names);
    recorder_.cgmDeleteTextures("a.cpp", 2, 0, names);
    EXPECT_EQ(std::string(8, '\0'), data());
    EXPECT_EQ(dataBlock(0, "    glDeleteTextures(0, reinterpret_cast<const GLuint *>(&data[0]));\n") +
                  dataBlock(4, "    glDeleteTextures(0, reinterpret_cast<const GLuint *>(&data[0]));\n"),
              text());
}

TEST_F(RecorderDataStream, NullArrayIsNotCapturedEvenWhenEmpty)
{
    recorder_.cgmDeleteTextures("a.cpp", 1, 0, nullptr);
    EXPECT_EQ(unsupported("glDeleteTextures"), text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderDataStream, NegativeCountOrNullArrayIsNotCapturedAndAddsNoOffset)
{
    const unsigned names[2] = {7, 8};
    recorder_.cgmDeleteTextures("a.cpp", 1, -1, names);
    recorder_.cgmUniform3fv("a.cpp", 2, 0, 2, nullptr);
    recorder_.cgmDeleteTextures("a.cpp", 3, 2, names);
    EXPECT_EQ(unsupported("glDeleteTextures") + unsupported("glUniform3fv") +
                  dataBlock(0, "    glDeleteTextures(2, reinterpret_cast<const GLuint *>(&data[0]));\n"),
              text());
    EXPECT_EQ(record(names, 8), data());
}

TEST_F(RecorderDataStream, NotCapturedCallsStillReachTheInnerInterceptor)
{
    EXPECT_CALL(inner_, cgmDeleteTextures(_, 1u, -1, nullptr));
    recorder_.cgmDeleteTextures("a.cpp", 1, -1, nullptr);
}

TEST_F(RecorderDataStream, MatrixUniformWritesCppTruthAndNeverTheComment)
{
    const float matrices[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    commenting_.cgmUniformMatrix2fv("scene.cpp", 88, 3, 2, 1, matrices);
    commenting_.cgmUniformMatrix2fv("scene.cpp", 89, 3, 1, 0, matrices);
    EXPECT_EQ("{\n"
              "    pBinaryInputStream->seekg(0);\n"
              "    unsigned int nSize;\n"
              "    pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
              "    std::vector<char> data(nSize);\n"
              "    pBinaryInputStream->read(&data[0], nSize);\n"
              "    glUniformMatrix2fv(3, 2, true, reinterpret_cast<const GLfloat *>(&data[0]));\n"
              "}\n"
              "{\n"
              "    pBinaryInputStream->seekg(36);\n"
              "    unsigned int nSize;\n"
              "    pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
              "    std::vector<char> data(nSize);\n"
              "    pBinaryInputStream->read(&data[0], nSize);\n"
              "    glUniformMatrix2fv(3, 1, false, reinterpret_cast<const GLfloat *>(&data[0]));\n"
              "}\n",
              text());
    EXPECT_EQ(record(matrices, 32) + record(matrices, 16), data());
}

TEST_F(RecorderDataStream, UniformNameIsRecordedWithItsNul)
{
    recorder_.cgmGetUniformLocation("a.cpp", 1, 5, "position");
    recorder_.cgmGetUniformLocationARB("a.cpp", 2, 5, "colour");
    EXPECT_EQ(record("position", 9) + record("colour", 7), data());
    EXPECT_EQ(dataBlock(0, "    glGetUniformLocation(5, &data[0]);\n") +
                  dataBlock(13, "    glGetUniformLocationARB((GLhandleARB)5, &data[0]);\n"),
              text());
}

TEST_F(RecorderDataStream, NullUniformNameIsNotCaptured)
{
    recorder_.cgmGetUniformLocation("a.cpp", 1, 5, nullptr);
    EXPECT_EQ(unsupported("glGetUniformLocation"), text());
    EXPECT_EQ("", data());
}

// GL reads 4-byte aligned rows: 9 bytes and 3 of padding, then the last row's 9.
TEST_F(RecorderDataStream, ImageHoldsTheBytesGLReadsUnderTheDefaultAlignment)
{
    const auto pixels = bytes(21);
    recorder_.cgmTexImage2D("a.cpp", 1, kTexture2D, 0, 3, 3, 2, 0, kRGB, kUnsignedByte, pixels.data());
    EXPECT_EQ(record(pixels.data(), 21), data());
    EXPECT_EQ(dataBlock(0, "    glTexImage2D(GL_TEXTURE_2D, 0, 3, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, &data[0]);\n"),
              text());
}

TEST_F(RecorderDataStream, ImageOfPackedRowsIsWidthTimesHeightPixels)
{
    unpack_.state_.alignment = 1;
    const auto pixels = bytes(18);
    recorder_.cgmTexImage2D("a.cpp", 1, kTexture2D, 0, 3, 3, 2, 0, kRGB, kUnsignedByte, pixels.data());
    EXPECT_EQ(record(pixels.data(), 18), data());
}

TEST_F(RecorderDataStream, ImageOfFloatsHasFourBytesPerComponent)
{
    const auto pixels = bytes(256);
    recorder_.cgmTexImage2D("a.cpp", 1, kTexture2D, 0, 0x8814, 4, 4, 0, kRGBA, kFloat, pixels.data());
    EXPECT_EQ(record(pixels.data(), 256), data());
}

// Rows 4 pixels apart, one row and one pixel skipped: 16 + 4 bytes before the image, 16 + 8 of it.
TEST_F(RecorderDataStream, ImageCountsTheRowLengthAndTheSkippedRowsAndPixels)
{
    unpack_.state_.rowLength = 4;
    unpack_.state_.skipRows = 1;
    unpack_.state_.skipPixels = 1;
    const auto pixels = bytes(44);
    recorder_.cgmTexSubImage2D("a.cpp", 1, kTexture2D, 0, 1, 2, 2, 2, kRGBA, kUnsignedByte, pixels.data());
    EXPECT_EQ(record(pixels.data(), 44), data());
    EXPECT_EQ(
        dataBlock(0, "    glTexSubImage2D(GL_TEXTURE_2D, 0, 1, 2, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, &data[0]);\n"),
        text());
}

TEST_F(RecorderDataStream, UnsupportedPixelTypeOrFormatWritesOnlyTheWarning)
{
    const auto pixels = bytes(64);
    commenting_.cgmTexImage2D("scene.cpp", 88, kTexture2D, 0, 1, 2, 2, 0, kLuminance, kUnsignedByte, pixels.data());
    commenting_.cgmTexImage2D("scene.cpp", 88, kTexture2D, 0, 4, 2, 2, 0, kRGBA, kUnsignedShort, pixels.data());
    EXPECT_EQ("WARNING!!! Encountered unsupported type and / or format (type=5121, format=6409).\n"
              "WARNING!!! Encountered unsupported type and / or format (type=5123, format=6408).\n",
              text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderDataStream, ImageWithoutPixelsIsOneStatementWithTheNullPointer)
{
    commenting_.cgmTexImage2D("scene.cpp", 88, kTexture2D, 0, 1, 64, 64, 0, kLuminance, kUnsignedByte, nullptr);
    EXPECT_EQ("glTexImage2D(GL_TEXTURE_2D, 0, 1, 64, 64, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, " +
                  pointerText(nullptr) + ");\n",
              text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderDataStream, SubImageWithoutPixelsIsNotCaptured)
{
    recorder_.cgmTexSubImage2D("a.cpp", 1, kTexture2D, 0, 0, 0, 2, 2, kRGBA, kUnsignedByte, nullptr);
    EXPECT_EQ(unsupported("glTexSubImage2D"), text());
}

TEST_F(RecorderDataStream, PixelsAreNeverReadWhileAnUnpackBufferIsBound)
{
    unpack_.state_.bufferBound = true;
    const auto pixels = bytes(16);
    recorder_.cgmTexImage2D("a.cpp", 1, kTexture2D, 0, 4, 2, 2, 0, kRGBA, kUnsignedByte, pixels.data());
    recorder_.cgmTexImage2D("a.cpp", 2, kTexture2D, 0, 4, 2, 2, 0, kRGBA, kUnsignedByte, nullptr);
    recorder_.cgmTexSubImage2D("a.cpp", 3, kTexture2D, 0, 0, 0, 2, 2, kRGBA, kUnsignedByte, pixels.data());
    EXPECT_EQ(unsupported("glTexImage2D") + unsupported("glTexImage2D") + unsupported("glTexSubImage2D"), text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderDataStream, ImageOfNegativeSizeIsNotCaptured)
{
    const auto pixels = bytes(16);
    recorder_.cgmTexImage2D("a.cpp", 1, kTexture2D, 0, 4, -2, 2, 0, kRGBA, kUnsignedByte, pixels.data());
    EXPECT_EQ(unsupported("glTexImage2D"), text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderDataStream, ShaderStringsWithoutLengthsAreRecordedWithTheirNul)
{
    commenting_.cgmLoadMatrixf("a.cpp", 1, kMatrix);
    out_.str("");
    const char* const strings[2] = {"ab", "c"};
    commenting_.cgmShaderSource("scene.cpp", 88, 4, 2, strings, nullptr);
    const std::string condition = "0x" + pointerText(nullptr);
    EXPECT_EQ("{\n"
              "    pBinaryInputStream->seekg(68);\n"
              "    char *data[2];\n"
              "    std::vector<GLint> lengths_data;\n"
              "    if (" + condition + ") lengths_data.resize(2);\n"
              "    for (GLsizei n = 0; n < 2; n++)\n"
              "    {\n"
              "        GLint nSize = 0;\n"
              "        pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
              "        if (" + condition + ") lengths_data[n] = nSize;\n"
              "        data[n] = new char[nSize];\n"
              "        pBinaryInputStream->read(data[n], nSize);\n"
              "    };\n"
              "    if (" + condition + ")\n"
              "        glShaderSource(4, 2, (const GLchar **)data, &lengths_data[0]);" + kComment +
              "    else\n"
              "        glShaderSource(4, 2, (const GLchar **)data, NULL);" + kComment +
              "    for (GLsizei n = 0; n < 2; n++)\n"
              "    {\n"
              "        delete[] data[n];\n"
              "    }\n"
              "}\n",
              text());
    EXPECT_EQ(record(kMatrix, 64) + record("ab", 3) + record("c", 2), data());
}

TEST_F(RecorderDataStream, ShaderStringsWithLengthsTakeThemAndANegativeOneMeansUpToTheNul)
{
    const char* const strings[2] = {"abcd", "c"};
    const int lengths[2] = {2, -1};
    recorder_.cgmShaderSource("a.cpp", 1, 4, 2, strings, lengths);
    EXPECT_EQ(record("ab", 2) + record("c", 1), data());
    EXPECT_NE(std::string::npos, text().find("    if (0x" + pointerText(lengths) + ")\n"));
}

TEST_F(RecorderDataStream, NoShaderStringsWritesNoRecordButTheBlock)
{
    const char* const strings[1] = {"unused"};
    recorder_.cgmShaderSource("a.cpp", 1, 4, 0, strings, nullptr);
    EXPECT_EQ("", data());
    EXPECT_NE(std::string::npos, text().find("    char *data[0];\n"));
}

TEST_F(RecorderDataStream, ShaderStringsThatCannotBeReadAreNotCapturedAtAll)
{
    const char* const strings[2] = {"ab", nullptr};
    recorder_.cgmShaderSource("a.cpp", 1, 4, -1, strings, nullptr);
    recorder_.cgmShaderSource("a.cpp", 2, 4, 2, strings, nullptr);
    recorder_.cgmShaderSource("a.cpp", 3, 4, 1, nullptr, nullptr);
    recorder_.cgmShaderSource("a.cpp", 4, 4, 0, nullptr, nullptr);
    EXPECT_EQ(unsupported("glShaderSource") + unsupported("glShaderSource") + unsupported("glShaderSource") +
                  unsupported("glShaderSource"),
              text());
    EXPECT_EQ("", data());
}

TEST_F(RecorderDataStream, ShaderSourceOfAHandleCastsIt)
{
    const char* strings[1] = {"void main() {}"};
    recorder_.cgmShaderSourceARB("a.cpp", 1, 5, 1, strings, nullptr);
    EXPECT_NE(std::string::npos,
              text().find("        glShaderSourceARB((GLhandleARB)5, 1, (const GLchar **)data, &lengths_data[0]);\n"
                          "    else\n"
                          "        glShaderSourceARB((GLhandleARB)5, 1, (const GLchar **)data, NULL);\n"));
    EXPECT_EQ(record("void main() {}", 15), data());
}

TEST_F(RecorderDataStream, OffsetsContinueOnANewDataStream)
{
    recorder_.cgmLoadMatrixf("a.cpp", 1, kMatrix);
    std::ostringstream next(std::ios::out | std::ios::binary);
    recorder_.setBinaryOutputStream(next);
    out_.str("");
    recorder_.cgmLoadMatrixf("a.cpp", 2, kMatrix);
    EXPECT_EQ(dataBlock(68, "    glLoadMatrixf((GLfloat *)&data[0]);\n"), text());
    EXPECT_EQ(record(kMatrix, 64), next.str());
}

// A stream in a failed state writes nothing and reads nothing from the array, yet the offsets advance as on a
// sound stream; past 4 GiB they keep counting instead of wrapping.
TEST_F(RecorderDataStream, OffsetsPastFourGibibytesDoNotWrap)
{
    binary_.setstate(std::ios::badbit);
    const unsigned names[1] = {1};
    const int halfGibiNames = 1 << 29;
    recorder_.cgmDeleteTextures("a.cpp", 1, halfGibiNames, names);
    recorder_.cgmDeleteTextures("a.cpp", 2, halfGibiNames, names);
    out_.str("");
    recorder_.cgmDeleteTextures("a.cpp", 3, 0, names);
    EXPECT_EQ(dataBlock(4294967304u, "    glDeleteTextures(0, reinterpret_cast<const GLuint *>(&data[0]));\n"),
              text());
}
