"""Resolving phase of the pointer reads: for every pointer parameter of the cgm operations, what GL does with it
and how many bytes it reads, from the registry's length of the parameter and the project's rules for the rest
(overlay/pointer_reads.txt). Every pointer parameter gets exactly one rule; the counts by access and kind are
checked against overlay/pointer_read_counts.txt before anything is written.

Without a rule of the overlay, a parameter that GL only writes (a pointer to non-const data) is WRITTEN, sized
by the registry's length where that is a product of numbers and scalar parameters; a const one is READ with
that length. A length that needs the other arguments' meaning (the registry's COMPSIZE, or none at all) needs a
rule of the overlay, and so does an array of pointers, whose elements GL reads too.
"""

import os
import re
import shlex
from dataclasses import dataclass, field

import argtext
import model
import overlay

OPERANDS = 5
BINDINGS = {"unpack": "PIXEL_UNPACK_BUFFER", "array": "ARRAY_BUFFER", "element": "ELEMENT_ARRAY_BUFFER"}
COUNTS_KEYS = ("pointer_parameters", "read", "read_fixed", "read_counted", "read_computed", "written",
               "written_sized", "kept", "unknown", "offset_capable")
ENUMERANT_COUNTS_HEADER = os.path.join(os.path.dirname(overlay.OVERLAY_DIR), "..", "..", "qel_ogl",
                                       "extensionator", "EnumerantCounts.h")


@dataclass
class Rule:
    """What GL does with one pointer parameter; operands are parameter names, None past the last."""
    access: str                                   # READ, WRITTEN, KEPT or UNKNOWN
    size: str = "NO_SIZE"
    operands: list = field(default_factory=list)
    factor: int = 1
    table: str = "NO_TABLE"
    element: str = "NO_ELEMENTS"
    binding: str = "NO_BUFFER"
    proxy: str = ""                               # the target parameter, where a proxy target reads nothing
    reason: str = ""
    source: str = "registry"                      # registry or overlay


@dataclass(frozen=True)
class Form:
    """A rule form of the overlay: its size kind, the kinds of its operands ('s' scalar, 'p' pointer), how many
    it may have, and whether integer constants may stand among them (they go to the factor)."""
    size: str
    kinds: str = ""
    lengths: tuple = (0,)
    constants: bool = False
    table: bool = False
    element: str = "NO_ELEMENTS"
    fixed_table: str = "NO_TABLE"


FORMS = {
    "count": Form("COUNT", "sssss", tuple(range(6)), constants=True),
    "table": Form("TABLE", "sss", (1, 2, 3), table=True),
    "strided": Form("STRIDED", "ss", (2,)),
    "map": Form("MAP", "sssss", (3, 5), fixed_table="MAP_TARGET"),
    "image": Form("IMAGE", "sssss", (3, 4, 5)),
    "bitmap": Form("BITMAP", "ss", (2,)),
    "stipple": Form("STIPPLE"),
    "string": Form("STRING", "s", (0, 1)),
    "strings": Form("POINTERS", "sp", (2,), element="STRING_ELEMENTS"),
    "index_arrays": Form("POINTERS", "sps", (3,), element="INDEX_ELEMENTS", fixed_table="INDEX_TYPE"),
    "kept_arrays": Form("POINTERS", "s", (0, 1), constants=True, element="KEPT_ELEMENTS"),
}
# Forms without operands that only say what GL does; "registry" and "written" keep the registry's length.
ACCESS_FORMS = {"registry": "READ", "written": "WRITTEN", "kept": "KEPT", "unknown": "UNKNOWN"}
FIELDS = {"binding", "proxy", "reason"}

_FORM = re.compile(r"^(\w+)(?:\((.*)\))?$")


def enumerant_tables(path=ENUMERANT_COUNTS_HEADER):
    """The tables of EnumerantCounts, as its header declares them: 'LIGHT', 'MATERIAL', ..."""
    with open(path, encoding="utf-8") as stream:
        text = stream.read()
    body = re.search(r"enum Table : unsigned char\s*\{(.*?)\};", text, re.S).group(1)
    names = re.findall(r"^\s*(\w+),", body, re.M)
    return [name for name in names if name not in ("NO_TABLE", "TABLE_COUNT")]


