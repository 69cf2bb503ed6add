#pragma once

// What the GL and the WGL chain share (internal to the library): both are singly linked lists of
// interceptors from a top pointer down to their error checker, and decorators know the element below them.

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

// True when the element is somewhere in the chain that starts at top.
template <class Decorator, class Interceptor>
bool isInChain(const Interceptor* top, const Interceptor* element)
{
    for (const Interceptor* current = top; current != nullptr;) {
        if (current == element)
            return true;
        const auto* decorator = dynamic_cast<const Decorator*>(current);
        current = decorator != nullptr ? decorator->interceptor() : nullptr;
    }
    return false;
}

// Puts the decorator above the current top, replacing whatever inner interceptor it held. A decorator that
// is already in the chain is refused: adding it again would make the chain a cycle.
template <class Decorator, class Interceptor>
void pushDecorator(Interceptor*& top, Decorator* decorator)
{
    QEL_ENFORCE(decorator != NULL);
    QEL_ENFORCE(!isInChain<Decorator>(top, static_cast<Interceptor*>(decorator)));
    decorator->setInterceptor(top);
    top = decorator;
}

// Takes the top decorator off, leaving its inner pointer as it was; null when the top is not a decorator
// (the error checker is never popped).
template <class Decorator, class Interceptor>
Decorator* popDecorator(Interceptor*& top)
{
    auto* decorator = dynamic_cast<Decorator*>(top);
    if (decorator != nullptr)
        top = decorator->interceptor();
    return decorator;
}

}}
