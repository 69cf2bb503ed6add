#include "qel_ogl/extensionator/windows/wglRekorder.h"

#include "qel_core/InternalException.h"
#include "tests/unit/ThrownBy.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <ios>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace QEL::OGL;
using QEL::InternalException;
using testing::_;
using testing::Return;
using testing::StrEq;
using testing::StrictMock;

namespace {

// Handles are written with the pointer width of the build: sixteen digits here, eight on the 32-bit build.
const bool k64 = sizeof(void*) == 8;
const std::string kDC = k64 ? "(HDC)0x0000000000A1B2C3" : "(HDC)0x00A1B2C3";
const std::string kRC = k64 ? "(HGLRC)0x0000000000010000" : "(HGLRC)0x00010000";
const std::string kOtherRC = k64 ? "(HGLRC)0x0000000000020000" : "(HGLRC)0x00020000";
const std::string kNullDC = k64 ? "(HDC)0x0000000000000000" : "(HDC)0x00000000";
const std::string kNullRC = k64 ? "(HGLRC)0x0000000000000000" : "(HGLRC)0x00000000";
const char* const kRecorderFile = "qel_ogl/extensionator/windows/wglRekorder.cpp";
const std::string kComment = "\t\t// scene.cpp, line 88\n";

template <class Handle>
Handle handle(std::uintptr_t value)
{
    return reinterpret_cast<Handle>(value);
}

const HDC kAppDC = handle<HDC>(0x00A1B2C3);
const HGLRC kAppRC = handle<HGLRC>(0x00010000);
const HGLRC kOtherAppRC = handle<HGLRC>(0x00020000);

// The block recorded for wglCreateContext on the device context dc; lineEnd ends its last statement.
std::string createContextBlock(const std::string& dc, const std::string& lineEnd)
{
    return "{\n"
           "GLRekorderCreateWindow(" + dc + ");\n"
           "std::map<HDC, HDC>::iterator iter = hdc_map_.find(" + dc + ");\n"
           "if (iter == hdc_map_.end())\n"
           "{\n"
           "    std::cerr << \"Missing HDC in hdc_map_!\\n\";\n"
           "}\n"
           "hDC_Ours = iter->second;\n"
           "wglCreateContext(hDC_Ours);" + lineEnd + "}\n";
}

// Stands in for the system below the recorder; a strict mock, so a call that must not be forwarded fails.
class MockWgl : public wglInterceptor
{
public:
    MOCK_METHOD(int, wcgmCopyContext, (const char*, unsigned, HGLRC, HGLRC, UINT), (override));
    MOCK_METHOD(HGLRC, wcgmCreateContext, (const char*, unsigned, HDC), (override));
    MOCK_METHOD(HGLRC, wcgmCreateLayerContext, (const char*, unsigned, HDC, int), (override));
    MOCK_METHOD(int, wcgmDeleteContext, (const char*, unsigned, HGLRC), (override));
    MOCK_METHOD(HGLRC, wcgmGetCurrentContext, (const char*, unsigned), (override));
    MOCK_METHOD(HDC, wcgmGetCurrentDC, (const char*, unsigned), (override));
    MOCK_METHOD(PROC, wcgmGetProcAddress, (const char*, unsigned, LPCSTR), (override));
    MOCK_METHOD(int, wcgmMakeCurrent, (const char*, unsigned, HDC, HGLRC), (override));
    MOCK_METHOD(int, wcgmShareLists, (const char*, unsigned, HGLRC, HGLRC), (override));
    MOCK_METHOD(int, wcgmUseFontBitmapsA, (const char*, unsigned, HDC, DWORD, DWORD, DWORD), (override));
    MOCK_METHOD(int, wcgmUseFontBitmapsW, (const char*, unsigned, HDC, DWORD, DWORD, DWORD), (override));
    MOCK_METHOD(int, wcgmSwapBuffers, (const char*, unsigned, HDC), (override));
    MOCK_METHOD(int, wcgmUseFontOutlinesA,
                (const char*, unsigned, HDC, DWORD, DWORD, DWORD, FLOAT, FLOAT, int, LPGLYPHMETRICSFLOAT),
                (override));
    MOCK_METHOD(int, wcgmUseFontOutlinesW,
                (const char*, unsigned, HDC, DWORD, DWORD, DWORD, FLOAT, FLOAT, int, LPGLYPHMETRICSFLOAT),
                (override));
    MOCK_METHOD(int, wcgmDescribeLayerPlane,
                (const char*, unsigned, HDC, int, int, UINT, LPLAYERPLANEDESCRIPTOR), (override));
    MOCK_METHOD(int, wcgmSetLayerPaletteEntries, (const char*, unsigned, HDC, int, int, int, const COLORREF*),
                (override));
    MOCK_METHOD(int, wcgmGetLayerPaletteEntries, (const char*, unsigned, HDC, int, int, int, COLORREF*),
                (override));
    MOCK_METHOD(int, wcgmRealizeLayerPalette, (const char*, unsigned, HDC, int, int), (override));
    MOCK_METHOD(int, wcgmSwapLayerBuffers, (const char*, unsigned, HDC, UINT), (override));
    MOCK_METHOD(DWORD, wcgmSwapMultipleBuffers, (const char*, unsigned, UINT, const WGLSWAP*), (override));
};

// A recorder over string streams; the constructor's line is taken out of the text so that each test sees
// only what its calls wrote.
class wglRekorderTest : public testing::Test
{
protected:
    explicit wglRekorderTest(bool writeFileAndLine = false)
        : recorder(text, data, kAppDC, &inner, writeFileAndLine)
    {
        text.str("");
    }

