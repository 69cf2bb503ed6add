// The recorder's complete mode on the real driver: what it records for pointers, client vertex arrays, the
// unpack state it follows and mapped buffers, read back from its data stream as a replay reads it.

#include "ChainFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/OpenGLRekorder.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using QEL::OGL::OpenGLInterceptor;
using QEL::OGL::OpenGLRekorder;

namespace {

struct Vertex
{
    GLubyte color[4];
    GLfloat position[3];
};

const Vertex kVertices[] = {
    {{255, 0, 0, 255}, {0.0f, 0.0f, 0.0f}},  {{0, 255, 0, 255}, {1.0f, 0.0f, 0.0f}},
    {{0, 0, 255, 255}, {1.0f, 1.0f, 0.0f}},  {{9, 9, 9, 255}, {0.0f, 1.0f, 0.0f}},
    {{7, 7, 7, 255}, {0.5f, 0.5f, 0.5f}},
};

// The library on, for the entry points after GL 1.1, and the recorder in complete mode on top of its chain.
class CompleteRecorder : public LibraryFixture<ChainFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture<ChainFixture>::SetUp();
        turnOn();
        recorder_.setComplete(true);
        OpenGLInterceptor::Instance()->addInterceptor(&recorder_);
    }

    static OpenGLInterceptor* gl()
    {
        return OpenGLInterceptor::Instance();
    }

    // The bytes of the record at offset, as the replay's GLRekorderData answers them.
    std::string record(std::uint64_t offset) const
    {
        const std::string data = binary_.str();
        std::uint32_t size = 0;
        std::memcpy(&size, data.data() + offset, sizeof size);
        return data.substr(offset + 4, size);
    }

    // What a replay's pointer GLRekorderArray(offset, bias) reads at byte `at`.
    std::string arrayBytes(const std::string& setter, std::size_t at, std::size_t bytes) const
    {
        const std::vector<std::string> found = lastMatch(setter + "\\(.*GLRekorderArray\\((\\d+), (-?\\d+)\\)\\);");
        return found[1].empty() ? std::string()
                                : record(std::stoull(found[1])).substr(std::stoll(found[2]) + at, bytes);
    }

    // The groups of the last match of pattern in the text; none when nothing matches.
    std::vector<std::string> lastMatch(const std::string& pattern) const
    {
        const std::string text = out_.str();
        const std::regex expression(pattern);
        std::vector<std::string> groups;
        for (std::sregex_iterator it(text.begin(), text.end(), expression), end; it != end; ++it)
            groups.assign(it->begin(), it->end());
        EXPECT_FALSE(groups.empty()) << pattern << " in\n" << text;
        groups.resize(3);
        return groups;
    }

    // The statements that follow the first line holding `marker`.
    std::string after(const std::string& marker) const
    {
        const std::string text = out_.str();
        const std::size_t at = text.find(marker);
        return at == std::string::npos ? std::string() : text.substr(text.find('\n', at) + 1);
    }

    std::ostringstream out_;
    std::ostringstream binary_{std::ios::out | std::ios::binary};
    OpenGLRekorder recorder_{out_, binary_, nullptr, false};
};

}

TEST_F(CompleteRecorder, PointersReadAreRecordsWritesAreStorageAndFloatingPointIsExact)
{
    const GLfloat position[4] = {1.0f, 2.0f, 3.0f, 0.0f};
    gl()->cgmLightfv("s.c", 1, GL_LIGHT1, GL_POSITION, position);
    GLint viewport[4];
    gl()->cgmGetIntegerv("s.c", 2, GL_VIEWPORT, viewport);
    GLuint selection[64];
    gl()->cgmSelectBuffer("s.c", 3, 64, selection);
    gl()->cgmTranslated("s.c", 4, 0.1, -2.0, 1e-300);

    const std::string text = out_.str();
    EXPECT_NE(std::string::npos, text.find("glLightfv(GL_LIGHT1, GL_POSITION, (const GLfloat *)GLRekorderData(4));"))
        << text;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(position), sizeof position), record(4));
    EXPECT_NE(std::string::npos, text.find("glGetIntegerv(GL_VIEWPORT, (GLint *)GLRekorderScratch(-1));"));
    EXPECT_NE(std::string::npos, text.find("glSelectBuffer(64, (GLuint *)GLRekorderLastingScratch(256));"));
    EXPECT_NE(std::string::npos, text.find("glTranslated(makeDouble(0x3FB999999999999A) /* 0.1 */, "
                                           "makeDouble(0xC000000000000000) /* -2 */, makeDouble(0x01A56E1FC2F8F359)"));
    EXPECT_EQ(std::string::npos, text.find("OpenGLRekorderUnsupported"));
}

