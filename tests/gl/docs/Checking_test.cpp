// The examples of docs/checking.md, run on the driver. The text between "// example:" and
// "// end of example" is the page's code, word for word (qel_docs_examples_match checks it).

#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "GLContextFixture.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/ExceptionOGL.h"
#include "qel_ogl/extensionator/OpenGLForwardingDecorator.h"
#include "qel_ogl/extensionator/OpenGLInterceptor.h"

namespace {

// example: intercepting one call
// Counts the textures bound through the chain; every other call passes unchanged.
class BindCounter : public QEL::OGL::OpenGLForwardingDecorator
{
public:
    void cgmBindTexture(const char* file, unsigned line, unsigned target, unsigned texture) override
    {
        ++nBinds_;
        OpenGLForwardingDecorator::cgmBindTexture(file, line, target, texture);
    }

    int binds() const { return nBinds_; }

private:
    int nBinds_ = 0;
};
// end of example

class CheckingExample : public GLContextFixture
{
protected:
    void TearDown() override
    {
        QEL::OGL::OpenGLInterceptor::destroy();
        GLContextFixture::TearDown();
    }
};

}

TEST_F(CheckingExample, ReportsTheErrorWithTheCallersFileAndLine)
{
    const unsigned texture = 0;
    std::string message;
    unsigned error = 0;
    // example: a checked call
    try
    {
        QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, texture);
        QEL_CHECKED(BindTexture)(0x1234, texture);  // not a texture target: GL_INVALID_ENUM
    }
    catch (const QEL::OGL::ExceptionOGL& e)
    {
        message = e.what();       // "tests/gl/docs/Checking_test.cpp(<line>): invalid enumerant"
        error = e.errorNumber();  // GL_INVALID_ENUM
    }
    // end of example

    EXPECT_TRUE(std::regex_match(message, std::regex(R"(tests/gl/docs/Checking_test\.cpp\(\d+\): invalid enumerant)")))
        << message;
    EXPECT_EQ(static_cast<unsigned>(GL_INVALID_ENUM), error);
}

TEST_F(CheckingExample, DecoratorSeesTheCallsItOverrides)
{
    // example: installing a decorator
    using QEL::OGL::OpenGLInterceptor;
    BindCounter counter;
    OpenGLInterceptor::Instance()->addInterceptor(&counter);  // on top of the chain
    QEL_CHECKED(BindTexture)(GL_TEXTURE_2D, 0);
    QEL_CHECKED(Clear)(GL_COLOR_BUFFER_BIT);
    OpenGLInterceptor::Instance()->popInterceptor();          // off again before it goes
    // counter.binds() is 1
    // end of example

    EXPECT_EQ(1, counter.binds());
}
