#pragma once

#include <utility>

namespace QEL { namespace OGL {

// Runs an action when the scope ends, by return or by exception: it puts back GL state that an operation
// changed only for its own use (a binding, a pushed attribute group, the active texture unit). The action
// must not throw, since it may run while an exception is propagating.
//
//     const GLuint previous = getBoundID();
//     ScopeGuard restoreBinding([&] { bindName(previous); });
template <class Action>
class ScopeGuard
{
public:
    explicit ScopeGuard(Action action)
        : action_(std::move(action))
    {
    }

    ~ScopeGuard()
    {
        action_();
    }

    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

private:
    Action action_;
};

}}
