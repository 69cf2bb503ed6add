#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <typeinfo>

// What the call threw as Exception, or nothing when it threw nothing (a failure of the test). The exception
// must be exactly an Exception, not something derived from it: a copy of a derived one would lose its type.
template <class Exception, class Call>
std::optional<Exception> thrownBy(Call call)
{
    try
    {
        call();
    }
    catch (const Exception& e)
    {
        EXPECT_EQ(typeid(Exception), typeid(e)) << "thrown as " << typeid(e).name();
        return e;
    }
    ADD_FAILURE() << "nothing thrown";
    return std::nullopt;
}

// Checks that a refusal was thrown by the check in file with text.
template <class Exception>
void expectRefusal(const std::optional<Exception>& e, const char* file, const std::string& text)
{
    ASSERT_TRUE(e.has_value()) << text;
    EXPECT_STREQ(file, e->file());
    EXPECT_EQ(text, e->text());
}
