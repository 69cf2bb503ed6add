"""Emits the recorder's operations. Each cgm operation belongs to one family: ordinary (no pointer parameter:
one statement), data-stream (the caller's data goes to the data stream, the text reads it back), hand-made
(storage of the replay's own, or a small vector written into the text) and unsupported (any other pointer
parameter: one line that reports the gap at replay time). The two special families are tables of the
overlay, one row per entry point; the family counts are checked before anything is written.

Complete mode has one form for every operation: floating-point arguments bit for bit, and each pointer as the
text that the hand-written capture prepares from the pointer's rule of the read-size table (a data record, an
offset, storage for what GL writes). The overlay's complete-mode table adds, per entry point, what the
capture does before the statement (a draw points its client arrays), after the call (the state it follows)
or instead (a call that cannot be captured, a call written as a comment).
"""

import shlex
from dataclasses import dataclass, field

import argtext
import cpp
import emit_interceptors
import model
import overlay
from argtext import Literal

FAMILIES = ("ordinary", "data_stream", "handmade", "unsupported")


@dataclass
class Form:
    """One row of a special-form table: the entry point and its fields (declare may repeat)."""
    name: str
    fields: dict
    declarations: list = field(default_factory=list)

    def get(self, key):
        if key not in self.fields:
            raise model.ModelError("%s: the recorder's table gives no '%s'" % (self.name, key))
        return self.fields[key]


def parse_form(line, known_fields):
    words = shlex.split(line)
    form = Form(words[0], {})
    for word in words[1:]:
        key, _, value = word.partition("=")
        if key not in known_fields:
            raise model.ModelError("%s: unknown field '%s' in the recorder's table" % (form.name, key))
        if key == "declare":
            form.declarations.append(value)
        else:
            form.fields[key] = value
    return form


def read_forms(filename, known_fields):
    return {form.name: form
            for form in (parse_form(line, known_fields) for line in overlay.read_prototype_lines(filename))}


DATA_STREAM_FIELDS = {"capture", "data", "count", "element", "lengths", "call", "without_lengths", "null"}
HANDMADE_FIELDS = {"form", "sizes", "declare", "data", "count", "call"}
COMPLETE_FIELDS = {"before", "after", "comment", "keeps", "unsupported"}
DOUBLE_TYPES = ("GLdouble", "GLclampd")


def family_of(command, data_stream, handmade):
    if command.name in data_stream:
        return "data_stream"
    if command.name in handmade:
        return "handmade"
    if any(argtext.is_pointer(p) for p in command.params):
        return "unsupported"
    return "ordinary"


def resolve_families(operations, data_stream, handmade, counts):
    """Each operation's family, after checking the tables and the family counts."""
    names = {c.name: c for c in operations}
    for name in list(data_stream) + list(handmade):
        if name not in names:
            raise model.ModelError("%s: a recorder form for no cgm operation" % name)
        if not any(argtext.is_pointer(p) for p in names[name].params):
            raise model.ModelError("%s: a recorder form for an entry point without a pointer" % name)
    for name in set(data_stream) & set(handmade):
        raise model.ModelError("%s: in two recorder families" % name)
    families = {c.name: family_of(c, data_stream, handmade) for c in operations}
    for family in FAMILIES:
        actual = sum(1 for f in families.values() if f == family)
        if actual != counts["recorder_" + family]:
            raise model.ModelError("recorder %s entry points: %d, expected %d"
                                   % (family, actual, counts["recorder_" + family]))
    return families


# The special forms that a template asks for with {param:modifier}, each a C++ expression over the parameter.
MODIFIERS = {
    "cpp_bool": lambda name: '(%s ? "true" : "false")' % name,
    "plus_one": lambda name: "(std::int64_t{%s} + 1)" % name,
    "local_or_null": lambda name: '(%s != nullptr ? "&%s" : "NULL")' % (name, name),
    "pointer": lambda name: argtext.POINTER_FORM.format(name),
}


def indent(statement, level=1):
    pad = "    " * level
    return "\n".join(pad + line for line in statement.split("\n"))


