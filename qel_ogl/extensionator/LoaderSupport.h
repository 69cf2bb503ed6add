#pragma once

// What the generated loaders and lookups are made of (internal to the library).

#include <windows.h>

#include <cstring>

#include "qel_ogl/extensionator/ExtensionManager.h"

namespace QEL { namespace OGL {

// Fetches one entry point into its table variable, storing even a null, and tells whether it exists.
template <class Entry>
bool fetch(Entry& entry, const char* name)
{
    // Through void (*)(): the one function-pointer type that converts to every other without a warning.
    entry = reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
    return entry != nullptr;
}

// The value of the first name equal to the given one (whole-string, case-sensitive), or UNKNOWN_EXTENSION.
template <std::size_t Count>
ExtensionManager::teExtension lookupExtension(const char* const (&names)[Count],
                                              ExtensionManager::teExtension first, const char* name)
{
    if (name == nullptr)
        return ExtensionManager::UNKNOWN_EXTENSION;
    for (std::size_t index = 0; index < Count; ++index) {
        if (std::strcmp(names[index], name) == 0)
            return static_cast<ExtensionManager::teExtension>(first + index);
    }
    return ExtensionManager::UNKNOWN_EXTENSION;
}

}}