TEST_F(CompleteRecorder, ClientArraysArePointedAtCopiesOfWhatEachDrawReads)
{
    gl()->cgmEnableClientState("s.c", 1, GL_VERTEX_ARRAY);
    gl()->cgmVertexPointer("s.c", 2, 3, GL_FLOAT, sizeof(Vertex), kVertices[0].position);
    const GLushort indices[] = {3, 1, 2};
    gl()->cgmDrawElements("s.c", 3, GL_TRIANGLES, 3, GL_UNSIGNED_SHORT, indices);
    // The draw reads vertices 1 to 3 only.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kVertices[1].position), 12),
              arrayBytes("glVertexPointer", sizeof(Vertex), 12));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kVertices[3].position), 12),
              arrayBytes("glVertexPointer", 3 * sizeof(Vertex), 12));
    EXPECT_EQ(0u, after("glVertexPointer(3, GL_FLOAT, 16, GLRekorderArray").find("glDrawElements("))
        << out_.str();

    // One record for the interleaved colours and positions; the colours keep their own pointer.
    gl()->cgmInterleavedArrays("s.c", 4, GL_C4UB_V3F, 0, kVertices);
    gl()->cgmDrawArrays("s.c", 5, GL_POINTS, 2, 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&kVertices[4]), 4),
              arrayBytes("glColorPointer", 4 * sizeof(Vertex), 4));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kVertices[2].position), 12),
              arrayBytes("glVertexPointer", 2 * sizeof(Vertex), 12));
    EXPECT_EQ(lastMatch("glColorPointer\\(.*GLRekorderArray\\((\\d+),")[1],
              lastMatch("glVertexPointer\\(.*GLRekorderArray\\((\\d+),")[1]);

    // Elements between glBegin and glEnd: the arrays are pointed before glBegin.
    gl()->cgmBegin("s.c", 6, GL_POINTS);
    gl()->cgmArrayElement("s.c", 7, 4);
    gl()->cgmArrayElement("s.c", 8, 0);
    gl()->cgmEnd("s.c", 9);
    const std::string pair = after("glDrawArrays(GL_POINTS, 2, 3);");
    EXPECT_EQ(0u, pair.find("glColorPointer(4, GL_UNSIGNED_BYTE, 16, GLRekorderArray(")) << pair;
    EXPECT_NE(std::string::npos, pair.find("glBegin(GL_POINTS);\nglArrayElement(4);\nglArrayElement(0);\nglEnd();"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kVertices[4].position), 12),
              arrayBytes("glVertexPointer", 4 * sizeof(Vertex), 12));
    EXPECT_EQ(std::string::npos, out_.str().find("OpenGLRekorderUnsupported"));
}

