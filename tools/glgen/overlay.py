"""The project's own tables: the library's fixed lists and its corrections to the registry."""

import os
import re
from dataclasses import dataclass, field

OVERLAY_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "overlay")


@dataclass
class EntrySpec:
    """One line of a list: a version or extension with its value and where its entry points come from."""
    value: int
    name: str
    count: int = 0
    source: str = "list"                            # registry, glew, list or none
    excluded: list = field(default_factory=list)    # "-name" items of a registry source
    names: list = field(default_factory=list)       # the indented names of a list source
    why: str = ""


def _logical_lines(path):
    """Lines without comments and blank lines, each with a flag telling whether it is indented."""
    with open(path, encoding="utf-8") as stream:
        for raw in stream:
            line = raw.split("#", 1)[0].rstrip()
            if line.strip():
                yield raw[0].isspace(), line.strip()


def _read_entries(path, header):
    entries = []
    for indented, line in _logical_lines(path):
        if not indented:
            entries.append(header(line.split()))
        elif line.startswith("why:"):
            entries[-1].why = line[len("why:"):].strip()
        else:
            entries[-1].names.extend(line.split())
    return entries


def read_versions():
    return _read_entries(os.path.join(OVERLAY_DIR, "versions.txt"),
                         lambda words: EntrySpec(int(words[0]), words[1], int(words[2])))


def read_gl_extensions():
    def header(words):
        value, name, count, source = words[:4]
        excluded = [word[1:] for word in words[4:]]
        return EntrySpec(int(value), name, int(count), source, excluded)
    return _read_entries(os.path.join(OVERLAY_DIR, "gl_extensions.txt"), header)


def read_wgl_extensions():
    return _read_entries(os.path.join(OVERLAY_DIR, "wgl_extensions.txt"),
                         lambda words: EntrySpec(int(words[0]), words[1]))


def read_prototype_lines(filename):
    return [line for _, line in _logical_lines(os.path.join(OVERLAY_DIR, filename))]


def read_name_list(filename):
    return [name for _, line in _logical_lines(os.path.join(OVERLAY_DIR, filename)) for name in line.split()]


def read_counts(filename):
    """'key value' lines as a dict of ints."""
    counts = {}
    for _, line in _logical_lines(os.path.join(OVERLAY_DIR, filename)):
        key, value = line.split()
        counts[key] = int(value)
    return counts


def enumerator_of(name):
    """The teExtension enumerator of a list name: OPEN_GL_1_2 for GL_VERSION_1_2, else the name in capitals."""
    version = re.match(r"GL_VERSION_(\d)_(\d)$", name)
    return "OPEN_GL_%s_%s" % version.groups() if version else name.upper()
