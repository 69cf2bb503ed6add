"""Emits the recorder's fuzz calls: for every cgm operation, a function that takes its arguments from the fuzzer
and calls the operation, and a stand-in bottom of the chain that answers every call with nothing. They belong
to the fuzz targets, not to the library, and are written beside them.

Each array that a call passes is made exactly as large as GL reads from it, so that the sanitizers report any
read past its end: the registry's length of the parameter ("n", "count*4", "16"), or the overlay's rule where
the registry has none that can be computed (COMPSIZE). Arrays that GL only writes to, and arrays whose length
nothing gives, get no bytes at all: nothing may read them. The generator checks that every array that the
recorder reads, and every one that GL reads by the library's table of pointer reads, has a size. The sizes are
the fuzz target's own (fuzz/GLReadSizes), never the table's: before each call, the call compares the bytes of
every sized array with what the table answers for the same arguments, so that a fault of either shows.
"""

import re
import shlex
from dataclasses import dataclass

import argtext
import cpp
import emit_interceptors
import emit_recorder
import model
import overlay

FUZZ_GENERATED = "fuzz/generated/"
CALLS_HEADER = FUZZ_GENERATED + "FuzzCalls.h"
SPECIAL_NAMES = ("gl", "arguments")


@dataclass(frozen=True)
class ReadSize:
    """An overlay rule: the element count of an array (or its bytes, where they are no whole number of
    elements), the parameter with the lengths of its strings, for an array of index arrays the parameter with
    their index counts and the bytes of one index, or the call that makes an array of any other form."""
    count: str = ""
    bytes: str = ""
    lengths: str = ""
    counts: str = ""
    index_bytes: str = ""
    source: str = ""


def read_sizes(filename="fuzz_read_sizes.txt"):
    rules = {}
    for line in overlay.read_prototype_lines(filename):
        words = shlex.split(line)
        fields = dict(word.partition("=")[::2] for word in words[2:])
        unknown = set(fields) - set(ReadSize.__dataclass_fields__)
        if unknown:
            raise model.ModelError("%s %s: unknown fields %s in the fuzz sizes"
                                   % (words[0], words[1], sorted(unknown)))
        rules[(words[0], words[1])] = ReadSize(**fields)
    return rules


def pointee(param):
    """The type that a pointer parameter points to, as the cgm operation writes it: 'const float', 'void*'."""
    plain = cpp.plain_type(param.ctype)
    return plain[:-1].rstrip()


def element_type(param):
    """The element of an array that GL reads: its pointee without the const, bytes for untyped data."""
    element = re.sub(r"^const ", "", pointee(param))
    return "unsigned char" if element == "void" else element


def is_string_array(param):
    """An array of pointers to characters, whatever its constness ('const char* const*', 'const char**')."""
    return re.sub(r"\bconst\b|\s", "", pointee(param)) == "char*"


def registry_count(command, param):
    """The registry's length as a C++ count ('std::int64_t{count} * 4'), or None where it gives none that can
    be computed."""
    length = param.length
    if not length or length.startswith("COMPSIZE"):
        return None
    scalars = {p.name for p in command.params if not argtext.is_pointer(p)}
    factors = []
    for factor in length.split("*"):
        if factor.isdigit():
            factors.append(factor)
        elif factor in scalars:
            factors.append("std::int64_t{%s}" % factor)
        else:
            raise model.ModelError("%s: the length '%s' of %s is not a product of numbers and scalar parameters"
                                   % (command.name, length, param.name))
    return " * ".join(factors)


