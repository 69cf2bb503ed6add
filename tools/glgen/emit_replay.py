"""Emits the header that gives recorded replay text the GL names it uses beyond the system's gl.h."""

import cpp

HEADER = "tools/replay/generated/ReplayGLNames.h"


def _entry_point_lines(model):
    lines = ["// Every entry point after OpenGL 1.1, by its GL name, reaches the library's table variable: the replay",
             "// calls it as the recorded text names it, once the library has filled the table."]
    for entry in model.entries_of("version", "gl"):
        if entry.functions:
            lines.append("// %s" % entry.name)
            lines.extend("#define %s %s" % (f.name, cpp.table_variable(f.name)) for f in entry.functions)
    return lines


def emit(model):
    lines = [cpp.banner(model.revision).rstrip("\n"), "", "#pragma once", "",
             "// Include after <GL/gl.h>: a function that header declares must not be renamed by these macros.",
             "", '#include "qel_ogl/extensionator/generated/glEntryPoints.h"', ""]
    lines += _entry_point_lines(model)
    return {HEADER: "\n".join(lines) + "\n"}
