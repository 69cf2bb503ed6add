#include "Sweep.h"

#include <cstdio>
#include <set>

namespace {

struct Tally
{
    std::set<std::string> operations;
    unsigned inputs = 0;
};

Tally& tally()
{
    static Tally counted;
    return counted;
}

// Prints the sweep's figures once every test has run.
class TallyReport : public testing::Environment
{
public:
    void TearDown() override
    {
        std::printf("Swept %u operations with %u bad inputs\n", static_cast<unsigned>(tally().operations.size()),
                    tally().inputs);
    }
};

const testing::Environment* const kReport = testing::AddGlobalTestEnvironment(new TallyReport);

std::string typeName(const std::type_info* type)
{
    return type == nullptr ? "nothing" : type->name();
}

}

void countSweptRow(const std::string& operation)
{
    tally().operations.insert(operation);
    ++tally().inputs;
}

GLenum drainGLErrors()
{
    if (wglGetCurrentContext() == nullptr)
        return GL_NO_ERROR;
    // GL keeps one flag per kind of error; a driver that never clears them is not waited for.
    const int kFlags = 8;
    GLenum first = GL_NO_ERROR;
    for (int flag = 0; flag < kFlags; ++flag) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR)
            break;
        if (first == GL_NO_ERROR)
            first = error;
    }
    return first;
}

Expected::Expected(const std::type_info* exception, GLenum error)
    : exception_(exception)
    , error_(error)
{
}

Expected Expected::refusedByGL(GLenum error)
{
    return Expected(nullptr, error);
}

Expected Expected::answered()
{
    return Expected(nullptr, GL_NO_ERROR);
}

void Expected::check(const std::type_info* thrown, const std::string& what, GLenum error) const
{
    const bool sameType = thrown == nullptr ? exception_ == nullptr : exception_ != nullptr && *thrown == *exception_;
    EXPECT_TRUE(sameType) << "expected " << typeName(exception_) << ", got " << typeName(thrown) << " " << what;
    EXPECT_EQ(error_, error) << "GL error";
}
