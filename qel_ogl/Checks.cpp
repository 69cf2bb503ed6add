#include "qel_ogl/Checks.h"

#include "qel_core/InternalException.h"

namespace QEL { namespace OGL {

void throwInternal(const char* file, int line, const char* text)
{
    throw InternalException(file, line, text);
}

}}
