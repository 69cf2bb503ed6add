#!/usr/bin/env python3
"""Generates the entry-point table, the extension loaders, the interceptor operations and their fixed
implementations from the Khronos registry, GLEW's header and the project's overlay tables.

Phases: read the sources, apply the overlay, resolve and verify every count, then emit. Nothing is written
unless every check passes. With --check nothing is written at all: the run fails when a file differs.
"""

import argparse
import os
import sys

import argtext
import emit_checks
import emit_fakegl
import emit_fuzz
import emit_intercept
import emit_interceptors
import emit_pointer_reads
import emit_recorder
import emit_replay
import emit_table
import emit_tokens
import emit_tracer
import model
import overlay
import pointer_reads
import registry
import tokens

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--registry", default="/usr/share/khronos-api", help="folder of gl.xml and wgl.xml")
    parser.add_argument("--registry-version", required=True, help="revision of the registry, for the banners")
    parser.add_argument("--glew", required=True, help="path of GLEW's GL/glew.h, read as data")
    parser.add_argument("--glew-version", required=True, help="revision of GLEW's header, for the banners")
    parser.add_argument("--check", action="store_true", help="compare with the files on disk instead of writing")
    return parser.parse_args()


def generate(arguments):
    gl = registry.read_xml_registry(os.path.join(arguments.registry, "gl.xml"), "gl")
    wgl = registry.read_xml_registry(os.path.join(arguments.registry, "wgl.xml"), "wgl")
    glew = registry.read_glew_header(arguments.glew)
    revision = "the Khronos registry (khronos-api %s) and GLEW's header (libglew-dev %s)" % (
        arguments.registry_version, arguments.glew_version)
    resolved = model.build(gl, wgl, glew, revision)

    wgl_types = [tuple(line.split()) + (None,) if line.startswith("handle") else tuple(line.split())
                 for line in overlay.read_prototype_lines("wgl_types.txt")]
    files = {}
    files.update(emit_table.emit_entry_points(resolved, wgl_types))
    files.update(emit_table.emit_extension_values(resolved))
    files.update(emit_table.emit_loaders(resolved))
    files.update(emit_interceptors.emit_gl(resolved, set(overlay.read_name_list("error_checker_handmade.txt"))))
    files.update(emit_interceptors.emit_wgl(resolved))
    files.update(emit_fakegl.emit(resolved))
    files.update(emit_checks.emit(resolved, gl, wgl))
    token_table = tokens.build(gl, glew, resolved)
    for note in token_table.notes:
        print("glgen: %s" % note)
    files.update(emit_tokens.emit(token_table))
    call_text_counts = overlay.read_counts("call_text_counts.txt")
    text = argtext.for_model(resolved, call_text_counts)
    files.update(emit_tracer.emit(resolved, text))
    reads = pointer_reads.resolve(resolved)
    pointer_reads.verify(reads, overlay.read_counts("pointer_read_counts.txt"))
    files.update(emit_recorder.emit(resolved, text, call_text_counts, reads))
    files.update(emit_replay.emit(resolved, token_table))
    files.update(emit_pointer_reads.emit(resolved, reads))
    files.update(emit_fuzz.emit(resolved, text, reads))
    counts = reads.counts()
    print("glgen: pointer reads: GL reads %d of the %d pointer parameters, every one sized by the fuzz calls; "
          "%d written, %d kept for later calls, %d unknown" % (counts["read"], counts["pointer_parameters"],
                                                               counts["written"], counts["kept"], counts["unknown"]))
    files.update(emit_intercept.emit(resolved))
    return files


def _on_disk(path):
    target = os.path.join(ROOT, path)
    if not os.path.exists(target):
        return None
    with open(target, encoding="utf-8") as stream:
        return stream.read()


def differing(files):
    return [path for path, text in sorted(files.items()) if _on_disk(path) != text]


def write(files):
    for path, text in sorted(files.items()):
        target = os.path.join(ROOT, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8", newline="\n") as stream:
            stream.write(text)


def main():
    arguments = parse_arguments()
    try:
        files = generate(arguments)
    except model.ModelError as error:
        print("glgen: %s" % error, file=sys.stderr)
        return 1
    changed = differing(files)
    if arguments.check:
        for path in changed:
            print("glgen: %s differs from what the generator writes" % path, file=sys.stderr)
        return 1 if changed else 0
    write(files)
    print("glgen: %d files, %d written" % (len(files), len(changed)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
