"""Emits the interception layer: the C entry family (each GL and WGL function with the caller's file and line
first), the drop-in macros that route a source file's calls to it, the interception functions that a program
reaches without source (through the interposer or a pointer from wglGetProcAddress), the table of operations,
and the interposer's export definitions for both targets."""

from dataclasses import dataclass

import cpp
import overlay
import registry
from emit_interceptors import source_files_in

INTERCEPT = "qel_ogl/intercept/generated/"
INTERPOSER = "tools/interposer/generated/"

ENTRY_PREFIX = "qel_"
HOOK_PREFIX = "qel_hook_"
PASS_PREFIX = "qel_pass_"

# Arguments of eight bytes on the i686 stack, which the stdcall decoration counts; every other argument takes four.
_EIGHT_BYTE_TYPES = {"GLdouble", "GLclampd", "double", "GLint64", "GLuint64", "GLint64EXT", "GLuint64EXT"}


@dataclass
class SystemExport:
    """An export of the system's opengl32.dll beyond OpenGL 1.1 and how the interposer routes it."""
    route: str          # chain, swap or pass
    command: object     # the registry.Command (for chain: the WGL chain's own)


@dataclass
class Operation:
    """A function the interception layer knows: its name, its command and the chain it goes through."""
    name: str
    command: object
    chain: str          # gl, wgl or none (passed straight to the driver)


def read_system_exports(model):
    wgl_base = {f.name: f for f in model.wgl_base}
    exports = []
    for line in overlay.read_prototype_lines("system_opengl32.txt"):
        route, rest = line.split(" ", 1)
        command = wgl_base[rest] if route == "chain" else registry.parse_prototype(rest)
        exports.append(SystemExport(route, command))
    return exports


def operations(model, exports):
    """Every function with a slot in the driver table, in byte order of its name (its index)."""
    found = [Operation(f.name, f, "gl") for f in model.cgm_operations]
    found += [Operation(f.name, f, "wgl") for f in model.wgl_base]
    found += [Operation(e.command.name, e.command, "none") for e in exports if e.route != "chain"]
    return sorted(found, key=lambda o: o.name.encode())


def stdcall_bytes(command):
    """The argument bytes that the i686 stdcall decoration (name@bytes) counts."""
    def size(param):
        if "*" in param.ctype:
            return 4
        return 8 if param.ctype.split()[-1] in _EIGHT_BYTE_TYPES else 4
    return sum(size(p) for p in command.params)


def _table(operation):
    return cpp.PLAIN_TYPES if operation.chain == "gl" else cpp.WGL_PLAIN_TYPES


def _params(operation, with_caller):
    table = _table(operation)
    params = [cpp.declaration(cpp.plain_type(p.ctype, table), p.name) for p in operation.command.params]
    return (["const char* file", "unsigned line"] if with_caller else []) + params


def _result(operation):
    return cpp.plain_type(operation.command.result, _table(operation))


def _entry_name(operation):
    return ENTRY_PREFIX + operation.name


def _hook_name(operation):
    if operation.chain == "none" and operation.name != "wglSwapBuffers":
        return PASS_PREFIX + operation.name
    return HOOK_PREFIX + operation.name


def _chain_operation(operation):
    owner = "OpenGLInterceptor" if operation.chain == "gl" else "wglInterceptor"
    return "&%s::%s" % (owner, cpp.operation(operation.name))


def _arguments(operation):
    return [p.name for p in operation.command.params]


def _return_statement(callee, arguments):
    return cpp.wrap("return " + callee, arguments, ";") + "\n"


# The C entry family.

def _entry_declaration(operation):
    return cpp.wrap("QEL_OGL_API " + _result(operation) + " " + _entry_name(operation),
                    _params(operation, True), ";", indent="")


def _entry_definition(operation):
    head = cpp.wrap("extern \"C\" " + _result(operation) + " " + _entry_name(operation),
                    _params(operation, True), "", indent="")
    body = _return_statement("enter", ["InterceptOp::" + operation.name, _chain_operation(operation), "file", "line"]
                             + _arguments(operation))
    return head + "\n{\n" + body + "}\n"


def _macro(operation):
    names = [p.name for p in operation.command.params]
    return "#define %s(%s) %s(__FILE__, __LINE__%s)" % (
        operation.name, ", ".join(names), _entry_name(operation), "".join(", " + n for n in names))


# The interception functions with the driver's calling convention.

def _hook_declaration(operation):
    return cpp.wrap("QEL_OGL_API " + _result(operation) + " QEL_APIENTRY " + _hook_name(operation),
                    _params(operation, False) or ["void"], ";", indent="")


def _hook_definition(operation, name, straight):
    """The interception function name for operation; straight names the driver's function that it calls when
    the call does not go through the chain."""
    head = cpp.wrap("extern \"C\" " + _result(operation) + " QEL_APIENTRY " + name,
                    _params(operation, False) or ["void"], "", indent="")
    if operation.chain == "none":
        types = [_result(operation)] + [cpp.plain_type(p.ctype, _table(operation)) for p in operation.command.params]
        body = _return_statement("callDriver<%s>" % ", ".join(types),
                                 ["InterceptOp::" + straight] + _arguments(operation))
    else:
        body = _return_statement("hook", ["InterceptOp::" + straight, _chain_operation(operation),
                                        "QEL_RETURN_ADDRESS()"] + _arguments(operation))
    return head + "\n{\n" + body + "}\n"


