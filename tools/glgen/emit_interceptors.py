"""Emits the interceptor operations, the error checkers' bodies and the forwarding decorators."""

import cpp
from emit_table import GENERATED

OPERATIONS_PER_SOURCE = 400


def gl_groups(model):
    """The cgm operations in slot order, grouped as the declarations show them."""
    groups = [("OpenGL 1.1", model.gl11)]
    groups += [("%s (%d)" % (e.name, e.value), e.functions) for e in model.entries_of("version", "gl") if e.functions]
    return groups


def _signature(command, qualifier, table, caller_named=True):
    return (cpp.plain_type(command.result, table), qualifier + cpp.operation(command.name),
            cpp.cgm_params(command, table, caller_named))


def _declaration(command, table, prefix, suffix):
    result, name, params = _signature(command, "", table)
    return cpp.wrap(prefix + result + " " + name, params, suffix)


def _declarations(model, groups, table, prefix, suffix):
    lines = [cpp.banner(model.revision).rstrip("\n")]
    for title, functions in groups:
        lines.append("    // " + title)
        lines.extend(_declaration(f, table, prefix, suffix) for f in functions)
    return "\n".join(lines) + "\n"


def definition(command, cls, table, body, caller_named=True):
    """The out-of-class definition of the command's operation in class cls, with the given body."""
    result, name, params = _signature(command, cls + "::", table, caller_named)
    return cpp.wrap(result + " " + name, params, "", indent="") + "\n{\n" + body + "}\n"


def _checker_body(command, callee, table):
    """Between glBegin and glEnd, where GL forbids glGetError, the call is answered at once: a tail call that
    keeps immediate-mode vertex calls as cheap as the direct ones. Otherwise one error query follows it."""
    call = "%s(%s)" % (callee, cpp.arguments(command.params))
    inside_pair = "    if (bInBeginEnd_)\n        return %s;\n" % call
    if cpp.plain_type(command.result, table) == "void":
        return inside_pair + "    %s;\n    checkError(file, line);\n" % call
    return inside_pair + ("    const auto result = %s;\n    keepResult(result);\n    checkError(file, line);\n"
                          "    return result;\n" % call)


def _gl_callee(command, is_table):
    if is_table:
        return 'loadedEntryPoint(%s, file, line, "%s")' % (cpp.table_variable(command.name), command.name)
    return "::" + command.name


def forward_body(command):
    """The statement that hands the call on to the inner interceptor and answers its result."""
    return "    return next().%s(file, line%s);\n" % (
        cpp.operation(command.name), "".join(", " + p.name for p in command.params))


def source_files_in(model, folder, stem, includes, definitions, in_namespace=True):
    """The generated sources <folder><stem>1.cpp, <stem>2.cpp, ... that hold one family of definitions, split so
    that no translation unit grows too large; a map from path to text. includes ends with its blank line.
    Definitions of the library's classes go inside its namespace; exported C functions stay at global scope,
    where their declarations (and so their export) are."""
    files = {}
    for index, chunk in enumerate(cpp.chunks(definitions, OPERATIONS_PER_SOURCE), 1):
        lines = [cpp.banner(model.revision)] + includes
        if in_namespace:
            lines += ["namespace QEL { namespace OGL {", ""] + ["\n".join(chunk)] + ["}}"]
        else:
            lines += ["using namespace QEL::OGL;", ""] + ["\n".join(chunk).rstrip("\n")]
        files["%s%s%d.cpp" % (folder, stem, index)] = "\n".join(lines) + "\n"
    return files


def source_files(model, stem, header, includes, definitions):
    """The generated sources of one class's definitions, beginning with the class's header."""
    return source_files_in(model, GENERATED, stem, ['#include "%s"' % header, ""] + includes, definitions)


def emit_gl(model, handmade):
    groups = gl_groups(model)
    table = cpp.PLAIN_TYPES
    files = {
        GENERATED + "OpenGLInterceptorOperations.inc": _declarations(model, groups, table, "virtual ", " = 0;"),
        GENERATED + "OpenGLInterceptorOverrides.inc": _declarations(model, groups, table, "", " override;"),
    }
    table_names = {f.name for f in model.gl_table}
    checker = [definition(f, "OpenGLErrorChecker", table,
                          _checker_body(f, _gl_callee(f, f.name in table_names), table))
               for f in model.cgm_operations if f.name not in handmade]
    files.update(source_files(model, "OpenGLErrorCheckerOperations", "qel_ogl/extensionator/OpenGLErrorChecker.h",
                              ["#include <windows.h>", "#include <GL/gl.h>", "",
                               '#include "qel_ogl/ogl/EntryPoint.h"', ""], checker))
    forwarder = [definition(f, "OpenGLForwardingDecorator", table, forward_body(f)) for f in model.cgm_operations]
    files.update(source_files(model, "OpenGLForwardingDecoratorOperations",
                              "qel_ogl/extensionator/OpenGLForwardingDecorator.h", [], forwarder))
    return files


def _wgl_forward_to_system(command):
    return "    return ::%s(%s);\n" % (command.name, cpp.arguments(command.params))


def emit_wgl(model):
    groups = [("Base WGL functions and GDI's SwapBuffers", model.wgl_base)]
    table = cpp.WGL_PLAIN_TYPES
    files = {
        GENERATED + "wglInterceptorOperations.inc": _declarations(model, groups, table, "virtual ", " = 0;"),
        GENERATED + "wglInterceptorOverrides.inc": _declarations(model, groups, table, "", " override;"),
    }
    # The WGL checker only forwards: the caller's file and line are not needed.
    checker = [definition(f, "wglErrorChecker", table, _wgl_forward_to_system(f), caller_named=False)
               for f in model.wgl_base]
    files.update(source_files(model, "wglErrorCheckerOperations",
                              "qel_ogl/extensionator/windows/wglErrorChecker.h", [], checker))
    forwarder = [definition(f, "wglForwardingDecorator", table, forward_body(f)) for f in model.wgl_base]
    files.update(source_files(model, "wglForwardingDecoratorOperations",
                              "qel_ogl/extensionator/windows/wglForwardingDecorator.h", [], forwarder))
    return files