TEST_F(CompleteRecorder, UnpackStateIsFollowedAndAskedForAgainAfterAPop)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const std::vector<GLubyte> pixels(64, 0x7F);
    gl()->cgmPixelStorei("s.c", 1, GL_UNPACK_ALIGNMENT, 1);
    gl()->cgmTexImage2D("s.c", 2, GL_TEXTURE_2D, 0, GL_RGB, 3, 3, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    gl()->cgmPushClientAttrib("s.c", 3, GL_CLIENT_PIXEL_STORE_BIT);
    gl()->cgmPixelStorei("s.c", 4, GL_UNPACK_ALIGNMENT, 8);
    gl()->cgmTexImage2D("s.c", 5, GL_TEXTURE_2D, 0, GL_RGB, 3, 3, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    gl()->cgmPopClientAttrib("s.c", 6);
    gl()->cgmTexImage2D("s.c", 7, GL_TEXTURE_2D, 0, GL_RGB, 3, 3, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glDeleteTextures(1, &texture);

    const std::regex image("glTexImage2D\\(.*GLRekorderData\\((\\d+)\\)\\);");
    std::vector<std::size_t> sizes;
    const std::string text = out_.str();
    for (std::sregex_iterator it(text.begin(), text.end(), image), end; it != end; ++it)
        sizes.push_back(record(std::stoull((*it)[1])).size());
    // Three rows of nine bytes, then rows sixteen bytes apart.
    EXPECT_EQ((std::vector<std::size_t>{27, 16 + 16 + 9, 27}), sizes) << text;
}

TEST_F(CompleteRecorder, WritesThroughAMappedBufferAreUploadedAtTheUnmapAndBufferPointersAreOffsets)
{
    const auto genBuffers = reinterpret_cast<PFNGLGENBUFFERSARBPROC>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("glGenBuffersARB")));
    GLuint buffer = 0;
    genBuffers(1, &buffer);
    gl()->cgmBindBufferARB("s.c", 1, GL_ARRAY_BUFFER_ARB, buffer);
    gl()->cgmBufferDataARB("s.c", 2, GL_ARRAY_BUFFER_ARB, sizeof kVertices, nullptr, GL_STATIC_DRAW_ARB);
    void* mapped = gl()->cgmMapBufferARB("s.c", 3, GL_ARRAY_BUFFER_ARB, GL_WRITE_ONLY_ARB);
    ASSERT_NE(nullptr, mapped);
    std::memcpy(mapped, kVertices, sizeof kVertices);
    gl()->cgmUnmapBufferARB("s.c", 4, GL_ARRAY_BUFFER_ARB);
    gl()->cgmVertexPointer("s.c", 5, 3, GL_FLOAT, sizeof(Vertex), reinterpret_cast<const void*>(4));
    gl()->cgmEnableClientState("s.c", 6, GL_VERTEX_ARRAY);
    gl()->cgmDrawArrays("s.c", 7, GL_POINTS, 0, 5);
    // A client array stays client memory when a buffer is bound before the draw: the replay points it while
    // none is bound.
    gl()->cgmBindBufferARB("s.c", 8, GL_ARRAY_BUFFER_ARB, 0);
    gl()->cgmVertexPointer("s.c", 9, 3, GL_FLOAT, sizeof(Vertex), kVertices[0].position);
    gl()->cgmBindBufferARB("s.c", 10, GL_ARRAY_BUFFER_ARB, buffer);
    gl()->cgmDrawArrays("s.c", 11, GL_POINTS, 0, 2);
    gl()->cgmDisableClientState("s.c", 12, GL_VERTEX_ARRAY);
    gl()->cgmBindBufferARB("s.c", 13, GL_ARRAY_BUFFER_ARB, 0);

    const std::string text = out_.str();
    EXPECT_NE(std::string::npos, text.find("// glMapBufferARB(GL_ARRAY_BUFFER, GL_WRITE_ONLY);\n")) << text;
    const std::vector<std::string> upload = lastMatch("glBufferSubDataARB\\(GL_ARRAY_BUFFER, 0, 80, GLRekorderData\\((\\d+)\\)\\);"
                                         "\n// glUnmapBufferARB\\(GL_ARRAY_BUFFER\\);");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kVertices), sizeof kVertices), record(std::stoull(upload[1])));
    EXPECT_NE(std::string::npos, text.find("glVertexPointer(3, GL_FLOAT, 16, (const void *)GLRekorderOffset(4));\n"
                                           "glEnableClientState(GL_VERTEX_ARRAY);\nglDrawArrays(GL_POINTS, 0, 5);"));
    const std::string rebound = "glBindBufferARB(GL_ARRAY_BUFFER, " + std::to_string(buffer) + ");\n";
    EXPECT_NE(std::string::npos, text.find(rebound + "glBindBufferARB(GL_ARRAY_BUFFER, 0);\nglVertexPointer(3, "
                                                     "GL_FLOAT, 16, GLRekorderArray(")) << text;
    EXPECT_NE(std::string::npos, text.find("));\n" + rebound + "glDrawArrays(GL_POINTS, 0, 2);"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kVertices[1].position), 12),
              arrayBytes("glVertexPointer", sizeof(Vertex), 12));
}