class RecorderEmitter:
    """The bodies of the recorder's operations, by family and form. Every form method answers the body's
    statements, without their indentation."""

    WIDTH = cpp.LINE_WIDTH - 8

    def __init__(self, text, data_stream, handmade, complete, first_rules):
        self.text = text
        self.data_stream = data_stream
        self.handmade = handmade
        self.complete = complete
        self.first_rules = first_rules

    def body(self, command, family):
        """The complete-mode branch where the operation has one, then the default form."""
        default = self.default_body(command, family)
        if not self.has_complete_form(command):
            return default
        return ("    if (bComplete_)\n    {\n" + "".join(indent(s, 2) + "\n" for s in self.complete_body(command))
                + "    }\n" + default)

    def default_body(self, command, family):
        if family == "data_stream":
            statements = self.special(command, self.data_stream[command.name], "capture", "capture_")
        elif family == "handmade":
            statements = self.special(command, self.handmade[command.name], "form", "form_")
        else:
            statements = getattr(self, family)(command)
        return "".join(indent(s) + "\n" for s in statements) + emit_interceptors.forward_body(command)

    # Complete mode.
    def has_complete_form(self, command):
        return (command.name in self.complete
                or any(argtext.is_pointer(p) or p.ptype in DOUBLE_TYPES or p.ptype in argtext.FLOAT_TYPES
                       for p in command.params))

    def complete_scalar(self, command, param):
        if param.ptype in DOUBLE_TYPES:
            return "CallText::Double{%s}" % param.name
        if param.ptype in argtext.FLOAT_TYPES:
            return "CallText::Float{%s}" % param.name
        return self.text.scalar(command, param)

    def complete_statement(self, command, commented):
        pieces = [Literal(("// " if commented else "") + command.name + "(")]
        pointer = 0
        for index, param in enumerate(command.params):
            if index:
                pieces.append(Literal(", "))
            if argtext.is_pointer(param):
                pieces += [Literal("(%s)" % param.ctype.strip()), "complete_.pointer(%d)" % pointer]
                pointer += 1
            else:
                pieces.append(self.complete_scalar(command, param))
        return [self.insertion(pieces + [Literal(");")]), END_STATEMENT]

    def complete_conditions(self, command, row):
        pointers = [p for p in command.params if argtext.is_pointer(p)]
        declarations, conditions = [], []
        if pointers:
            declarations.append("const CallArgument arguments[] = {%s};"
                                % ", ".join(argument_of(p) for p in command.params))
            conditions.append("complete_.capturePointers(%d, %d, arguments, %d, %s)"
                              % (self.first_rules[command.name], len(pointers), len(command.params),
                                 "true" if "keeps" in row.fields else "false"))
        if "before" in row.fields:
            conditions.append("complete_." + row.fields["before"])
        return declarations, conditions

    def complete_body(self, command):
        row = self.complete.get(command.name, Form(command.name, {}))
        if "unsupported" in row.fields:
            statements = ['writeNotCaptured("%s", "%s");' % (command.name, row.fields["unsupported"])]
        else:
            declarations, conditions = self.complete_conditions(command, row)
            statement = self.complete_statement(command, "comment" in row.fields)
            if conditions:
                statements = declarations + ["if (%s)" % " && ".join(conditions), "{"]
                statements += [indent(s) for s in statement]
                statements += ["}", "else", indent('writeNotCaptured("%s", complete_.reason());' % command.name)]
            else:
                statements = statement
        return statements + complete_forward(command, row.fields.get("after"))

    def special(self, command, form, kind_field, prefix):
        kind = form.get(kind_field)
        method = getattr(self, prefix + kind, None)
        if method is None:
            raise model.ModelError("%s: unknown %s '%s' in the recorder's table" % (command.name, kind_field, kind))
        return method(command, form)

    def insertion(self, pieces):
        return argtext.insertion("out()", pieces, indent="", width=self.WIDTH)

    def template(self, command, template):
        return argtext.template_pieces(template, command, self.text.scalar, MODIFIERS)

    def line(self, command, template, indent_text="    ", before=(), after=""):
        """The insertion of recorded text: the pieces before (literals or arguments), the template's line with
        its own indentation, the literal text after."""
        pieces = list(before) + [Literal(indent_text)] + self.template(command, template) + [Literal(after)]
        return self.insertion(pieces)

    def call_line(self, command, template, indent_text="    ", before=()):
        """A call line with its line end."""
        return [self.line(command, template, indent_text, before), END_STATEMENT]

    def guarded(self, command, condition, statements):
        """Statements that run only for a capturable call; any other is written as not capturable."""
        return (["if (%s)" % condition, "{"] + [indent(s) for s in statements]
                + ["}", "else", indent(self.unsupported_call(command))])

    @staticmethod
    def unsupported_call(command):
        return 'writeUnsupported("%s");' % command.name

    def unsupported(self, command):
        return [self.unsupported_call(command)]

    def ordinary(self, command):
        pieces = [Literal(command.name + "(")] + argtext.argument_pieces(command, self.text.scalar)
        return [self.insertion(pieces + [Literal(");")]), END_STATEMENT]

    # Data-stream forms: the record first, then the block that reads it back.
    def capture_array(self, command, form):
        return self.record(command, form, self.array_bytes(form), "beginDataBlock",
                           self.call_line(command, form.get("call")) + [END_BLOCK])

    def capture_text(self, command, form):
        return self.record(command, form, "textBytes(%s)" % form.get("data"), "beginDataBlock",
                           self.call_line(command, form.get("call")) + [END_BLOCK])

    def capture_matrix(self, command, form):
        return self.record(command, form, self.array_bytes(form), "beginMatrixBlock",
                           [self.line(command, form.get("call"), after="\n}\n")])

    @staticmethod
    def array_bytes(form):
        return "arrayBytes(%s, %s)" % (form.get("count"), form.get("element"))

    def record(self, command, form, bytes_expression, begin, rest):
        data = form.get("data")
        block = ["%s(writeRecord(%s, recordBytes));" % (begin, data)] + rest
        return (["const std::int64_t recordBytes = %s;" % bytes_expression]
                + self.guarded(command, "isCapturable(%s, recordBytes)" % data, block))

    def capture_image(self, command, form):
        data = form.get("data")
        for name in IMAGE_PARAMS:
            if name not in (p.name for p in command.params):
                raise model.ModelError("%s: an image without the parameter %s" % (command.name, name))
        block = (["beginDataBlock(writeRecord(%s, capture.bytes));" % data]
                 + self.call_line(command, form.get("call")) + [END_BLOCK])
        statements = ["const PixelCapture capture = capturePixels(%s, %s);" % (data, ", ".join(IMAGE_PARAMS)),
                      "if (capture.kind == PixelCapture::RECORD)", "{"] + [indent(s) for s in block] + ["}"]
        if "null" in form.fields:
            statements += ["else if (capture.kind == PixelCapture::NULL_POINTER)",
                           indent(self.line(command, form.get("null"), "", after="\n"))]
        return statements + ["else if (capture.kind == PixelCapture::UNSUPPORTED_FORMAT)",
                             indent("writePixelWarning(type, format);"), "else",
                             indent(self.unsupported_call(command))]

    def capture_sources(self, command, form):
        arguments = "%s, %s, %s" % (form.get("count"), form.get("data"), form.get("lengths"))
        block = ["beginSourcesBlock(writeSourceRecords(%s), %s, %s);" % (arguments, form.get("count"),
                                                                          form.get("lengths"))]
        block += self.call_line(command, form.get("call"), "        ")
        block += self.call_line(command, form.get("without_lengths"), "        ", [Literal("    else\n")])
        block += ["endSourcesBlock(%s);" % form.get("count")]
        return self.guarded(command, "areSourcesCapturable(%s)" % arguments, block)

    # Hand-made forms.
    def form_block(self, command, form):
        declarations = [Literal("{\n")]
        for declaration in form.declarations:
            declarations += [Literal("    ")] + self.template(command, declaration) + [Literal("\n")]
        block = self.call_line(command, form.get("call"), before=declarations) + [END_BLOCK]
        sizes = form.fields.get("sizes", "").split()
        if not sizes:
            return block
        return self.guarded(command, " && ".join("%s >= 0" % size for size in sizes), block)

    def form_vector(self, command, form):
        data = form.get("data")
        block = [self.insertion([Literal("{\n")]), "writeVector(%s, %s);" % (data, form.get("count"))]
        block += self.call_line(command, form.get("call")) + [END_BLOCK]
        return self.guarded(command, "%s != nullptr" % data, block)

    def form_comment(self, command, form):
        return self.call_line(command, form.get("call"), "")


