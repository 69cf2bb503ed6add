#include "ChainFixture.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/extensionator/OpenGLErrorChecker.h"
#include "qel_ogl/extensionator/OpenGLForwardingDecorator.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"
#include "qel_ogl/extensionator/OpenGLTracer.h"
#include "qel_ogl/extensionator/windows/wglErrorChecker.h"
#include "qel_ogl/extensionator/windows/wglForwardingDecorator.h"
#include "qel_ogl/extensionator/windows/wglRekorder.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>

#include <gmock/gmock.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace QEL::OGL;
using QEL::InternalException;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

using CallLog = std::vector<std::string>;

// Writes its name to the log when the chain's probe query passes through it, then forwards the query.
class GLRecorder : public OpenGLForwardingDecorator
{
public:
    GLRecorder(const char* name, CallLog& log, OpenGLInterceptor* inner = nullptr)
        : OpenGLForwardingDecorator(inner), name_(name), log_(log)
    {
    }

    const unsigned char* cgmGetString(const char* file, unsigned line, unsigned name) override
    {
        log_.push_back(name_);
        return OpenGLForwardingDecorator::cgmGetString(file, line, name);
    }

private:
    std::string name_;
    CallLog& log_;
};

class WGLRecorder : public wglForwardingDecorator
{
public:
    WGLRecorder(const char* name, CallLog& log, wglInterceptor* inner = nullptr)
        : wglForwardingDecorator(inner), name_(name), log_(log)
    {
    }

    HGLRC wcgmGetCurrentContext(const char* file, unsigned line) override
    {
        log_.push_back(name_);
        return wglForwardingDecorator::wcgmGetCurrentContext(file, line);
    }

private:
    std::string name_;
    CallLog& log_;
};

// What the tests need to know of each chain. The probe is a query that only the driver can answer, so its
// answer shows that the call reached the error checker at the bottom.
struct GLChain
{
    using Interceptor = OpenGLInterceptor;
    using Decorator = OpenGLInterceptorDecorator;
    using Checker = OpenGLErrorChecker;
    using Recorder = GLRecorder;

    static const void* probe()
    {
        return Interceptor::Instance()->cgmGetString(__FILE__, __LINE__, GL_VENDOR);
    }

    static const void* driverAnswer()
    {
        return glGetString(GL_VENDOR);
    }

    static constexpr const char* kDestroyText = "Enforce dynamic_cast<OpenGLErrorChecker *>(gInterceptor) != NULL";
    static constexpr const char* kDestroyFile = "qel_ogl/extensionator/OpenGLInterceptor.cpp";
    static constexpr int kDestroyLine = 59;
};

struct WGLChain
{
    using Interceptor = wglInterceptor;
    using Decorator = wglInterceptorDecorator;
    using Checker = wglErrorChecker;
    using Recorder = WGLRecorder;

    static const void* probe()
    {
        return Interceptor::Instance()->wcgmGetCurrentContext(__FILE__, __LINE__);
    }

    static const void* driverAnswer()
    {
        return wglGetCurrentContext();
    }

    static constexpr const char* kDestroyText = "Enforce dynamic_cast<wglErrorChecker *>(gInterceptor) != NULL";
    static constexpr const char* kDestroyFile = "qel_ogl/extensionator/windows/wglInterceptor.cpp";
    static constexpr int kDestroyLine = 47;
};

}

// The recorders are members so that they outlive TearDown, which takes off whatever a test left installed.
template <class Chain>
class InterceptorChains : public ChainFixture
{
protected:
    using Interceptor = typename Chain::Interceptor;

    static Interceptor* top()
    {
        return Interceptor::Instance();
    }

    // Sends the probe down the chain and checks that the driver answered it.
    void probe()
    {
        ASSERT_NE(nullptr, Chain::driverAnswer());
        EXPECT_EQ(Chain::driverAnswer(), Chain::probe());
    }

    CallLog log_;
    typename Chain::Recorder a_{"A", log_};
    typename Chain::Recorder b_{"B", log_};
    typename Chain::Recorder x_{"X", log_};
    // Made with an inner interceptor of its own, X, which is never added.
    typename Chain::Recorder c_{"C", log_, &x_};
};

using Chains = testing::Types<GLChain, WGLChain>;
TYPED_TEST_SUITE(InterceptorChains, Chains);

TYPED_TEST(InterceptorChains, PopWithOnlyTheCheckerAnswersNullAndKeepsTheChecker)
{
    auto* const checker = this->top();
    EXPECT_NE(nullptr, dynamic_cast<typename TypeParam::Checker*>(checker));
    EXPECT_EQ(nullptr, checker->popInterceptor());
    EXPECT_EQ(checker, this->top());
    this->probe();
}