    std::ostringstream text;
    std::ostringstream data;
    StrictMock<MockWgl> inner;
    wglRekorder recorder;
};

class wglRekorderWithFileAndLineTest : public wglRekorderTest
{
protected:
    wglRekorderWithFileAndLineTest() : wglRekorderTest(true) {}
};

}

TEST(wglRekorderConstruction, WritesTheCurrentApplicationDeviceContextAtOnce)
{
    std::ostringstream text, data;
    StrictMock<MockWgl> inner;
    wglRekorder recorder(text, data, kAppDC, &inner, false);
    EXPECT_EQ("addCurrentAppDC(" + kDC + ");\n", text.str());
    EXPECT_EQ(&inner, recorder.interceptor());
}

TEST(wglRekorderConstruction, ConstructorLineNeverCarriesTheFileAndLine)
{
    std::ostringstream text, data;
    StrictMock<MockWgl> inner;
    wglRekorder recorder(text, data, nullptr, &inner, true);
    EXPECT_EQ("addCurrentAppDC(" + kNullDC + ");\n", text.str());
}

TEST_F(wglRekorderTest, MakeCurrentGoesThroughTheReplayAndForwardsItsResult)
{
    EXPECT_CALL(inner, wcgmMakeCurrent(StrEq("scene.cpp"), 88u, kAppDC, kAppRC)).WillOnce(Return(1));
    EXPECT_EQ(1, recorder.wcgmMakeCurrent("scene.cpp", 88, kAppDC, kAppRC));
    EXPECT_EQ("GLRekorderMakeCurrent(" + kDC + ", " + kRC + ");\n", text.str());
}

TEST_F(wglRekorderTest, ReleasingTheCurrentContextWritesTwoNullHandles)
{
    EXPECT_CALL(inner, wcgmMakeCurrent(_, _, nullptr, nullptr)).WillOnce(Return(1));
    recorder.wcgmMakeCurrent("scene.cpp", 88, nullptr, nullptr);
    EXPECT_EQ("GLRekorderMakeCurrent(" + kNullDC + ", " + kNullRC + ");\n", text.str());
}

TEST_F(wglRekorderTest, CreateContextWritesTheWindowLookupInItsOwnBlock)
{
    EXPECT_CALL(inner, wcgmCreateContext(StrEq("scene.cpp"), 88u, kAppDC)).WillOnce(Return(kAppRC));
    EXPECT_EQ(kAppRC, recorder.wcgmCreateContext("scene.cpp", 88, kAppDC));
    EXPECT_EQ(createContextBlock(kDC, "\n"), text.str());
}

TEST_F(wglRekorderTest, TwoCreationsGiveTwoSeparateBlocks)
{
    EXPECT_CALL(inner, wcgmCreateContext(_, _, _)).Times(2).WillRepeatedly(Return(kAppRC));
    recorder.wcgmCreateContext("scene.cpp", 88, kAppDC);
    recorder.wcgmCreateContext("scene.cpp", 89, nullptr);
    EXPECT_EQ(createContextBlock(kDC, "\n") + createContextBlock(kNullDC, "\n"), text.str());
}

