#include "qel_ogl/intercept/InterceptOpTable.h"

#include <algorithm>
#include <cstring>

namespace QEL { namespace OGL {

const InterceptOpEntry* findInterceptOp(const char* name)
{
    if (name == nullptr)
        return nullptr;
    const InterceptOpEntry* end = kInterceptOps + kInterceptOpCount;
    const InterceptOpEntry* found = std::lower_bound(kInterceptOps, end, name,
        [](const InterceptOpEntry& entry, const char* key) { return std::strcmp(entry.name, key) < 0; });
    return found != end && std::strcmp(found->name, name) == 0 ? found : nullptr;
}

}}
