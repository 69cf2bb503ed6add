#!/usr/bin/env python3
"""Checks the export tables of a build's DLLs: what hosts link against is part of the library's contract.

Usage: check_exports.py BUILD_DIR

qel_ogl.dll must export the entry-point table exactly as the generated headers declare it, undecorated
(`_cgmActiveTexture`, never `_cgmActiveTexture@4` or a mangled name), the two chain tops, the plain-named
functions and the classes below; qel_core.dll the exception classes that cross into hosts. The interposer
(bin/interposer/opengl32.dll) must export, undecorated, exactly the names that MinGW-w64's libopengl32.a imports
for the target, each a forwarder to a function that qel_ogl.dll exports; on i686 that function's stdcall
decoration must count the argument bytes that the import library gives the system's function. Reads the tables
with the objdump and nm that the build's configuration found.
"""

import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GENERATED = os.path.join(ROOT, "qel_ogl", "extensionator", "generated")

# Classes of QEL::OGL whose virtual tables and type information hosts need (derivation, dynamic_cast, catch).
OGL_CLASSES = [
    "ExceptionOGL", "OpenGLInterceptor", "OpenGLInterceptorDecorator", "OpenGLErrorChecker",
    "OpenGLForwardingDecorator", "wglInterceptor", "wglInterceptorDecorator", "wglErrorChecker",
    "wglForwardingDecorator", "Object", "Buffer", "Renderbuffer", "Framebuffer",
    "GLSLObject", "Shader", "VertexShader", "FragmentShader", "Program", "StateObject_2_0",
    "Texture", "Texture1", "Texture2", "Texture3", "Texture1D", "Texture2D", "TextureRECT", "Texture3D",
    "ContextWindowed", "ContextOffscreen",
]
CHAIN_TOPS = ["OpenGLInterceptor", "wglInterceptor"]
# Free functions exported with plain C names.
PLAIN_FUNCTIONS = ["TokenName", "boolToString"]

CORE_EXCEPTIONS = ["ExceptionBase", "LogicalException", "InternalException", "ParameterException",
                   "ResourceException", "CPURuntimeException"]
CORE_WITHOUT_ASSIGNMENT = {"ResourceException"}


def nested_name(*parts):
    """The Itanium-mangled nested name N...E of QEL::[OGL::]Class."""
    return "N" + "".join("%d%s" % (len(part), part) for part in parts) + "E"


def listing_of(objdump, dll):
    return subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout


def exports(objdump, dll):
    table = listing_of(objdump, dll).split("[Ordinal/Name Pointer] Table", 1)[1]
    return {line.split()[-1] for line in table.splitlines() if line.strip().startswith("[")}


def forwarders(objdump, dll):
    """Export name -> forwarder string ("qel_ogl.qel_hook_glBegin@4") of a DLL whose exports all forward."""
    listing = listing_of(objdump, dll)
    targets = dict(re.findall(r"^\s*\[\s*(\d+)\] \+base\[\s*\d+\]\s+\w+ Forwarder RVA -- (\S+)$", listing, re.M))
    table = listing.split("[Ordinal/Name Pointer] Table", 1)[1]
    names = re.findall(r"^\s*\[\s*(\d+)\] (\S+)$", table, re.M)
    return {name: targets.get(index) for index, name in names}


def imported_by_import_library(nm, library):
    """Name -> i686 stdcall argument bytes (None on x86_64) of every function an import library imports."""
    listing = subprocess.run([nm, library], check=True, capture_output=True, text=True).stdout
    found = {}
    for symbol in re.findall(r"^[0-9a-f]+ T (\S+)$", listing, re.M):
        decorated = re.match(r"_(\w+)@(\d+)$", symbol)
        if decorated:
            found[decorated.group(1)] = int(decorated.group(2))
        else:
            found[symbol] = None
    return found


