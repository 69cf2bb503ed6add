#pragma once

// Calls into the entry-point table, from the library's own classes and from the error checker. A variable that
// is still null (its version or extension was not loaded) is never called: QEL_GL throws InternalException
// naming the GL function, with the file and line of the call.
//
//     QEL_GL(BindBuffer)(target(), objectID());

#include "qel_ogl/extensionator/generated/glEntryPoints.h"

namespace QEL { namespace OGL {

[[noreturn]] void throwEntryPointNotLoaded(const char* file, int line, const char* name);

template <class Entry>
Entry loadedEntryPoint(Entry entry, const char* file, int line, const char* name)
{
    if (entry == nullptr)
        throwEntryPointNotLoaded(file, line, name);
    return entry;
}

// Deletes one object name through a glDelete* entry point, for destructors and failed constructors: it never
// throws. A name exists only once its glGen* entry was loaded, and every loader fetches glDelete* before glGen*,
// so the null test only guards against a table changed behind the object's back.
template <class Delete>
void deleteObjectName(Delete entry, unsigned name) noexcept
{
    if (entry != nullptr && name != 0)
        entry(1, &name);
}

}}

// The entry-point variable _cgm<Name>, known not to be null.
#define QEL_GL(Name) ::QEL::OGL::loadedEntryPoint(_cgm##Name, __FILE__, __LINE__, "gl" #Name)
