#include "qel_core/CPURuntimeException.h"
#include "qel_core/InternalException.h"
#include "qel_core/LogicalException.h"
#include "qel_core/ParameterException.h"
#include "qel_core/ResourceException.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace QEL;

namespace {

std::string written(const ExceptionBase& e)
{
    std::ostringstream os;
    e.write(os);
    return os.str();
}

// Throws with a text that only a temporary string holds, as the checks that compose a message do.
[[noreturn]] void throwComposed(int n)
{
    std::ostringstream os;
    os << "Buffer::subData size " << n << " is too large";
    throw InternalException("qel_ogl/ogl/Buffer.cpp", 120, os.str().c_str());
}

}

template <class E>
class LogicalExceptionKinds : public testing::Test
{
};

using LogicalKinds = testing::Types<LogicalException, InternalException, ParameterException>;
TYPED_TEST_SUITE(LogicalExceptionKinds, LogicalKinds);

TYPED_TEST(LogicalExceptionKinds, WhatAndWriteGiveFileLineAndText)
{
    const TypeParam e("qel_ogl/LibraryOGL.cpp", 56, "Enforce pContext != NULL");
    EXPECT_STREQ("qel_ogl/LibraryOGL.cpp(56): Enforce pContext != NULL", e.what());
    EXPECT_EQ("qel_ogl/LibraryOGL.cpp(56): Enforce pContext != NULL", written(e));
    EXPECT_STREQ("qel_ogl/LibraryOGL.cpp", e.file());
    EXPECT_EQ(56, e.line());
    EXPECT_STREQ("Enforce pContext != NULL", e.text());
}

TYPED_TEST(LogicalExceptionKinds, CopyAndAssignmentCarryFileLineAndText)
{
    const TypeParam original("a.cpp", 7, "first");
    const TypeParam copy(original);
    TypeParam assigned("b.cpp", 8, "second");
    assigned = original;
    for (const TypeParam* e : {&copy, static_cast<const TypeParam*>(&assigned)})
    {
        EXPECT_STREQ("a.cpp", e->file());
        EXPECT_EQ(7, e->line());
        EXPECT_STREQ("first", e->text());
        EXPECT_STREQ("a.cpp(7): first", e->what());
    }
}

TYPED_TEST(LogicalExceptionKinds, NullFileAndTextCountAsEmpty)
{
    const TypeParam e(nullptr, 3, nullptr);
    EXPECT_STREQ("", e.file());
    EXPECT_STREQ("", e.text());
    EXPECT_STREQ("(3): ", e.what());
}

TEST(LogicalException, KeepsItsOwnCopyOfTheStrings)
{
    std::string file = "qel_ogl/ogl/Texture2.cpp";
    std::string text = "Enforce nWidth > 0";
    const LogicalException e(file.c_str(), 99, text.c_str());
    file.assign(file.size(), 'x');
    text.assign(text.size(), 'y');
    EXPECT_STREQ("qel_ogl/ogl/Texture2.cpp", e.file());
    EXPECT_STREQ("Enforce nWidth > 0", e.text());
    EXPECT_STREQ("qel_ogl/ogl/Texture2.cpp(99): Enforce nWidth > 0", e.what());
}

TEST(LogicalException, ComposedTextSurvivesPropagation)
{
    try
    {
        throwComposed(4096);
        FAIL() << "nothing thrown";
    }
    catch (const LogicalException& e)
    {
        EXPECT_STREQ("Buffer::subData size 4096 is too large", e.text());
        EXPECT_STREQ("qel_ogl/ogl/Buffer.cpp(120): Buffer::subData size 4096 is too large", e.what());
    }
}

TEST(LogicalException, CopyThroughTheBaseKeepsFileLineAndText)
{
    const InternalException internal("c.cpp", 11, "hDC != 0");
    const LogicalException sliced(internal);
    EXPECT_STREQ("c.cpp(11): hDC != 0", sliced.what());
}

TEST(LogicalException, CaughtAsStdExceptionAnswersTheSameText)
{
    try
    {
        throw InternalException("d.cpp", 12, "pInstance_ == 0");
    }
    catch (const std::exception& e)
    {
        EXPECT_STREQ("d.cpp(12): pInstance_ == 0", e.what());
    }
}

TEST(ResourceException, WriteNamesTheResourceAndBothAmounts)
{
    const ResourceException e(2, 100, 40);
    EXPECT_STREQ("Resource exhausted", e.what());
    EXPECT_EQ("Resource exhausted: resource 2, requested 100, available 40", written(e));
}

TEST(ResourceException, CopyAndAssignmentCarryTheWords)
{
    const ResourceException original(0xFFFFFFFFu, 1, 2);
    ResourceException assigned(7, 7, 7);
    assigned = original;
    for (const ResourceException& e : {ResourceException(original), assigned})
    {
        EXPECT_EQ(0xFFFFFFFFu, e.resource());
        EXPECT_EQ(1u, e.requested());
        EXPECT_EQ(2u, e.available());
    }
}

TEST(CPURuntimeException, WriteGivesTheCodeInEightHexDigits)
{
    EXPECT_EQ("CPU runtime exception 0xC0000005", written(CPURuntimeException(0xC0000005u)));
    EXPECT_EQ("CPU runtime exception 0x0000001F", written(CPURuntimeException(0x1Fu)));
    EXPECT_STREQ("CPU runtime exception", CPURuntimeException(1).what());
}

TEST(CPURuntimeException, WriteLeavesTheStreamFormatAsItWas)
{
    std::ostringstream os;
    CPURuntimeException(0xC0000005u).write(os);
    os << ' ' << 255;
    EXPECT_EQ("CPU runtime exception 0xC0000005 255", os.str());
}

TEST(CPURuntimeException, CopyAndAssignmentCarryTheCode)
{
    const CPURuntimeException original(0xC0000094u);
    CPURuntimeException assigned(1);
    assigned = original;
    EXPECT_EQ(0xC0000094u, CPURuntimeException(original).code());
    EXPECT_EQ(0xC0000094u, assigned.code());
}