TEST_F(wglRekorderTest, CreateLayerContextWritesTheRecordedDeviceContextAndASignedPlane)
{
    EXPECT_CALL(inner, wcgmCreateLayerContext(_, _, kAppDC, -2)).WillOnce(Return(kAppRC));
    EXPECT_EQ(kAppRC, recorder.wcgmCreateLayerContext("scene.cpp", 88, kAppDC, -2));
    EXPECT_EQ("wglCreateLayerContext(" + kDC + ", -2);\n", text.str());
}

TEST_F(wglRekorderTest, CopyContextWritesBothContextsAndTheMaskInDecimal)
{
    EXPECT_CALL(inner, wcgmCopyContext(_, _, kAppRC, kOtherAppRC, 0x000FFFFFu)).WillOnce(Return(1));
    EXPECT_EQ(1, recorder.wcgmCopyContext("scene.cpp", 88, kAppRC, kOtherAppRC, 0x000FFFFF));
    EXPECT_EQ("wglCopyContext(" + kRC + ", " + kOtherRC + ", 1048575);\n", text.str());
}

TEST_F(wglRekorderTest, DeleteContextWritesTheRecordedContext)
{
    EXPECT_CALL(inner, wcgmDeleteContext(_, _, kAppRC)).WillOnce(Return(0));
    EXPECT_EQ(0, recorder.wcgmDeleteContext("scene.cpp", 88, kAppRC));
    EXPECT_EQ("wglDeleteContext(" + kRC + ");\n", text.str());
}

TEST_F(wglRekorderTest, ShareListsWritesBothContexts)
{
    EXPECT_CALL(inner, wcgmShareLists(_, _, kAppRC, kOtherAppRC)).WillOnce(Return(1));
    recorder.wcgmShareLists("scene.cpp", 88, kAppRC, kOtherAppRC);
    EXPECT_EQ("wglShareLists(" + kRC + ", " + kOtherRC + ");\n", text.str());
}

TEST_F(wglRekorderTest, CurrentContextQueriesAreWrittenWithoutTheirAnswers)
{
    EXPECT_CALL(inner, wcgmGetCurrentContext(_, _)).WillOnce(Return(kAppRC));
    EXPECT_CALL(inner, wcgmGetCurrentDC(_, _)).WillOnce(Return(kAppDC));
    EXPECT_EQ(kAppRC, recorder.wcgmGetCurrentContext("scene.cpp", 88));
    EXPECT_EQ(kAppDC, recorder.wcgmGetCurrentDC("scene.cpp", 88));
    EXPECT_EQ("wglGetCurrentContext();\nwglGetCurrentDC();\n", text.str());
}

TEST_F(wglRekorderTest, SwapBuffersGoesThroughTheReplay)
{
    EXPECT_CALL(inner, wcgmSwapBuffers(_, _, kAppDC)).WillOnce(Return(1));
    EXPECT_EQ(1, recorder.wcgmSwapBuffers("scene.cpp", 88, kAppDC));
    EXPECT_EQ("GLRekorderSwapBuffers(" + kDC + ");\n", text.str());
}

TEST_F(wglRekorderTest, SwapLayerBuffersWritesThePlanesInDecimal)
{
    EXPECT_CALL(inner, wcgmSwapLayerBuffers(_, _, kAppDC, 1u)).WillOnce(Return(1));
    recorder.wcgmSwapLayerBuffers("scene.cpp", 88, kAppDC, 1);
    EXPECT_EQ("wglSwapLayerBuffers(" + kDC + ", 1);\n", text.str());
}

TEST_F(wglRekorderTest, HandlesUseEveryDigitOfThePointerWidth)
{
    const std::uintptr_t highBit = std::uintptr_t(1) << (8 * sizeof(void*) - 1);
    EXPECT_CALL(inner, wcgmDeleteContext(_, _, _)).WillOnce(Return(1));
    recorder.wcgmDeleteContext("scene.cpp", 88, handle<HGLRC>(highBit | 0xABCDEF));
    EXPECT_EQ(k64 ? "wglDeleteContext((HGLRC)0x8000000000ABCDEF);\n" : "wglDeleteContext((HGLRC)0x80ABCDEF);\n",
              text.str());
}