def _hooks(ops):
    """Each operation's interception function. wglSwapBuffers, which GDI's SwapBuffers calls, goes through the
    chain's SwapBuffers and straight to the system's wglSwapBuffers."""
    swap = next(o for o in ops if o.name == "SwapBuffers")
    definitions = []
    for operation in ops:
        if operation.name == "SwapBuffers":
            continue
        if operation.name == "wglSwapBuffers":
            definitions.append(_hook_definition(swap, HOOK_PREFIX + operation.name, operation.name))
        else:
            definitions.append(_hook_definition(operation, _hook_name(operation), operation.name))
    return definitions


def _interposed(model, exports):
    """(export name, function of qel_ogl it forwards to, i686 argument bytes) for every system export."""
    rows = [(f.name, HOOK_PREFIX + f.name, stdcall_bytes(f)) for f in model.gl11]
    for export in exports:
        prefix = PASS_PREFIX if export.route == "pass" else HOOK_PREFIX
        rows.append((export.command.name, prefix + export.command.name, stdcall_bytes(export.command)))
    return rows


def _def_file(model, rows, decorated):
    lines = [cpp.banner(model.revision, ";").rstrip("\n"), "LIBRARY opengl32.dll", "EXPORTS"]
    for name, target, size in rows:
        lines.append("    %s = qel_ogl.%s%s" % (name, target, "@%d" % size if decorated else ""))
    return "\n".join(lines) + "\n"


def _header(model, body, includes):
    lines = [cpp.banner(model.revision), "#pragma once", ""] + includes + [""] + body
    return "\n".join(lines) + "\n"


def emit(model):
    exports = read_system_exports(model)
    expected = overlay.read_counts("counts.txt")["system_opengl32_exports"]
    if len(model.gl11) + len(exports) != expected:
        raise ValueError("system opengl32 exports: %d, expected %d" % (len(model.gl11) + len(exports), expected))
    ops = operations(model, exports)
    chained = [o for o in ops if o.chain != "none"]

    files = {}
    files[INTERCEPT + "InterceptEntries.h"] = _header(
        model, ["#ifdef __cplusplus", 'extern "C" {', "#endif", ""] + [_entry_declaration(o) for o in chained]
        + ["", "#ifdef __cplusplus", "}", "#endif"],
        ["#include <stddef.h>", "#include <windows.h>", "", '#include "qel_ogl/qel_ogl_export.h"'])
    files[INTERCEPT + "InterceptMacros.h"] = _header(
        model, [_macro(o) for o in chained], ['#include "qel_ogl/intercept/generated/InterceptEntries.h"'])
    files[INTERCEPT + "InterceptHooks.h"] = _header(
        model, ['extern "C" {', ""] + [_hook_declaration(o) for o in ops if o.name != "SwapBuffers"] + ["", "}"],
        ["#include <cstddef>", "#include <windows.h>", "", '#include "qel_ogl/extensionator/GLTypes.h"',
         '#include "qel_ogl/qel_ogl_export.h"'])
    files[INTERCEPT + "InterceptOp.h"] = _header(
        model, ["namespace QEL { namespace OGL {", "",
                "// Every function that the interception layer routes, in byte order of its name.",
                "enum class InterceptOp : unsigned", "{"] + ["    %s," % o.name for o in ops]
        + ["};", "", "constexpr unsigned kInterceptOpCount = %d;" % len(ops), "", "}}"], [])

    table = ['#include "qel_ogl/intercept/InterceptOpTable.h"', "",
             '#include "qel_ogl/intercept/generated/InterceptHooks.h"', "",
             "namespace QEL { namespace OGL {", "",
             "const InterceptOpEntry kInterceptOps[kInterceptOpCount] = {"]
    table += ['    {"%s", %s},' % (o.name, "reinterpret_cast<void (*)()>(&%s)" % _hook_name(o) if o.chain == "gl" else "nullptr")
              for o in ops]
    table += ["};", "", "}}"]
    files[INTERCEPT + "InterceptOpNames.cpp"] = cpp.banner(model.revision) + "\n".join(table) + "\n"

    includes = ['#include "qel_ogl/intercept/generated/InterceptEntries.h"', "",
                '#include "qel_ogl/intercept/InterceptCalls.h"', ""]
    files.update(source_files_in(model, INTERCEPT, "InterceptEntries", includes,
                                 [_entry_definition(o) for o in chained], in_namespace=False))
    includes = ['#include "qel_ogl/intercept/generated/InterceptHooks.h"', "",
                '#include "qel_ogl/intercept/InterceptCalls.h"', ""]
    files.update(source_files_in(model, INTERCEPT, "InterceptHooks", includes, _hooks(ops), in_namespace=False))

    rows = _interposed(model, exports)
    files[INTERPOSER + "opengl32-x86_64.def"] = _def_file(model, rows, decorated=False)
    files[INTERPOSER + "opengl32-i686.def"] = _def_file(model, rows, decorated=True)
    return files
