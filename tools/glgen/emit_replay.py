"""Emits the header that gives recorded replay text the GL names it uses beyond the system's gl.h: the entry
points after OpenGL 1.1 and every enumerant name that TokenName answers."""

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


def _token_lines(token_table):
    lines = ["", "// Every name that TokenName answers, for the headers that lack it (gl.h has OpenGL 1.1 only)."]
    for value in sorted(token_table.rows):
        name = token_table.rows[value].name
        lines += ["#ifndef %s" % name, "#define %s 0x%04X" % (name, value), "#endif"]
    return lines


def emit(model, token_table):
    lines = [cpp.banner(model.revision).rstrip("\n"), "", "#pragma once", "",
             "// Include after <GL/gl.h>: a function that header declares must not be renamed by these macros.",
             "", '#include "qel_ogl/extensionator/generated/glEntryPoints.h"', ""]
    lines += _entry_point_lines(model) + _token_lines(token_table)
    return {HEADER: "\n".join(lines) + "\n"}
