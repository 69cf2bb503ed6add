#include "tests/fakegl/driver/FakeGL.h"

#include "tests/fakegl/driver/DriverState.h"
#include "tests/fakegl/driver/FakeDriver.h"

namespace fakegl {

void reset()
{
    DriverState::instance() = DriverState();
}

void setString(GLenum name, const std::string& value)
{
    DriverState::instance().strings[name] = value;
}

void unsetString(GLenum name)
{
    DriverState::instance().strings.erase(name);
}

void setWglExtensions(const std::string& extensions)
{
    DriverState::instance().wglExtensions = extensions;
}

bool enableProc(const std::string& name)
{
    if (findStub(name) == nullptr)
        return false;
    DriverState::instance().enabledProcs.insert(name);
    return true;
}

void disableProc(const std::string& name)
{
    DriverState::instance().enabledProcs.erase(name);
}

void queueErrors(const std::vector<GLenum>& codes)
{
    std::deque<GLenum>& errors = DriverState::instance().errors;
    errors.insert(errors.end(), codes.begin(), codes.end());
}

void setIntegers(GLenum pname, const std::vector<GLint>& values)
{
    DriverState::instance().integers[pname] = values;
}

void setAnswer(const std::string& function, std::uintptr_t value)
{
    DriverState::instance().answers[function] = value;
}

void setObjectIntegers(GLenum pname, const std::vector<GLint>& values)
{
    DriverState::instance().objectIntegers[pname] = values;
}

void setInfoLog(const std::string& log)
{
    DriverState::instance().infoLog = log;
}

void queueNames(const std::vector<GLuint>& names)
{
    std::deque<GLuint>& queued = DriverState::instance().names;
    queued.insert(queued.end(), names.begin(), names.end());
}

void failNext(Call call, DWORD error)
{
    failAfter(call, 0, error);
}

void failAfter(Call call, unsigned successes, DWORD error)
{
    DriverState::instance().failures[call] = {successes, error};
}

std::string callLog()
{
    return DriverState::instance().log.text();
}

unsigned callCount(const std::string& name)
{
    return DriverState::instance().log.count(name);
}

void clearCallLog()
{
    DriverState::instance().log.clear();
}

unsigned contextCount()
{
    return static_cast<unsigned>(DriverState::instance().contexts.size());
}

std::vector<HGLRC> contexts()
{
    const std::set<HGLRC>& alive = DriverState::instance().contexts;
    return std::vector<HGLRC>(alive.begin(), alive.end());
}

std::vector<int> pixelFormatAttributes()
{
    return DriverState::instance().pixelFormatAttributes;
}

} // namespace fakegl