TYPED_TEST(InterceptorChains, CallGoesFromTheLastAddedDownToTheChecker)
{
    this->top()->addInterceptor(&this->a_);
    this->top()->addInterceptor(&this->b_);
    this->probe();
    EXPECT_THAT(this->log_, ElementsAre("B", "A"));
}

TYPED_TEST(InterceptorChains, PopAnswersTheDecoratorsFromTheTopThenNull)
{
    this->top()->addInterceptor(&this->a_);
    this->top()->addInterceptor(&this->b_);
    using Decorator = typename TypeParam::Decorator;
    EXPECT_EQ(static_cast<Decorator*>(&this->b_), this->top()->popInterceptor());
    EXPECT_EQ(static_cast<Decorator*>(&this->a_), this->top()->popInterceptor());
    EXPECT_EQ(nullptr, this->top()->popInterceptor());
    this->probe();
    EXPECT_THAT(this->log_, IsEmpty());
}

TYPED_TEST(InterceptorChains, DestroyOnAnEmptyChainDoesNothing)
{
    using Interceptor = typename TypeParam::Interceptor;
    EXPECT_NO_THROW(Interceptor::destroy());
    EXPECT_NO_THROW(Interceptor::destroy());
    this->probe();
}

// Refused, the chain stays as it was.
TYPED_TEST(InterceptorChains, DestroyWithADecoratorInstalledThrowsAndKeepsTheChain)
{
    this->top()->addInterceptor(&this->a_);
    const auto e = thrownBy<InternalException>([] { TypeParam::Interceptor::destroy(); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(TypeParam::kDestroyText, e->text());
    EXPECT_STREQ(TypeParam::kDestroyFile, e->file());
    EXPECT_EQ(TypeParam::kDestroyLine, e->line());
    this->probe();
    EXPECT_THAT(this->log_, ElementsAre("A"));
}

// Adding replaces whatever inner interceptor the decorator was made with.
TYPED_TEST(InterceptorChains, AddedDecoratorForwardsToThePreviousTopNotToItsOwnInner)
{
    this->top()->addInterceptor(&this->a_);
    this->top()->addInterceptor(&this->c_);
    this->probe();
    EXPECT_THAT(this->log_, ElementsAre("C", "A"));
}

TYPED_TEST(InterceptorChains, AddRefusesNull)
{
    const auto e = thrownBy<InternalException>([this] { this->top()->addInterceptor(nullptr); });
    expectRefusal(e, "qel_ogl/extensionator/ChainSupport.h", "Enforce decorator != NULL");
    this->probe();
}

// Adding one again would make the chain a cycle; refused wherever the decorator sits, the chain stays.
TYPED_TEST(InterceptorChains, AddRefusesADecoratorAlreadyInTheChain)
{
    this->top()->addInterceptor(&this->a_);
    this->top()->addInterceptor(&this->b_);
    for (auto* decorator : {&this->a_, &this->b_})
    {
        const auto e = thrownBy<InternalException>([&] { this->top()->addInterceptor(decorator); });
        expectRefusal(e, "qel_ogl/extensionator/ChainSupport.h",
                      "Enforce !isInChain<Decorator>(top, static_cast<Interceptor*>(decorator))");
    }
    this->probe();
    EXPECT_THAT(this->log_, ElementsAre("B", "A"));
}

// A decorator that was never added to a chain has no inner interceptor: a call that reaches it is refused
// instead of going through a null pointer.
TEST(DecoratorWithoutInner, RefusesTheCall)
{
    std::ostringstream text, data;
    OpenGLForwardingDecorator forwarding;
    OpenGLTracer tracer(text);
    OpenGLRekorder recorder(text, data, nullptr, false);
    wglForwardingDecorator wglForwarding;
    wglRekorder wglRecorder(text, data, nullptr, nullptr, false);
    const char* const gl = "qel_ogl/extensionator/OpenGLInterceptorDecorator.cpp";
    const char* const wgl = "qel_ogl/extensionator/windows/wglInterceptorDecorator.cpp";
    const struct
    {
        const char* file;
        std::function<void()> call;
    } calls[] = {
        {gl, [&] { forwarding.cgmFlush(__FILE__, __LINE__); }},
        {gl, [&] { tracer.cgmGetString(__FILE__, __LINE__, GL_VENDOR); }},
        {gl, [&] { recorder.cgmBindTexture(__FILE__, __LINE__, GL_TEXTURE_2D, 1); }},
        {wgl, [&] { wglForwarding.wcgmGetCurrentContext(__FILE__, __LINE__); }},
        {wgl, [&] { wglRecorder.wcgmGetCurrentDC(__FILE__, __LINE__); }},
    };
    for (const auto& row : calls)
        expectRefusal(thrownBy<InternalException>(row.call), row.file, "Enforce pInterceptor_ != NULL");
}
