"""Resolving phase: the library's lists joined with the prototypes of the sources, then checked."""

from dataclasses import dataclass, field

import overlay
import registry


class ModelError(Exception):
    pass


@dataclass
class Entry:
    value: int
    name: str
    kind: str                                       # version, gl or wgl
    functions: list = field(default_factory=list)   # Commands in loading order
    why: str = ""

    @property
    def enumerator(self):
        return overlay.enumerator_of(self.name)


@dataclass
class Model:
    gl11: list          # the OpenGL 1.1 functions, sorted by name in byte order
    entries: list       # versions, GL and WGL extensions, by value
    wgl_base: list      # the base WGL functions of the WGL chain, in slot order
    revision: str       # the sources' revisions, for the banners

    def entries_of(self, *kinds):
        return [entry for entry in self.entries if entry.kind in kinds]

    @property
    def gl_table(self):
        return [f for entry in self.entries_of("version", "gl") for f in entry.functions]

    @property
    def wgl_table(self):
        return [f for entry in self.entries_of("wgl") for f in entry.functions]

    @property
    def cgm_operations(self):
        return self.gl11 + self.gl_table


class _Prototypes:
    """Looks a function up in the registry first, then in GLEW's header, then in the overlay's prototypes."""

    def __init__(self, *sources):
        self.sources = sources

    def __call__(self, name):
        for source in self.sources:
            if name in source:
                return source[name]
        raise ModelError("no prototype for %s in any source" % name)


def _gl_extension_names(spec, gl, glew):
    if spec.source == "registry":
        return [name for name in gl.extensions[spec.name] if name not in spec.excluded]
    if spec.source == "glew":
        return list(glew.extensions[spec.name])
    if spec.source == "list":
        return spec.names
    if spec.source == "none":
        return []
    raise ModelError("%s: unknown source %s" % (spec.name, spec.source))


def build(gl, wgl, glew, revision):
    extra = {c.name: c for c in map(registry.parse_prototype, overlay.read_prototype_lines("signatures.txt"))}
    gl_prototype = _Prototypes(gl.commands, glew.commands, extra)
    wgl_prototype = _Prototypes(wgl.commands)

    gl11_names = gl.features["GL_VERSION_1_0"] + gl.features["GL_VERSION_1_1"]
    gl11 = sorted((gl_prototype(name) for name in gl11_names), key=lambda c: c.name.encode())

    entries = []
    for spec in overlay.read_versions():
        _expect_count(spec, spec.names)
        entries.append(Entry(spec.value, spec.name, "version", [gl_prototype(n) for n in spec.names]))
    for spec in overlay.read_gl_extensions():
        names = _gl_extension_names(spec, gl, glew)
        _expect_count(spec, names)
        entries.append(Entry(spec.value, spec.name, "gl", [gl_prototype(n) for n in names], spec.why))
    for spec in overlay.read_wgl_extensions():
        entries.append(Entry(spec.value, spec.name, "wgl", [wgl_prototype(n) for n in spec.names]))

    wgl_base = [registry.parse_prototype(line) for line in overlay.read_prototype_lines("wgl_base.txt")]
    model = Model(gl11, entries, wgl_base, revision)
    verify(model)
    return model


def _expect_count(spec, names):
    if len(names) != spec.count:
        raise ModelError("%s: %d entry points, the list says %d" % (spec.name, len(names), spec.count))


def _expect(what, actual, expected):
    if actual != expected:
        raise ModelError("%s: %d, expected %d" % (what, actual, expected))


def verify(model):
    counts = overlay.read_counts("counts.txt")
    _expect("OpenGL 1.1 functions", len(model.gl11), counts["gl11_functions"])
    _expect("GL table variables", len(model.gl_table), counts["gl_table_functions"])
    _expect("WGL table variables", len(model.wgl_table), counts["wgl_table_functions"])
    _expect("core entry points", sum(len(e.functions) for e in model.entries_of("version")),
            counts["core_entry_points"])
    _expect("GL extensions", len(model.entries_of("gl")), counts["gl_extensions"])
    _expect("GL extension entry points", sum(len(e.functions) for e in model.entries_of("gl")),
            counts["gl_extension_entry_points"])
    _expect("WGL extensions", len(model.entries_of("wgl")), counts["wgl_extensions"])
    _expect("cgm operations", len(model.cgm_operations), counts["cgm_operations"])
    _expect("wcgm operations", len(model.wgl_base), counts["wcgm_operations"])

    values = [entry.value for entry in model.entries]
    if values != sorted(values) or len(set(values)) != len(values):
        raise ModelError("entry values are not unique and ascending")
    _unique("loader names", [f.name for f in model.gl_table + model.wgl_table])
    _unique("cgm operations", [f.name for f in model.cgm_operations])
    for function in model.cgm_operations + model.wgl_base:
        if any(p.name in ("file", "line") for p in function.params):
            raise ModelError("%s has a parameter named like the caller's file or line" % function.name)


def _unique(what, names):
    seen = set()
    for name in names:
        if name in seen:
            raise ModelError("%s: %s occurs twice" % (what, name))
        seen.add(name)
