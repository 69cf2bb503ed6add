"""Emits the table of pointer reads: one row of PointerReadRule (qel_ogl/extensionator/PointerReadRule.h) per
pointer parameter of the cgm operations, in slot order, which PointerReads evaluates for a call's arguments."""

import argtext
import cpp
import emit_fuzz
import pointer_reads
from emit_table import GENERATED

RULES_SOURCE = GENERATED + "PointerReadRules.cpp"


def element_bytes(rule, param):
    """The size of one element that the rule counts: a pointer for an array of pointers, else the pointee
    (a byte for untyped data)."""
    if rule.size == "POINTERS":
        return "sizeof(const void*)"
    return "sizeof(%s)" % emit_fuzz.element_type(param)


def operand_indexes(command, names):
    """The parameter indexes of the operand names, padded with -1."""
    positions = {p.name: index for index, p in enumerate(command.params)}
    indexes = [positions[name] for name in names] + [-1] * (pointer_reads.OPERANDS - len(names))
    return "{%s}" % ", ".join(map(str, indexes))


def row(command, index, rule):
    """One initializer of PointerReadRule: the parameter, what GL does with it, then the operands and sizes (and the
    reason on a line of its own where it does not fit)."""
    param = command.params[index]
    proxy = [p.name for p in command.params].index(rule.proxy) if rule.proxy else -1
    reason = argtext.string_literal(rule.reason) if rule.reason else "nullptr"
    lines = ['    {"%s", "%s", %d, %d,' % (command.name, param.name, index, len(command.params)),
             "     R::%s, R::%s, T::%s, R::%s, R::%s," % (rule.access, rule.size, rule.table, rule.element,
                                                        rule.binding)]
    sizes = "     %s, %d, %d, %s," % (operand_indexes(command, rule.operands), proxy, rule.factor,
                                    element_bytes(rule, param))
    if len(sizes) + len(reason) + 3 <= cpp.LINE_WIDTH:
        return "\n".join(lines + [sizes + " %s}," % reason])
    return "\n".join(lines + [sizes, "     %s}," % reason])


def emit(resolved, reads):
    lines = [cpp.banner(resolved.revision).rstrip("\n"),
             '#include "qel_ogl/extensionator/PointerReadRule.h"', "",
             "namespace QEL { namespace OGL {", "",
             "namespace {", "", "using R = PointerReadRule;", "using T = EnumerantCounts;", "", "}", "",
             "// %d pointer parameters of %d cgm operations." % (len(reads.rules), len(resolved.cgm_operations)),
             "const PointerReadRule kPointerReadRules[] = {"]
    lines += [row(command, index, rule) for command, index, rule in reads.rules]
    lines += ["};", "", "const std::size_t kPointerReadRuleCount = %d;" % len(reads.rules), "", "}}"]
    return {RULES_SOURCE: "\n".join(lines) + "\n"}
