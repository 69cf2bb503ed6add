#pragma once

// The name lookups and loader dispatch of the known versions and extensions (internal to the library).

#include "qel_ogl/extensionator/ExtensionManager.h"

namespace QEL { namespace OGL {

// The value of a core-version or GL extension name, UNKNOWN_EXTENSION for any other string.
ExtensionManager::teExtension glExtensionFromName(const char* name);

// The value of a WGL extension name, UNKNOWN_EXTENSION for any other string.
ExtensionManager::teExtension wglExtensionFromName(const char* name);

// Run the loader of a value from 0 to 300 (GL) or 301 to 334 (WGL); any other value answers false.
// A loader fetches its entry points in their fixed order, stores each result, and stops at the first null.
bool loadGLExtension(ExtensionManager::teExtension value);
bool loadWGLExtension(ExtensionManager::teExtension value);

}}