TEST_F(wglRekorderTest, HandlesIgnoreTheStreamsNumberFormatWhileNumbersFollowIt)
{
    text << std::hex << std::showbase << std::nouppercase;
    EXPECT_CALL(inner, wcgmSwapLayerBuffers(_, _, _, _)).WillOnce(Return(1));
    recorder.wcgmSwapLayerBuffers("scene.cpp", 88, kAppDC, 255);
    EXPECT_EQ("wglSwapLayerBuffers(" + kDC + ", 0xff);\n", text.str());
}

TEST_F(wglRekorderTest, NoCallWritesToTheDataStream)
{
    EXPECT_CALL(inner, wcgmCreateContext(_, _, _)).WillOnce(Return(kAppRC));
    EXPECT_CALL(inner, wcgmMakeCurrent(_, _, _, _)).WillOnce(Return(1));
    EXPECT_CALL(inner, wcgmSwapBuffers(_, _, _)).WillOnce(Return(1));
    recorder.wcgmCreateContext("scene.cpp", 88, kAppDC);
    recorder.wcgmMakeCurrent("scene.cpp", 89, kAppDC, kAppRC);
    recorder.wcgmSwapBuffers("scene.cpp", 90, kAppDC);
    EXPECT_EQ("", data.str());
}

TEST_F(wglRekorderTest, StatementIsWrittenBeforeTheInnerExceptionPassesThrough)
{
    EXPECT_CALL(inner, wcgmSwapBuffers(_, _, _)).WillOnce(testing::Throw(std::runtime_error("below")));
    EXPECT_THROW(recorder.wcgmSwapBuffers("scene.cpp", 88, kAppDC), std::runtime_error);
    EXPECT_EQ("GLRekorderSwapBuffers(" + kDC + ");\n", text.str());
}

TEST_F(wglRekorderWithFileAndLineTest, StatementEndsWithTheCallersFileAndLine)
{
    EXPECT_CALL(inner, wcgmMakeCurrent(_, _, _, _)).WillOnce(Return(1));
    recorder.wcgmMakeCurrent("scene.cpp", 88, kAppDC, kAppRC);
    EXPECT_EQ("GLRekorderMakeCurrent(" + kDC + ", " + kRC + ");" + kComment, text.str());
}

TEST_F(wglRekorderWithFileAndLineTest, CreateContextCommentsOnlyTheCreationAndClosesTheBlockAfterIt)
{
    EXPECT_CALL(inner, wcgmCreateContext(_, _, _)).WillOnce(Return(kAppRC));
    recorder.wcgmCreateContext("scene.cpp", 88, kAppDC);
    EXPECT_EQ(createContextBlock(kDC, kComment), text.str());
}

TEST_F(wglRekorderWithFileAndLineTest, QueryWithoutArgumentsCarriesTheComment)
{
    EXPECT_CALL(inner, wcgmGetCurrentDC(_, _)).WillOnce(Return(kAppDC));
    recorder.wcgmGetCurrentDC("scene.cpp", 88);
    EXPECT_EQ("wglGetCurrentDC();" + kComment, text.str());
}

// A null file leaves the text stream good: the statements after it are written too.
TEST_F(wglRekorderWithFileAndLineTest, NullFileIsWrittenAsNullAndLosesNoLaterStatement)
{
    EXPECT_CALL(inner, wcgmGetCurrentDC(_, _)).WillOnce(Return(kAppDC));
    EXPECT_CALL(inner, wcgmSwapBuffers(_, _, _)).WillOnce(Return(1));
    recorder.wcgmGetCurrentDC(nullptr, 7);
    recorder.wcgmSwapBuffers("scene.cpp", 88, kAppDC);
    EXPECT_EQ("wglGetCurrentDC();\t\t// NULL, line 7\nGLRekorderSwapBuffers(" + kDC + ");" + kComment, text.str());
}

// The ten operations without a recorded form: each throws before it writes or forwards anything.
namespace {

void expectMissingCode(const std::optional<InternalException>& e, const std::ostringstream& text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(kRecorderFile, e->file());
    EXPECT_GT(e->line(), 0);
    EXPECT_STREQ("!\"Missing code to record this wgl function!\"", e->text());
    EXPECT_EQ("", text.str());
}

}