@dataclass
class OverlayEntry:
    form: str
    arguments: list
    param: str
    fields: dict
    names: list = field(default_factory=list)


def read_overlay(filename="pointer_reads.txt"):
    """Header lines 'form parameter field=value...' each with the entry points on the indented lines below it."""
    entries = []
    with open(os.path.join(overlay.OVERLAY_DIR, filename), encoding="utf-8") as stream:
        for raw in stream:
            line = raw.split("#", 1)[0].rstrip()
            if not line.strip():
                continue
            if raw[0].isspace():
                if not entries:
                    raise model.ModelError("pointer reads: entry points before the first rule")
                entries[-1].names.extend(line.split())
                continue
            words = shlex.split(line)
            match = _FORM.match(words[0])
            if match is None or len(words) < 2:
                raise model.ModelError("pointer reads: '%s' is no rule and parameter" % line.strip())
            fields = dict(word.partition("=")[::2] for word in words[2:])
            unknown = set(fields) - FIELDS
            if unknown:
                raise model.ModelError("pointer reads: unknown fields %s in '%s'" % (sorted(unknown), line.strip()))
            arguments = [a.strip() for a in match.group(2).split(",")] if match.group(2) else []
            entries.append(OverlayEntry(match.group(1), arguments, words[1], fields))
    return entries


def registry_length(command, param):
    """The registry's length as (scalar parameter names, constant factor), or None where it gives no length
    that the arguments compute (COMPSIZE, or none)."""
    length = param.length
    if not length or length.startswith("COMPSIZE"):
        return None
    scalars = {p.name for p in command.params if not argtext.is_pointer(p)}
    names, factor = [], 1
    for item in length.split("*"):
        if item.isdigit():
            factor *= int(item)
        elif item in scalars:
            names.append(item)
        else:
            raise model.ModelError("%s: the length '%s' of %s is not a product of numbers and scalar parameters"
                                   % (command.name, length, param.name))
    return names, factor


def _registry_rule(command, param, access):
    length = registry_length(command, param)
    if length is None:
        return Rule(access)
    names, factor = length
    return Rule(access, "COUNT", names, factor)


def default_rule(command, param):
    """The rule without the overlay: written through non-const pointers, read through const ones."""
    if not param.ctype.startswith("const "):
        return _registry_rule(command, param, "WRITTEN")
    rule = _registry_rule(command, param, "READ")
    if rule.size == "NO_SIZE":
        raise model.ModelError("%s: GL reads %s, whose length (%s) needs a rule of the pointer reads"
                               % (command.name, param.name, param.length or "none"))
    if param.ctype.count("*") > 1:
        raise model.ModelError("%s: %s is an array of pointers, which needs a rule for its elements"
                               % (command.name, param.name))
    return rule


def _operand(command, name, kind, constants):
    """A parameter name of the given kind, or an integer where constants may stand."""
    if name.isdigit() and constants:
        return int(name)
    found = [p for p in command.params if p.name == name]
    if not found:
        raise model.ModelError("%s: the pointer rule names no parameter '%s'" % (command.name, name))
    if argtext.is_pointer(found[0]) != (kind == "p"):
        raise model.ModelError("%s: the pointer rule takes %s as %s" % (command.name, name,
                                                                      "a pointer" if kind == "p" else "a scalar"))
    return name


def overlay_rule(command, param, entry, tables):
    """The rule that an overlay entry gives the parameter of one entry point."""
    binding = entry.fields.get("binding")
    if binding is not None and binding not in BINDINGS:
        raise model.ModelError("%s: unknown binding '%s' in the pointer reads" % (command.name, binding))
    proxy = entry.fields.get("proxy", "")
    if proxy:
        _operand(command, proxy, "s", False)
    if entry.form in ACCESS_FORMS:
        if entry.arguments:
            raise model.ModelError("%s: the rule %s takes no operands" % (command.name, entry.form))
        access = ACCESS_FORMS[entry.form]
        rule = _registry_rule(command, param, access) if access in ("READ", "WRITTEN") else Rule(access)
        if access == "READ" and rule.size == "NO_SIZE":
            raise model.ModelError("%s: the registry gives %s no length to read" % (command.name, param.name))
    elif entry.form in FORMS:
        rule = _form_rule(command, entry, FORMS[entry.form], tables)
    else:
        raise model.ModelError("%s: unknown pointer rule '%s'" % (command.name, entry.form))
    if rule.access in ("KEPT", "UNKNOWN") and not entry.fields.get("reason"):
        article = "a kept" if rule.access == "KEPT" else "an unknown"
        raise model.ModelError("%s: %s pointer needs a reason" % (command.name, article))
    rule.binding = BINDINGS[binding] if binding else "NO_BUFFER"
    rule.proxy = proxy
    rule.reason = entry.fields.get("reason", "")
    rule.source = "overlay"
    return rule


