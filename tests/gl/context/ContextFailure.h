#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

// The source files of the context checks, as the exceptions carry them.
inline const char* const kContextFile = "qel_ogl/ogl/Context_WIN_OS.cpp";
inline const char* const kContextWrappedFile = "qel_ogl/ogl/ContextWrapped.cpp";

// Expects the exception of the check at file and line, with exactly that text.
template <class Exception>
void expectFailure(const std::optional<Exception>& e, const char* file, int line, const std::string& text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(file, e->file());
    EXPECT_EQ(line, e->line());
    EXPECT_EQ(text, e->text());
}

// As expectFailure, for a text that ends in a Windows error code: the text, then unsigned decimal digits.
template <class Exception>
void expectFailureWithErrorCode(const std::optional<Exception>& e, const char* file, int line,
                                const std::string& text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(file, e->file());
    EXPECT_EQ(line, e->line());
    const std::string actual = e->text();
    ASSERT_EQ(text, actual.substr(0, text.size())) << actual;
    const std::string code = actual.substr(text.size());
    EXPECT_FALSE(code.empty()) << actual;
    for (const char c : code)
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c))) << actual;
}
