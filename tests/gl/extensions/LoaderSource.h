#pragma once

#include <map>
#include <string>
#include <vector>

struct EntryPoint
{
    std::string variable;  // the table variable, "_cgmActiveTexture"
    std::string function;  // the name asked of wglGetProcAddress, "glActiveTexture"
};

// What each generated loader fetches, in its order, keyed by the entry's name as the driver spells it
// ("GL_VERSION_2_0", "GL_ARB_multitexture", "WGL_ARB_pbuffer"); entries without entry points map to nothing.
// Read from the generated source (QEL_LOADERS_SOURCE), so that the tests need no copy of the lists.
std::map<std::string, std::vector<EntryPoint>> loaderEntryPoints();
