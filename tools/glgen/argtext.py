"""How a GL argument is written in trace lines and recorded source text, shared by the tracer's and the
recorder's emitters: the C++ expression that a generated statement inserts into its stream, chosen by the
parameter's declared GL type (GLenum, GLuint and GLbitfield are all 'unsigned' and are written differently).
The C++ forms are those of qel_ogl/extensionator/CallText.h; numbers are inserted as they are, so that they
come out in the stream's own format.
"""

import re

import model
import overlay


class ArgTextError(Exception):
    pass


# Scalars by declared GL type: a format whose {} is the argument. Bytes are widened so that they are written
# as numbers, not as characters.
SCALAR_FORMS = {
    "GLenum": "CallText::Enum{{{}}}",
    "GLboolean": "CallText::Bool{{{}}}",
    "GLfloat": "CallText::Float{{{}}}",
    "GLclampf": "CallText::Float{{{}}}",
    "GLhandleARB": "CallText::Handle{{{}}}",
    "GLbyte": "static_cast<int>({})",
    "GLubyte": "static_cast<unsigned>({})",
    "GLint": "{}", "GLsizei": "{}", "GLshort": "{}",
    "GLintptr": "{}", "GLintptrARB": "{}", "GLsizeiptr": "{}", "GLsizeiptrARB": "{}",
    "GLuint": "{}", "GLbitfield": "{}", "GLushort": "{}", "GLhalfNV": "{}",
    "GLdouble": "{}", "GLclampd": "{}",
}
FLOAT_TYPES = ("GLfloat", "GLclampf")
POINTER_FORM = "CallText::Pointer{{{}}}"
TEXT_FORM = "CallText::Text{{{}}}"


def is_pointer(param):
    """Pointers and arrays of every type and constness."""
    return "*" in param.ctype or "[" in param.ctype


class ArgumentText:
    """The argument forms of one generator run.

    plain_float_commands: the entry points whose float arguments are written in the stream's floating-point
    format instead of the makeFloat form. text_params: (entry point, parameter) pairs of the names that the
    tracer writes as text.
    """

    def __init__(self, plain_float_commands, text_params):
        self.plain_float_commands = frozenset(plain_float_commands)
        self.text_params = frozenset(text_params)

    def scalar(self, command, param):
        """A scalar argument, as trace lines and recorded statements both write it."""
        if is_pointer(param):
            raise ArgTextError("%s: %s is a pointer, which has no scalar form" % (command.name, param.name))
        if param.ptype in FLOAT_TYPES and command.name in self.plain_float_commands:
            return param.name
        form = SCALAR_FORMS.get(param.ptype)
        if form is None:
            raise ArgTextError("%s: no text form for %s of type '%s'" % (command.name, param.name, param.ctype))
        return form.format(param.name)

    def traced(self, command, param):
        """An argument of a trace line: names as their text, every other pointer as its address."""
        if (command.name, param.name) in self.text_params:
            return TEXT_FORM.format(param.name)
        if is_pointer(param):
            return POINTER_FORM.format(param.name)
        return self.scalar(command, param)


class Literal(str):
    """Fixed text of a statement, as opposed to a C++ expression that writes an argument."""


def argument_pieces(command, render):
    """The arguments of a call in declaration order, each by render(command, param), separated by ', '."""
    pieces = []
    for index, param in enumerate(command.params):
        if index:
            pieces.append(Literal(", "))
        pieces.append(render(command, param))
    return pieces


def string_literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t")
    return '"%s"' % escaped


def join_pieces(pieces):
    """Adjacent literals merged, empty ones dropped."""
    joined = []
    for piece in pieces:
        if isinstance(piece, Literal) and joined and isinstance(joined[-1], Literal):
            joined[-1] = Literal(joined[-1] + piece)
        elif piece != "":
            joined.append(piece)
    return joined


def insertion(stream, pieces, indent="    ", width=118):
    """'stream << "text" << expression << ...;' over the pieces, broken before a '<<' when too wide."""
    operands = [string_literal(p) if isinstance(p, Literal) else p for p in join_pieces(pieces)]
    lines = [indent + stream]
    for operand in operands:
        part = " << " + operand
        if len(lines[-1]) + len(part) + 1 > width and lines[-1] != indent + stream:
            lines.append(indent + "    <<" + part[3:])
        else:
            lines[-1] += part
    return "\n".join(lines) + ";"


_PLACEHOLDER = re.compile(r"\{(\w+)(?::(\w+))?\}")


def template_pieces(template, command, render, modifiers):
    """The pieces of a statement template: '{param}' is the argument by render(command, param), and
    '{param:modifier}' by modifiers[modifier](param name); everything else is literal text."""
    params = {p.name: p for p in command.params}
    pieces = []
    position = 0
    for match in _PLACEHOLDER.finditer(template):
        name, modifier = match.groups()
        if name not in params:
            raise ArgTextError("%s: the template names no parameter '%s'" % (command.name, name))
        if modifier is not None and modifier not in modifiers:
            raise ArgTextError("%s: unknown modifier '%s'" % (command.name, modifier))
        pieces.append(Literal(template[position:match.start()]))
        pieces.append(modifiers[modifier](name) if modifier else render(command, params[name]))
        position = match.end()
    pieces.append(Literal(template[position:]))
    return pieces


def _expect(what, actual, expected):
    if actual != expected:
        raise model.ModelError("%s: %d, expected %d" % (what, actual, expected))


def _command(operations, name):
    if name not in operations:
        raise model.ModelError("%s is not a cgm operation" % name)
    return operations[name]


def for_model(resolved, counts):
    """The argument forms of the overlay, checked against the resolved entry points and the given counts."""
    operations = {c.name: c for c in resolved.cgm_operations}
    plain_floats = overlay.read_name_list("plain_float_entry_points.txt")
    for name in plain_floats:
        if not any(p.ptype in FLOAT_TYPES and not is_pointer(p) for p in _command(operations, name).params):
            raise model.ModelError("%s has no float parameter to write plainly" % name)
    text_params = [tuple(line.split()) for line in overlay.read_prototype_lines("tracer_text_names.txt")]
    for name, param in text_params:
        found = [p for p in _command(operations, name).params if p.name == param]
        if not found or found[0].ptype not in ("GLchar", "GLcharARB") or found[0].ctype.count("*") != 1:
            raise model.ModelError("%s: %s is not a name of characters" % (name, param))
    _expect("entry points with plain floats", len(set(plain_floats)), counts["plain_float_entry_points"])
    _expect("names traced as text", len(set(text_params)), counts["tracer_text_names"])
    handles = [c for c in resolved.cgm_operations
               if any(p.ptype == "GLhandleARB" and not is_pointer(p) for p in c.params)]
    _expect("entry points with handle parameters", len(handles), counts["handle_entry_points"])
    return ArgumentText(plain_floats, text_params)