def check_interposer(build_dir, objdump, nm, ogl, problems):
    triplet = os.path.basename(nm)[:-len("-nm")]
    expected = imported_by_import_library(nm, "/usr/%s/lib/libopengl32.a" % triplet)
    found = forwarders(objdump, os.path.join(build_dir, "bin", "interposer", "opengl32.dll"))
    for name in sorted(set(expected) - set(found)):
        problems.append("the interposer does not export %s" % name)
    for name in sorted(set(found) - set(expected)):
        problems.append("the interposer exports %s, which the system's opengl32.dll does not" % name)
    for name in sorted(set(found) & set(expected)):
        target = found[name]
        if target is None or not target.startswith("qel_ogl."):
            problems.append("the interposer's %s does not forward to qel_ogl.dll" % name)
            continue
        function = target[len("qel_ogl."):]
        if function not in ogl:
            problems.append("the interposer's %s forwards to %s, which qel_ogl.dll does not export" % (name, function))
        if expected[name] is not None and not function.endswith("@%d" % expected[name]):
            problems.append("the interposer's %s forwards to %s; the system's takes %d argument bytes"
                            % (name, function, expected[name]))
    return len(expected)


def declared_variables(header, prefix):
    text = open(os.path.join(GENERATED, header), encoding="utf-8").read()
    return set(re.findall(r"\b(%s\w+);" % prefix, text))


def check_table(found, header, prefix, problems):
    expected = declared_variables(header, prefix)
    exported = {name for name in found if name.startswith(prefix)}
    for name in sorted(expected - exported):
        problems.append("%s is not exported" % name)
    for name in sorted(exported - expected):
        problems.append("%s is exported but not declared in %s (decorated or stray)" % (name, header))
    return len(expected)


def check_named(found, names, problems):
    for name in names:
        if name not in found:
            problems.append("%s is not exported" % name)


def ogl_symbols():
    symbols = []
    for cls in OGL_CLASSES:
        symbols += ["_ZTV" + nested_name("QEL", "OGL", cls), "_ZTI" + nested_name("QEL", "OGL", cls)]
    symbols += ["_Z" + nested_name("QEL", "OGL", cls, "gInterceptor") for cls in CHAIN_TOPS]
    return symbols + PLAIN_FUNCTIONS


def core_symbols():
    symbols = []
    for cls in CORE_EXCEPTIONS:
        name = nested_name("QEL", cls)
        # The member's name closes the nested name: N3QEL16LogicalExceptionC1E, then (const Class&).
        member = lambda member_name: "_Z" + name[:-1] + member_name + "ERKS0_"
        symbols += ["_ZTV" + name, "_ZTI" + name, member("C1")]
        if cls not in CORE_WITHOUT_ASSIGNMENT:
            symbols.append(member("aS"))
    return symbols


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    build_dir = sys.argv[1]
    cache = open(os.path.join(build_dir, "CMakeCache.txt"), encoding="utf-8").read()
    objdump = re.search(r"^CMAKE_OBJDUMP:\w+=(.*)$", cache, re.M).group(1)
    nm = re.search(r"^CMAKE_NM:\w+=(.*)$", cache, re.M).group(1)

    problems = []
    ogl = exports(objdump, os.path.join(build_dir, "bin", "qel_ogl.dll"))
    gl_count = check_table(ogl, "glEntryPoints.h", "_cgm", problems)
    wgl_count = check_table(ogl, "wglEntryPoints.h", "_wcgm", problems)
    check_named(ogl, ogl_symbols(), problems)
    core = exports(objdump, os.path.join(build_dir, "bin", "qel_core.dll"))
    check_named(core, core_symbols(), problems)
    interposed = check_interposer(build_dir, objdump, nm, ogl, problems)

    for problem in problems:
        print("check_exports: %s" % problem, file=sys.stderr)
    if problems:
        return 1
    print("check_exports: %s: %d _cgm and %d _wcgm variables, %d classes, both chain tops, %s, %d core exceptions; "
          "the interposer forwards all %d exports of the system's opengl32.dll"
          % (build_dir, gl_count, wgl_count, len(OGL_CLASSES), " and ".join(PLAIN_FUNCTIONS), len(CORE_EXCEPTIONS),
             interposed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
