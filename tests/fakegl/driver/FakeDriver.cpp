#include "tests/fakegl/driver/FakeDriver.h"

#include "tests/fakegl/driver/DriverState.h"

#include <algorithm>
#include <cstring>

namespace fakegl {

namespace {

PROC findIn(const ProcStub* table, std::size_t count, const std::string& name)
{
    const ProcStub* const end = table + count;
    const ProcStub* const found = std::lower_bound(table, end, name,
        [](const ProcStub& stub, const std::string& wanted) { return std::strcmp(stub.name, wanted.c_str()) < 0; });
    return found != end && name == found->name ? found->address : nullptr;
}

} // namespace

void logCall(const char* name)
{
    DriverState::instance().log.add(name);
}

void generateNames(GLsizei n, GLuint* names)
{
    for (GLsizei index = 0; index < n; ++index)
        names[index] = DriverState::instance().takeName();
}

GLuint createName()
{
    return DriverState::instance().takeName();
}

void writeScriptedIntegers(const std::map<GLenum, std::vector<GLint>>& scripted, GLenum pname, GLint* data)
{
    const auto found = scripted.find(pname);
    if (found == scripted.end())
        *data = 0;
    else
        std::copy(found->second.begin(), found->second.end(), data);
}

PROC findStub(const std::string& name)
{
    const PROC handWritten = findIn(kHandWrittenStubs, kHandWrittenStubCount, name);
    return handWritten != nullptr ? handWritten : findIn(kProcStubs, kProcStubCount, name);
}

} // namespace fakegl
