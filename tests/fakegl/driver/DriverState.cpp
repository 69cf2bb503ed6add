#include "tests/fakegl/driver/DriverState.h"

namespace fakegl {

DriverState& DriverState::instance()
{
    static DriverState state;
    return state;
}

bool DriverState::fails(Call call)
{
    const auto failure = failures.find(call);
    if (failure == failures.end())
        return false;
    if (failure->second.successes > 0) {
        --failure->second.successes;
        return false;
    }
    SetLastError(failure->second.error);
    failures.erase(failure);
    return true;
}

std::uintptr_t DriverState::answer(const std::string& function) const
{
    const auto found = answers.find(function);
    return found == answers.end() ? 0 : found->second;
}

HGLRC DriverState::createContext()
{
    if (fails(Call::CreateContext))
        return nullptr;
    // A handle is only ever compared, never followed, so a counter makes distinct ones.
    const HGLRC context = reinterpret_cast<HGLRC>(nextContext++);
    contexts.insert(context);
    return context;
}

GLuint DriverState::takeName()
{
    if (names.empty())
        return nextName++;
    const GLuint name = names.front();
    names.pop_front();
    return name;
}

} // namespace fakegl