class CallEmitter:
    """The argument sources of the fuzz calls. table_rules: the index of each (entry point, parameter) in the
    library's table of pointer reads, with which every sized array is compared; none without it."""

    def __init__(self, rules, text_params, table_rules=None):
        self.rules = rules
        self.text_params = frozenset(text_params)
        self.table_rules = table_rules or {}

    def scalar(self, param):
        if param.ptype == "GLenum":
            return 'arguments.enumerant("%s")' % param.group
        return "arguments.scalar<%s>()" % re.sub(r"^const ", "", cpp.plain_type(param.ctype))

    def count(self, command, param):
        """The element count of the array that GL reads (the overlay's, else the registry's, for const data
        only), or None."""
        rule = self.rules.get((command.name, param.name))
        if rule is not None and rule.count:
            return rule.count
        if not param.ctype.startswith("const "):
            return None
        return registry_count(command, param)

    def size(self, command, param):
        """The element count of the array that GL reads (its bytes, where a rule gives them), as a C++ expression;
        None for a text, an array that a rule makes by its own call, or one that GL does not read."""
        rule = self.rules.get((command.name, param.name), ReadSize())
        if (command.name, param.name) in self.text_params or rule.source:
            return None
        return rule.bytes or self.count(command, param)

    def array(self, command, param, size=None):
        """The call on the fuzz arguments that makes the caller's array for a pointer parameter; size names a
        local that holds the array's size, in place of its expression."""
        if (command.name, param.name) in self.text_params:
            return "arguments.text()"
        rule = self.rules.get((command.name, param.name), ReadSize())
        if rule.source:
            return rule.source
        size = size or self.size(command, param)
        if size is None:
            return "arguments.unread<%s>()" % pointee(param)
        if rule.bytes:
            return "arguments.inputBytes<%s>(%s)" % (element_type(param), size)
        if param.ctype.count("*") == 2:
            if is_string_array(param):
                return "arguments.texts(%s, %s)" % (size, rule.lengths or "nullptr")
            if rule.counts:
                return "arguments.indexArrays(%s, %s, %s)" % (size, rule.counts, rule.index_bytes)
            return "arguments.pointers(%s)" % size
        source = "input" if param.ctype.startswith("const ") else "nonConstInput"
        return "arguments.%s<%s>(%s)" % (source, element_type(param), size)

    def read_bytes(self, command, param, size=None):
        """The bytes of the array that the fuzz call makes, as a C++ expression (size as in array); None where
        size gives none."""
        size = size or self.size(command, param)
        if size is None or self.rules.get((command.name, param.name), ReadSize()).bytes:
            return size
        element = "const void*" if param.ctype.count("*") == 2 else element_type(param)
        return "arguments.bytesOf(%s, sizeof(%s))" % (size, element)

    def is_sized(self, command, param):
        source = self.array(command, param)
        return not source.startswith("arguments.unread")

    def compared_size(self, command, param):
        """The local that holds the size of an array that is compared with the table, or None."""
        if (command.name, param.name) not in self.table_rules or self.size(command, param) is None:
            return None
        local = param.name + "Size"
        if local in (p.name for p in command.params):
            raise model.ModelError("%s: the parameter %s takes the name of a size" % (command.name, local))
        return local

    def comparisons(self, command):
        """The statements that compare the bytes of each sized array with the library's table."""
        arguments = "{%s}" % ", ".join(p.name for p in command.params)
        statements = []
        for param in filter(argtext.is_pointer, command.params):
            local = self.compared_size(command, param)
            if local is None:
                continue
            index = str(self.table_rules[(command.name, param.name)])
            statements.append(cpp.wrap("arguments.expectTableRead",
                                       [index, arguments, self.read_bytes(command, param, local)], ";"))
            rule = self.rules.get((command.name, param.name), ReadSize())
            if rule.counts:
                statements.append(cpp.wrap("arguments.expectTableIndexReads",
                                           [index, arguments, rule.counts, rule.index_bytes], ";"))
        return statements

    def definition(self, command):
        """Scalars first, since array sizes depend on them; string arrays last, since their lengths are arrays."""
        for param in command.params:
            if param.name in SPECIAL_NAMES:
                raise model.ModelError("%s: a parameter named %s" % (command.name, param.name))
        declarations = []
        for param in command.params:
            if not argtext.is_pointer(param):
                declarations.append("    const auto %s = %s;" % (param.name, self.scalar(param)))
        arrays = [(param, self.array(command, param)) for param in command.params if argtext.is_pointer(param)]
        arrays.sort(key=lambda item: item[1].startswith(("arguments.texts", "arguments.indexArrays")))
        for param, source in arrays:
            local = self.compared_size(command, param)
            if local is not None:
                declarations.append(_statement("const std::int64_t %s = " % local, self.size(command, param)))
                source = self.array(command, param, local)
            declarations.append(_statement("%s %s = " % (cpp.plain_type(param.ctype), param.name), source))
        call = cpp.wrap("gl." + cpp.operation(command.name),
                        ["arguments.file()", "arguments.line()"] + [p.name for p in command.params], ";")
        head = "void Fuzz::%s(OpenGLInterceptor& gl, CallArguments& arguments)" % call_function(command)
        body = declarations + self.comparisons(command) + [call]
        return head + "\n{\n" + "".join(line + "\n" for line in body) + "}\n"


def _statement(prefix, expression):
    """'    <prefix><expression>;', a call broken over lines where it is too wide."""
    opening = expression.find("(")
    if opening < 0 or _closing(expression, opening) != len(expression) - 1:
        return "    %s%s;" % (prefix, expression)
    return cpp.wrap(prefix + expression[:opening], _call_arguments(expression), ";")


def _closing(expression, opening):
    """The index of the parenthesis that closes the one at opening."""
    depth = 0
    for index in range(opening, len(expression)):
        depth += {"(": 1, ")": -1}.get(expression[index], 0)
        if depth == 0:
            return index
    return -1


def _call_arguments(source):
    """The top-level arguments of a call expression 'f(a, g(b, c))': ['a', 'g(b, c)']. The overlay's expressions
    have no commas or parentheses inside string literals."""
    inner = source[source.index("(") + 1:-1]
    items, depth, current = [], 0, ""
    for character in inner:
        if character == "," and depth == 0:
            items.append(current.strip())
            current = ""
            continue
        if character in "({":
            depth += 1
        elif character in ")}":
            depth -= 1
        current += character
    return items + [current.strip()] if current.strip() else items


def call_function(command):
    return "call" + cpp.operation(command.name)[3:]


def recorder_forms():
    """The recorder's data-stream and hand-made tables."""
    return (emit_recorder.read_forms("recorder_data_stream.txt", emit_recorder.DATA_STREAM_FIELDS),
            emit_recorder.read_forms("recorder_handmade.txt", emit_recorder.HANDMADE_FIELDS))


