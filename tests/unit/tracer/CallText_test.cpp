#include "qel_ogl/extensionator/CallText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>

using QEL::OGL::CallText;

namespace {

template <class Form>
std::string text(const Form& form)
{
    std::ostringstream out;
    out << form;
    return out.str();
}

const void* address(std::uintptr_t value)
{
    return reinterpret_cast<const void*>(value);
}

// The 8-digit form of the 32-bit build, padded to this build's pointer width.
std::string pointerText(const std::string& eightDigits)
{
    return std::string(CallText::kPointerDigits - 8, '0') + eightDigits;
}

}

TEST(CallText, PointerDigitsAreThoseOfTheBuildsPointerWidth)
{
    EXPECT_EQ(2 * sizeof(void*), CallText::kPointerDigits);
}

TEST(CallText, EnumIsTheTokenName)
{
    EXPECT_EQ("GL_TEXTURE_2D", text(CallText::Enum{0x0DE1}));
    EXPECT_EQ("GL_LINE_BIT", text(CallText::Enum{0x0004}));
    EXPECT_EQ("Unknown Token", text(CallText::Enum{0x4100}));
}

TEST(CallText, BoolIsTrueForAnyNonZeroByte)
{
    EXPECT_EQ("GL_FALSE", text(CallText::Bool{0}));
    EXPECT_EQ("GL_TRUE", text(CallText::Bool{1}));
    EXPECT_EQ("GL_TRUE", text(CallText::Bool{2}));
    EXPECT_EQ("GL_TRUE", text(CallText::Bool{0xFF}));
}

TEST(CallText, FloatIsItsBitPatternThenItsValue)
{
    EXPECT_EQ("makeFloat(1065353216) /* 1 */", text(CallText::Float{1.0f}));
    EXPECT_EQ("makeFloat(-1082130432) /* -1 */", text(CallText::Float{-1.0f}));
    EXPECT_EQ("makeFloat(1056964608) /* 0.5 */", text(CallText::Float{0.5f}));
    EXPECT_EQ("makeFloat(-2147483648) /* -0 */", text(CallText::Float{-0.0f}));
    EXPECT_EQ("makeFloat(1078530011) /* 3.14159 */", text(CallText::Float{3.14159265f}));
}

TEST(CallText, FloatBitsAreTheSignedBitPattern)
{
    EXPECT_EQ(1065353216, CallText::floatBits(1.0f));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::min(), CallText::floatBits(-0.0f));
    EXPECT_EQ(0x7F800000, CallText::floatBits(std::numeric_limits<float>::infinity()));
}

TEST(CallText, FloatValueFollowsTheStreamsPrecisionWithoutChangingIt)
{
    std::ostringstream out;
    out << std::setprecision(3) << CallText::Float{3.14159265f};
    EXPECT_EQ("makeFloat(1078530011) /* 3.14 */", out.str());
    EXPECT_EQ(3, out.precision());
}

TEST(CallText, HandleIsCastThenUnsignedDecimal)
{
    EXPECT_EQ("(GLhandleARB)5", text(CallText::Handle{5}));
    EXPECT_EQ("(GLhandleARB)4294967295", text(CallText::Handle{0xFFFFFFFFu}));
}

TEST(CallText, PointerIsZeroPaddedUpperCaseHexOfTheBuildsWidth)
{
    EXPECT_EQ(pointerText("00000000"), text(CallText::Pointer{nullptr}));
    EXPECT_EQ(pointerText("12AB34CD"), text(CallText::Pointer{address(0x12AB34CD)}));
}

TEST(CallText, PointerOfEightDigitsIsThe32BitForm)
{
    EXPECT_EQ("00000000", text(CallText::Pointer{nullptr, 8}));
    EXPECT_EQ("00ABCDEF", text(CallText::Pointer{address(0xABCDEF), 8}));
    EXPECT_EQ("FFFFFFFF", text(CallText::Pointer{address(0xFFFFFFFFu), 8}));
}

TEST(CallText, PointerWiderThanItsDigitsKeepsEveryDigit)
{
    if (sizeof(void*) < 8)
        GTEST_SKIP() << "no address above 32 bits on this build";
    EXPECT_EQ("123456789", text(CallText::Pointer{address(std::uintptr_t{0x123456789}), 8}));
    EXPECT_EQ("FFFFFFFFFFFFFFFF", text(CallText::Pointer{address(~std::uintptr_t{0}), 8}));
}

// A host's hexadecimal, prefix, width and fill settings shape neither the text nor survive differently.
TEST(CallText, PointerIgnoresAndKeepsTheStreamsFormatting)
{
    std::ostringstream out;
    out << std::hex << std::showbase << std::nouppercase << std::setfill('*') << std::setw(30);
    const auto flags = out.flags();
    out << CallText::Pointer{address(0xABCDEF), 8};
    EXPECT_EQ("00ABCDEF", out.str());
    EXPECT_EQ(flags, out.flags());
    EXPECT_EQ('*', out.fill());
    EXPECT_EQ(30, out.width());
}

TEST(CallText, TextIsTheStringOrNullForANullPointer)
{
    EXPECT_EQ("position", text(CallText::Text{"position"}));
    EXPECT_EQ("NULL", text(CallText::Text{nullptr}));
}