TEST_F(wglRekorderTest, GetProcAddressHasNoRecordedForm)
{
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmGetProcAddress("scene.cpp", 88, "glActiveTexture"); }), text);
}

TEST_F(wglRekorderTest, UseFontBitmapsHaveNoRecordedForm)
{
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmUseFontBitmapsA("scene.cpp", 88, kAppDC, 0, 256, 1000); }), text);
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmUseFontBitmapsW("scene.cpp", 88, kAppDC, 0, 256, 1000); }), text);
}

TEST_F(wglRekorderTest, UseFontOutlinesHaveNoRecordedForm)
{
    GLYPHMETRICSFLOAT metrics[1] = {};
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmUseFontOutlinesA("scene.cpp", 88, kAppDC, 65, 1, 1000, 0.0f, 0.1f, 1, metrics); }), text);
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmUseFontOutlinesW("scene.cpp", 88, kAppDC, 65, 1, 1000, 0.0f, 0.1f, 1, metrics); }), text);
}

TEST_F(wglRekorderTest, LayerPlaneOperationsHaveNoRecordedForm)
{
    LAYERPLANEDESCRIPTOR plane = {};
    COLORREF colours[2] = {};
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmDescribeLayerPlane("scene.cpp", 88, kAppDC, 1, 1, sizeof(plane), &plane); }), text);
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmSetLayerPaletteEntries("scene.cpp", 88, kAppDC, 1, 0, 2, colours); }), text);
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmGetLayerPaletteEntries("scene.cpp", 88, kAppDC, 1, 0, 2, colours); }), text);
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmRealizeLayerPalette("scene.cpp", 88, kAppDC, 1, 1); }), text);
}

TEST_F(wglRekorderTest, SwapMultipleBuffersHasNoRecordedForm)
{
    const WGLSWAP swaps[1] = {{kAppDC, 0}};
    expectMissingCode(thrownBy<InternalException>([&] {
        recorder.wcgmSwapMultipleBuffers("scene.cpp", 88, 1, swaps); }), text);
}

// A recorder made without streams has nowhere to write: every recorded operation throws and forwards nothing.
TEST(wglRekorderWithoutStreams, HasNoInnerInterceptor)
{
    wglRekorder recorder;
    EXPECT_EQ(nullptr, recorder.interceptor());
}

TEST(wglRekorderWithoutStreams, RecordingThrowsAndForwardsNothing)
{
    StrictMock<MockWgl> inner;
    wglRekorder recorder;
    recorder.setInterceptor(&inner);
    const auto calls = {
        +[](wglRekorder& r) { r.wcgmCopyContext("scene.cpp", 88, kAppRC, kOtherAppRC, 1); },
        +[](wglRekorder& r) { r.wcgmCreateContext("scene.cpp", 88, kAppDC); },
        +[](wglRekorder& r) { r.wcgmCreateLayerContext("scene.cpp", 88, kAppDC, 0); },
        +[](wglRekorder& r) { r.wcgmDeleteContext("scene.cpp", 88, kAppRC); },
        +[](wglRekorder& r) { r.wcgmGetCurrentContext("scene.cpp", 88); },
        +[](wglRekorder& r) { r.wcgmGetCurrentDC("scene.cpp", 88); },
        +[](wglRekorder& r) { r.wcgmMakeCurrent("scene.cpp", 88, kAppDC, kAppRC); },
        +[](wglRekorder& r) { r.wcgmShareLists("scene.cpp", 88, kAppRC, kOtherAppRC); },
        +[](wglRekorder& r) { r.wcgmSwapBuffers("scene.cpp", 88, kAppDC); },
        +[](wglRekorder& r) { r.wcgmSwapLayerBuffers("scene.cpp", 88, kAppDC, 1); },
    };
    for (const auto call : calls)
    {
        const auto e = thrownBy<InternalException>([&] { call(recorder); });
        ASSERT_TRUE(e.has_value());
        EXPECT_STREQ(kRecorderFile, e->file());
        EXPECT_STREQ("wglRekorder has no streams", e->text());
    }
}

