#include "qel_ogl/ExceptionOGL.h"

#include <gtest/gtest.h>

#include <typeinfo>

using QEL::LogicalException;
using QEL::OGL::ExceptionOGL;

TEST(ExceptionOGL, AnswersTheNumberItWasGiven)
{
    EXPECT_EQ(1280u, ExceptionOGL("a.cpp", 1, "invalid enumerant", 0x500).errorNumber());
    EXPECT_EQ(0u, ExceptionOGL("a.cpp", 1, "Unbalanced glEnd()!", 0).errorNumber());
}

TEST(ExceptionOGL, WhatIsThatOfALogicalExceptionWithTheSameFileLineAndText)
{
    const ExceptionOGL e("qel_ogl/ogl/Texture2.cpp", 42, "invalid value", 0x501);
    EXPECT_STREQ(LogicalException("qel_ogl/ogl/Texture2.cpp", 42, "invalid value").what(), e.what());
    EXPECT_STREQ("qel_ogl/ogl/Texture2.cpp(42): invalid value", e.what());
    EXPECT_STREQ("qel_ogl/ogl/Texture2.cpp", e.file());
    EXPECT_EQ(42, e.line());
    EXPECT_STREQ("invalid value", e.text());
}

TEST(ExceptionOGL, CopyAndAssignmentKeepTheNumber)
{
    const ExceptionOGL original("a.cpp", 7, "out of memory", 0x505);
    ExceptionOGL assigned("b.cpp", 8, "invalid operation", 0x502);
    assigned = original;
    for (const ExceptionOGL& e : {ExceptionOGL(original), assigned})
    {
        EXPECT_EQ(0x505u, e.errorNumber());
        EXPECT_STREQ("a.cpp(7): out of memory", e.what());
    }
}

TEST(ExceptionOGL, CopyMadeAsLogicalExceptionIsAPlainLogicalException)
{
    const ExceptionOGL e("a.cpp", 9, "stack overflow", 0x503);
    const LogicalException sliced(e);
    EXPECT_EQ(typeid(LogicalException), typeid(sliced));
    EXPECT_STREQ("a.cpp(9): stack overflow", sliced.what());
}

// Thrown here and caught through the base of qel_core.dll, it is still the ExceptionOGL of qel_ogl.dll.
TEST(ExceptionOGL, CaughtAsLogicalExceptionStillAnswersItsNumber)
{
    try
    {
        throw ExceptionOGL("a.cpp", 10, "invalid framebuffer operation", 0x506);
    }
    catch (const LogicalException& e)
    {
        const auto* ogl = dynamic_cast<const ExceptionOGL*>(&e);
        ASSERT_NE(nullptr, ogl);
        EXPECT_EQ(0x506u, ogl->errorNumber());
    }
}
