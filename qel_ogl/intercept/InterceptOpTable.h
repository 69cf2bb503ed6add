#pragma once

#include <windows.h>

#include "qel_ogl/intercept/generated/InterceptOp.h"

namespace QEL { namespace OGL {

// A function that the interception layer routes: its name and, for a GL function, the interception function
// that wglGetProcAddress hands to the program in place of the driver's.
struct InterceptOpEntry
{
    const char* name;
    void (*hook)();
};

// In the order of InterceptOp: byte order of the names.
extern const InterceptOpEntry kInterceptOps[kInterceptOpCount];

// The entry of that name; null for a name the layer does not route.
const InterceptOpEntry* findInterceptOp(const char* name);

inline const char* interceptOpName(InterceptOp op)
{
    return kInterceptOps[static_cast<unsigned>(op)].name;
}

}}