def recorder_reads():
    """(entry point, parameter) of every array that the recorder reads."""
    data_stream, handmade = recorder_forms()
    reads = [(form.name, form.get("data")) for form in data_stream.values()]
    reads += [(form.name, form.fields["lengths"]) for form in data_stream.values() if "lengths" in form.fields]
    reads += [(form.name, form.get("data")) for form in handmade.values() if form.get("form") == "vector"]
    return reads


def check_sizes(resolved, emitter, reads=None):
    """Every rule of the overlay names a parameter; every array that the recorder reads, and every one that GL
    reads by the table of pointer reads, has a size."""
    operations = {c.name: c for c in resolved.cgm_operations}
    for name, param_name in emitter.rules:
        if name not in operations or param_name not in (p.name for p in operations[name].params):
            raise model.ModelError("%s %s: a fuzz size for no parameter" % (name, param_name))
    for name, param_name in recorder_reads():
        param = next(p for p in operations[name].params if p.name == param_name)
        if not emitter.is_sized(operations[name], param):
            raise model.ModelError("%s: the recorder reads %s, whose size the fuzz calls do not know"
                                   % (name, param_name))
    for command, index, rule in (reads.rules if reads else []):
        if rule.access == "READ" and not emitter.is_sized(command, command.params[index]):
            raise model.ModelError("%s: GL reads %s, whose size the fuzz calls do not know"
                                   % (command.name, command.params[index].name))


def table_rules(reads):
    """The index in the table of pointer reads of each (entry point, parameter) that GL reads."""
    return {(command.name, command.params[index].name): position
            for position, (command, index, rule) in enumerate(reads.rules) if rule.access == "READ"}


def _calls_header(resolved):
    lines = [cpp.banner(resolved.revision), "#pragma once", "", "#include <cstddef>", "",
             "namespace QEL { namespace OGL {", "", "class OpenGLInterceptor;", "", "namespace Fuzz {", "",
             "class CallArguments;", "",
             "// One cgm operation, called with arguments that the fuzzer chooses.",
             "struct OperationCall", "{", "    const char* name;",
             "    void (*call)(OpenGLInterceptor& gl, CallArguments& arguments);",
             "    // The tracer or the recorder reads one of the caller's arrays.",
             "    bool readsArrays;", "};", "",
             "// Every cgm operation, in slot order.",
             "const std::size_t kOperationCount = %d;" % len(resolved.cgm_operations),
             "extern const OperationCall kOperationCalls[kOperationCount];", ""]
    lines += ["void %s(OpenGLInterceptor& gl, CallArguments& arguments);" % call_function(c)
              for c in resolved.cgm_operations]
    return "\n".join(lines + ["", "}}}"]) + "\n"


def _call_table(resolved, reads):
    lines = [cpp.banner(resolved.revision), '#include "%s"' % CALLS_HEADER, "",
             "namespace QEL { namespace OGL { namespace Fuzz {", "",
             "const OperationCall kOperationCalls[kOperationCount] = {"]
    lines += ['    {"%s", %s, %s},' % (c.name, call_function(c), "true" if c.name in reads else "false")
              for c in resolved.cgm_operations]
    return "\n".join(lines + ["};", "", "}}}"]) + "\n"


def _calls_sources(resolved, emitter):
    includes = ["#include <cstdint>", "", '#include "fuzz/CallArguments.h"',
                '#include "qel_ogl/extensionator/OpenGLInterceptor.h"', ""]
    return emit_interceptors.source_files(resolved, "FuzzCalls", CALLS_HEADER, includes,
                                          [emitter.definition(c) for c in resolved.cgm_operations],
                                          FUZZ_GENERATED)


def _null_definition(command):
    """An operation that does nothing and answers a zero result; its parameters are unnamed."""
    result = cpp.plain_type(command.result)
    params = ["const char*", "unsigned"] + [cpp.plain_type(p.ctype) for p in command.params]
    body = "" if result == "void" else "    return {};\n"
    head = cpp.wrap(result + " Fuzz::NullGL::" + cpp.operation(command.name), params, "", indent="")
    return head + "\n{\n" + body + "}\n"


def _null_sources(resolved):
    return emit_interceptors.source_files(resolved, "NullGLOperations", "fuzz/NullGL.h", [],
                                          [_null_definition(c) for c in resolved.cgm_operations], FUZZ_GENERATED)


def emit(resolved, text, reads):
    data_stream, _ = recorder_forms()
    recorded_text = [(form.name, form.get("data")) for form in data_stream.values()
                     if form.get("capture") == "text"]
    emitter = CallEmitter(read_sizes(), list(text.text_params) + recorded_text, table_rules(reads))
    check_sizes(resolved, emitter, reads)
    reads = {name for name, _ in list(text.text_params) + recorder_reads()}
    files = {CALLS_HEADER: _calls_header(resolved),
             FUZZ_GENERATED + "FuzzCallTable.cpp": _call_table(resolved, reads)}
    files.update(_calls_sources(resolved, emitter))
    files.update(_null_sources(resolved))
    return files
