#pragma once

// The bad-input sweep: tables of calls that each give one operation one bad input, run against a subject in a
// fixed state. For every row the sweep checks that the call ends as the row expects (an exception of exactly
// the expected type, or a GL error for input that the library passes on to GL unjudged, or a plain answer),
// that GL and the window system are as before except for what the library changes on purpose before its
// failing check, that the subject's own state is unchanged, and that no GL name is left behind.

#include "GLState.h"
#include "NameWatch.h"

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

// How a call with a bad input must end.
class Expected
{
public:
    // Throws exactly an Exception, leaving no GL error, or the error of a call that the library made before
    // its failing check (the library's own calls are not checked: their errors wait for the host's next check).
    template <class Exception>
    static Expected thrown(GLenum error = GL_NO_ERROR)
    {
        return Expected(&typeid(Exception), error);
    }
    // Returns normally; the input went to GL, which refused it with error.
    static Expected refusedByGL(GLenum error);
    // Returns normally, leaving no GL error (an answer such as false for an unknown value).
    static Expected answered();

    // thrown is the type of what the call threw, null when it returned.
    void check(const std::type_info* thrown, const std::string& what, GLenum error) const;

private:
    Expected(const std::type_info* exception, GLenum error);

    const std::type_info* exception_;
    GLenum error_;
};

// One bad input to one operation. call gives it to the subject; purposeful, when given, writes into the state
// read before the call what the operation changes on purpose before its failing check.
template <class Subject>
struct Row
{
    Row(std::string operation, std::string input, Expected expected, std::function<void(Subject&)> call,
        std::function<void(GLState&)> purposeful = nullptr)
        : operation(std::move(operation))
        , input(std::move(input))
        , expected(expected)
        , call(std::move(call))
        , purposeful(std::move(purposeful))
    {
    }

    std::string operation;  // "Buffer::subData"
    std::string input;      // "null data"
    Expected expected;
    std::function<void(Subject&)> call;
    std::function<void(GLState&)> purposeful;
};

// Rows that share a subject in one state: make() brings a new subject into it for each row, and stateOf tells
// what of it the rows must leave as it was.
template <class Subject>
struct Table
{
    std::string name;  // "Buffer, bound and mapped"
    std::function<std::unique_ptr<Subject>()> make;
    std::function<std::string(const Subject&)> stateOf;
    std::vector<Row<Subject>> rows;
};

// For calls that need no subject: constructors, static operations, the library switch.
struct NoSubject
{
};

// Counts what the sweep tried, for its closing line.
void countSweptRow(const std::string& operation);

// Every GL error still pending, drained; a sweep starts each row without one.
GLenum drainGLErrors();

template <class Subject>
void sweepRow(const Table<Subject>& table, const Row<Subject>& row)
{
    SCOPED_TRACE(table.name + ": " + row.operation + " with " + row.input);
    countSweptRow(row.operation);
    std::unique_ptr<Subject> subject = table.make();
    ASSERT_TRUE(subject != nullptr);
    EXPECT_EQ(GLenum(GL_NO_ERROR), drainGLErrors()) << "the table's subject left a GL error";

    const NameWatch names;
    GLState expected = GLState::read();
    const std::string subjectBefore = table.stateOf ? table.stateOf(*subject) : "";

    const std::type_info* thrown = nullptr;
    std::string what;
    try {
        row.call(*subject);
    } catch (const std::exception& e) {
        thrown = &typeid(e);
        what = e.what();
    } catch (...) {
        thrown = &typeid(void);
    }
    const GLenum error = drainGLErrors();

    row.expected.check(thrown, what, error);
    if (row.purposeful)
        row.purposeful(expected);
    EXPECT_EQ("", GLState::differences(expected, GLState::read()));
    if (table.stateOf) {
        EXPECT_EQ(subjectBefore, table.stateOf(*subject));
    }
    subject.reset();
    EXPECT_EQ("", names.leftBehind());
}

template <class Subject>
void sweep(const Table<Subject>& table)
{
    for (const Row<Subject>& row : table.rows)
        sweepRow(table, row);
}