def _form_rule(command, entry, form, tables):
    arguments = list(entry.arguments)
    table = form.fixed_table
    if form.table:
        if not arguments or arguments[0].upper() not in tables:
            raise model.ModelError("%s: the pointer rule names no table of EnumerantCounts" % command.name)
        table = arguments.pop(0).upper()
    if len(arguments) not in form.lengths:
        raise model.ModelError("%s: the rule %s takes %s operands, not %d"
                               % (command.name, entry.form, " or ".join(map(str, form.lengths)), len(arguments)))
    values = [_operand(command, a, kind, form.constants) for a, kind in zip(arguments, form.kinds)]
    factor = 1
    for value in values:
        if isinstance(value, int):
            factor *= value
    names = [value for value in values if not isinstance(value, int)]
    return Rule("READ", form.size, names, factor, table, form.element)


@dataclass
class PointerReads:
    rules: list     # (command, parameter index, Rule), in slot and parameter order

    def count(self, condition):
        return sum(1 for _, _, rule in self.rules if condition(rule))

    def counts(self):
        """Reads split into fixed lengths, counts given by other parameters and sizes computed from what the
        arguments mean (tables, images, strings, arrays of pointers)."""
        read = lambda rule: rule.access == "READ"
        counted = lambda rule: read(rule) and rule.size == "COUNT"
        return {
            "pointer_parameters": len(self.rules),
            "read": self.count(read),
            "read_fixed": self.count(lambda r: counted(r) and not r.operands),
            "read_counted": self.count(lambda r: counted(r) and r.operands),
            "read_computed": self.count(lambda r: read(r) and r.size != "COUNT"),
            "written": self.count(lambda r: r.access == "WRITTEN"),
            "written_sized": self.count(lambda r: r.access == "WRITTEN" and r.size != "NO_SIZE"),
            "kept": self.count(lambda r: r.access == "KEPT"),
            "unknown": self.count(lambda r: r.access == "UNKNOWN"),
            "offset_capable": self.count(lambda r: r.binding != "NO_BUFFER"),
        }


def resolve(resolved, entries=None, tables=None):
    """One rule per pointer parameter of the cgm operations, after every check."""
    entries = read_overlay() if entries is None else entries
    tables = enumerant_tables() if tables is None else tables
    operations = {c.name: c for c in resolved.cgm_operations}
    chosen = {}
    for entry in entries:
        for name in entry.names:
            command = operations.get(name)
            if command is None:
                raise model.ModelError("%s: a pointer rule for no cgm operation" % name)
            param = next((p for p in command.params if p.name == entry.param), None)
            if param is None or not argtext.is_pointer(param):
                raise model.ModelError("%s: a pointer rule for %s, which is no pointer parameter"
                                       % (name, entry.param))
            if (name, entry.param) in chosen:
                raise model.ModelError("%s: two pointer rules for %s" % (name, entry.param))
            chosen[(name, entry.param)] = overlay_rule(command, param, entry, tables)
    rules = []
    for command in resolved.cgm_operations:
        for index, param in enumerate(command.params):
            if argtext.is_pointer(param):
                rule = chosen.get((command.name, param.name)) or default_rule(command, param)
                rules.append((command, index, rule))
    return PointerReads(rules)


def verify(reads, expected):
    actual = reads.counts()
    for key in COUNTS_KEYS:
        if actual[key] != expected[key]:
            raise model.ModelError("pointer reads, %s: %d, expected %d" % (key, actual[key], expected[key]))