def argument_of(param):
    """A parameter as a CallArgument takes it: a function pointer, which no size depends on, as null."""
    return "nullptr" if "PROC" in param.ptype else param.name


def complete_forward(command, after):
    """The call handed on, then what the capture follows from it (with the call's result, where it has one)."""
    if after is None:
        return [emit_interceptors.forward_body(command).strip()]
    call = emit_interceptors.forward_body(command).strip()[len("return "):]
    if command.result.strip() == "void":
        return [call, "complete_.%s;" % after, "return;"]
    return ["const auto result = " + call, "complete_.%s;" % after, "return result;"]


END_STATEMENT = "endStatement(file, line);"
END_BLOCK = "endBlock();"
# The parameters that the pixel capture reads, as both 2D image entry points name them.
IMAGE_PARAMS = ("width", "height", "format", "type")


def first_rules(reads):
    """The index in the read-size table of each operation's first pointer rule."""
    first = {}
    for index, (command, _, _) in enumerate(reads.rules):
        first.setdefault(command.name, index)
    return first


def read_complete_forms(operations):
    complete = read_forms("recorder_complete.txt", COMPLETE_FIELDS)
    names = {c.name for c in operations}
    for name in complete:
        if name not in names:
            raise model.ModelError("%s: a complete-mode row for no cgm operation" % name)
    return complete


def emit(resolved, text, counts, reads):
    data_stream = read_forms("recorder_data_stream.txt", DATA_STREAM_FIELDS)
    handmade = read_forms("recorder_handmade.txt", HANDMADE_FIELDS)
    families = resolve_families(resolved.cgm_operations, data_stream, handmade, counts)
    emitter = RecorderEmitter(text, data_stream, handmade, read_complete_forms(resolved.cgm_operations),
                              first_rules(reads))
    definitions = [emit_interceptors.definition(f, "OpenGLRekorder", cpp.PLAIN_TYPES,
                                                emitter.body(f, families[f.name]))
                   for f in resolved.cgm_operations]
    return emit_interceptors.source_files(
        resolved, "OpenGLRekorderOperations", "qel_ogl/extensionator/OpenGLRekorder.h",
        ["#include <cstdint>", "#include <ostream>", "", '#include "qel_ogl/extensionator/CallText.h"',
         '#include "qel_ogl/extensionator/PointerReads.h"', ""],
        definitions)
