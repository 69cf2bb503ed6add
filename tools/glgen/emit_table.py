"""Emits the entry-point table, the teExtension values, the name lookups, the dispatch and the loaders."""

import cpp

GENERATED = "qel_ogl/extensionator/generated/"


def _group_comment(entry):
    return "// %s (%d)" % (entry.name, entry.value)


def _pfn_typedef(command, entry_macro, plain=None):
    result = cpp.c_type(command.result) if plain is None else cpp.plain_type(command.result, plain)
    params = cpp.params_text(command.params) if plain is None else ", ".join(
        cpp.declaration(cpp.plain_type(p.ctype, plain), p.name) for p in command.params)
    return "typedef %s (%s %s)(%s);" % (result, entry_macro, cpp.pfn_name(command.name), params or "void")


def _table_header(model, entries, prologue, entry_macro, storage, linkage_open, linkage_close):
    lines = [cpp.banner(model.revision), "#pragma once", ""] + prologue + [""]
    for entry in entries:
        if entry.functions:
            lines.append(_group_comment(entry))
            lines.extend(_pfn_typedef(f, entry_macro) for f in entry.functions)
    lines += ["", "// The entry-point table: one variable per function, null until its loader runs."]
    lines += linkage_open
    for entry in entries:
        if entry.functions:
            lines.append(_group_comment(entry))
            lines.extend("%s %s %s;" % (storage, cpp.pfn_name(f.name), cpp.table_variable(f.name))
                         for f in entry.functions)
    return "\n".join(lines + linkage_close) + "\n"


def _table_source(model, entries, header, linkage_open, linkage_close):
    lines = [cpp.banner(model.revision), '#include "%s%s"' % (GENERATED, header), ""] + linkage_open
    for entry in entries:
        lines.extend("%s %s = nullptr;" % (cpp.pfn_name(f.name), cpp.table_variable(f.name)) for f in entry.functions)
    return "\n".join(lines + linkage_close) + "\n"


def _wgl_type_declarations(wgl_types):
    lines = ["// Handle and structure types of the WGL extensions, declared so that the registry's own header",
             "// can still define them in the same program."]
    for kind, name, tag in wgl_types:
        if kind == "handle":
            lines.append("struct %s__;" % name)
            lines.append("typedef struct %s__* %s;" % (name, name))
        else:
            lines.append("struct %s;" % tag)
            lines.append("typedef struct %s* %s;" % (tag, name))
    return lines


def emit_entry_points(model, wgl_types):
    gl_entries = model.entries_of("version", "gl")
    wgl_entries = model.entries_of("wgl")
    gl_prologue = ['#include "qel_ogl/extensionator/GLTypes.h"', '#include "qel_ogl/qel_ogl_export.h"']
    wgl_prologue = ["#include <windows.h>", "", '#include "qel_ogl/extensionator/GLTypes.h"',
                    '#include "qel_ogl/qel_ogl_export.h"', ""] + _wgl_type_declarations(wgl_types)
    c_open, c_close = ['extern "C" {'], ["}"]
    return {
        GENERATED + "glEntryPoints.h": _table_header(
            model, gl_entries, gl_prologue, "QEL_APIENTRYP", "QEL_OGL_API extern", c_open, c_close),
        GENERATED + "glEntryPoints.cpp": _table_source(model, gl_entries, "glEntryPoints.h", c_open, c_close),
        GENERATED + "wglEntryPoints.h": _table_header(
            model, wgl_entries, wgl_prologue, "WINAPI*", "QEL_OGL_API extern", [], []),
        GENERATED + "wglEntryPoints.cpp": _table_source(model, wgl_entries, "wglEntryPoints.h", [], []),
        GENERATED + "EntryPointNames.inc": _entry_point_names(model),
    }


def _entry_point_names(model):
    """The full names of every table entry point, GL then WGL, in loader order: string literals for an array."""
    lines = [cpp.banner(model.revision).rstrip("\n"),
             "// Every entry point of the table, as wglGetProcAddress is asked for it; included inside an array."]
    lines += ['"%s",' % f.name for f in model.gl_table + model.wgl_table]
    return "\n".join(lines) + "\n"


def emit_extension_values(model):
    lines = [cpp.banner(model.revision).rstrip("\n"),
             "// The enumerators of ExtensionManager::teExtension, included inside its declaration."]
    lines += ["%s = %d," % (entry.enumerator, entry.value) for entry in model.entries]
    lines.append("UNKNOWN_EXTENSION = 378")
    return {GENERATED + "teExtensionValues.inc": "\n".join(lines) + "\n"}


def _loader_name(entry):
    return "load_" + entry.name


def _loader(entry):
    head = "bool %s()\n{\n" % _loader_name(entry)
    if not entry.functions:
        return head + "    return true;\n}\n"
    fetches = ['fetch(%s, "%s")' % (cpp.table_variable(f.name), f.name) for f in entry.functions]
    return head + "    return " + "\n        && ".join(fetches) + ";\n}\n"


def _name_array(variable, entries):
    lines = ["const char* const %s[] = {" % variable]
    lines += ['    "%s",' % entry.name for entry in entries]
    return lines + ["};"]


def _dispatch(function, entries):
    lines = ["bool %s(ExtensionManager::teExtension value)" % function, "{", "    switch (value) {"]
    for entry in entries:
        lines.append("    case ExtensionManager::%s: return %s();" % (entry.enumerator, _loader_name(entry)))
    return lines + ["    default: return false;", "    }", "}"]


def _lookup(function, array, first):
    return ["ExtensionManager::teExtension %s(const char* name)" % function, "{",
            "    return lookupExtension(%s, %s, name);" % (array, first), "}"]


def emit_loaders(model):
    gl_entries = model.entries_of("version", "gl")
    wgl_entries = model.entries_of("wgl")
    lines = [cpp.banner(model.revision),
             '#include "qel_ogl/extensionator/ExtensionLoaders.h"', "",
             '#include "qel_ogl/extensionator/LoaderSupport.h"',
             '#include "qel_ogl/extensionator/generated/glEntryPoints.h"',
             '#include "qel_ogl/extensionator/generated/wglEntryPoints.h"', "",
             "namespace QEL { namespace OGL {", "", "namespace {", ""]
    lines += _name_array("kGLNames", gl_entries) + [""]
    lines += _name_array("kWGLNames", wgl_entries) + [""]
    lines += [_loader(entry) for entry in model.entries]
    lines += ["}", ""]
    lines += _lookup("glExtensionFromName", "kGLNames", "ExtensionManager::%s" % gl_entries[0].enumerator) + [""]
    lines += _lookup("wglExtensionFromName", "kWGLNames", "ExtensionManager::%s" % wgl_entries[0].enumerator) + [""]
    lines += _dispatch("loadGLExtension", gl_entries) + [""]
    lines += _dispatch("loadWGLExtension", wgl_entries) + ["", "}}"]
    return {GENERATED + "ExtensionLoaders.cpp": "\n".join(lines) + "\n"}