namespace {

// A recorder in complete mode, and a memory device context with a font of a known face selected into it.
class wglRekorderCompleteTest : public wglRekorderTest
{
protected:
    wglRekorderCompleteTest()
        : fontDC(CreateCompatibleDC(nullptr)),
          font(CreateFontA(-12, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Ab"))
    {
        recorder.setComplete(true);
        SelectObject(fontDC, font);
    }

    ~wglRekorderCompleteTest() override
    {
        DeleteDC(fontDC);
        DeleteObject(font);
    }

    std::string dcText() const
    {
        return "(HDC)0x" + hexHandle(fontDC);
    }

    static std::string hexHandle(const void* handle)
    {
        std::ostringstream out;
        out << std::uppercase << std::hex;
        out.width(2 * sizeof(void*));
        out.fill('0');
        out << reinterpret_cast<std::uintptr_t>(handle);
        return out.str();
    }

    HDC fontDC;
    HFONT font;
};

// The font as recorded: height, width, escapement, orientation, weight, italic, underline, strike-out, charset,
// output and clip precision, quality, pitch and family, then the face name's code units ("Ab").
const std::string kRecordedFont = "{-12, 0, 0, 0, 700, 1, 0, 0, 0, 0, 0, 0, 0, {65, 98}}";

}

TEST_F(wglRekorderCompleteTest, EveryCallWithoutADefaultFormIsRecordedAndTakesPlace)
{
    GLYPHMETRICSFLOAT metrics[1] = {};
    const WGLSWAP swaps[2] = {{kAppDC, 0}, {fontDC, 0}};
    LAYERPLANEDESCRIPTOR plane = {};
    EXPECT_CALL(inner, wcgmGetProcAddress(_, 88, StrEq("glActiveTexture"))).WillOnce(Return(nullptr));
    EXPECT_CALL(inner, wcgmUseFontBitmapsA(_, 88, fontDC, 0, 256, 1000)).WillOnce(Return(TRUE));
    EXPECT_CALL(inner, wcgmUseFontBitmapsW(_, 88, fontDC, 32, 96, 2000)).WillOnce(Return(TRUE));
    EXPECT_CALL(inner, wcgmUseFontOutlinesA(_, 88, fontDC, 65, 1, 3000, 0.0f, 0.5f, 1, metrics)).WillOnce(Return(TRUE));
    EXPECT_CALL(inner, wcgmSwapMultipleBuffers(_, 88, 2, swaps)).WillOnce(Return(0));
    EXPECT_CALL(inner, wcgmDescribeLayerPlane(_, 88, kAppDC, 1, 1, sizeof(plane), &plane)).WillOnce(Return(FALSE));

    recorder.wcgmGetProcAddress("scene.cpp", 88, "glActiveTexture");
    recorder.wcgmUseFontBitmapsA("scene.cpp", 88, fontDC, 0, 256, 1000);
    recorder.wcgmUseFontBitmapsW("scene.cpp", 88, fontDC, 32, 96, 2000);
    recorder.wcgmUseFontOutlinesA("scene.cpp", 88, fontDC, 65, 1, 3000, 0.0f, 0.5f, 1, metrics);
    recorder.wcgmSwapMultipleBuffers("scene.cpp", 88, 2, swaps);
    recorder.wcgmDescribeLayerPlane("scene.cpp", 88, kAppDC, 1, 1, sizeof(plane), &plane);

    EXPECT_EQ("// wglGetProcAddress(\"glActiveTexture\")\n"
              "GLRekorderUseFontBitmaps(" + dcText() + ", 0, 256, 1000, LOGFONTA" + kRecordedFont + ");\n"
              "GLRekorderUseFontBitmaps(" + dcText() + ", 32, 96, 2000, LOGFONTW" + kRecordedFont + ");\n"
              "GLRekorderUseFontOutlines(" + dcText() + ", 65, 1, 3000, makeFloat(0) /* 0 */, "
              "makeFloat(1056964608) /* 0.5 */, 1, true, LOGFONTA" + kRecordedFont + ");\n"
              "GLRekorderSwapBuffers(" + kDC + ");\nGLRekorderSwapBuffers(" + dcText() + ");\n"
              "OpenGLRekorderUnsupported(\"wglDescribeLayerPlane: layer planes are not captured\");\n",
              text.str());
}
