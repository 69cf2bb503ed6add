#include "qel_ogl/ogl/EntryPoint.h"

#include <string>

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

void throwEntryPointNotLoaded(const char* file, int line, const char* name)
{
    const std::string text = std::string(name) + " is not loaded: its version or extension was not initialised";
    throwInternal(file, line, text.c_str());
}

}}
