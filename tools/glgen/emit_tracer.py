"""Emits the tracer's operations: each writes its trace line, then forwards the call unchanged."""

import argtext
import cpp
import emit_interceptors


def trace_statement(command, text):
    """The insertion of the call's trace line, after the caller's file and line that beginLine writes."""
    pieces = [argtext.Literal(command.name + "(")]
    pieces += argtext.argument_pieces(command, text.traced)
    pieces.append(argtext.Literal(")\n"))
    return argtext.insertion("beginLine(file, line)", pieces)


def tracer_body(command, text):
    return trace_statement(command, text) + "\n" + emit_interceptors.forward_body(command)


def emit(resolved, text):
    definitions = [emit_interceptors.definition(f, "OpenGLTracer", cpp.PLAIN_TYPES, tracer_body(f, text))
                   for f in resolved.cgm_operations]
    return emit_interceptors.source_files(
        resolved, "OpenGLTracerOperations", "qel_ogl/extensionator/OpenGLTracer.h",
        ["#include <ostream>", "", '#include "qel_ogl/extensionator/CallText.h"', ""], definitions)
