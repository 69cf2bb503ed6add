#pragma once

#include "GLContextFixture.h"

#include "qel_ogl/extensionator/OpenGLInterceptor.h"
#include "qel_ogl/extensionator/windows/wglInterceptor.h"

// A current context for each test, and both interceptor chains left empty after it: whatever decorators the
// test left installed are taken off (they must outlive TearDown, e.g. as members of the test's fixture) and
// the error checkers deleted, so that the next test starts a fresh chain. The chains go before the context.
class ChainFixture : public GLContextFixture
{
protected:
    void TearDown() override
    {
        emptyChain<QEL::OGL::OpenGLInterceptor>();
        emptyChain<QEL::OGL::wglInterceptor>();
        GLContextFixture::TearDown();
    }

private:
    template <class Interceptor>
    static void emptyChain()
    {
        while (Interceptor::Instance()->popInterceptor() != nullptr)
        {
        }
        Interceptor::destroy();
    }
};
