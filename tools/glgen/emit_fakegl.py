"""Emits the generated half of the fault-injection driver: the GL 1.1 exports and the wglGetProcAddress stubs."""

import cpp

FAKEGL = "tests/fakegl/driver/generated/"

# Written by hand in the driver, because a test scripts what they answer or reads the arguments they log.
HANDWRITTEN = {"glGetError", "glGetString", "glGetIntegerv", "glTexParameteri", "wglGetExtensionsStringARB",
               "wglGetExtensionsStringEXT"}


def _hands_out_names(command):
    """glGenTextures(GLsizei n, GLuint* textures) and its kin fill an array with new names."""
    return (command.name.startswith("glGen") and len(command.params) == 2
            and command.params[0].ctype == "GLsizei" and command.params[1].ctype == "GLuint *")


def _creates_name(command):
    """glCreateShader, glCreateProgramObjectARB, glGenLists, glGenSymbolsEXT and the like answer a new name."""
    return command.name.startswith(("glGen", "glCreate")) and command.result in ("GLuint", "GLhandleARB")


def _stub_body(command):
    log = '    fakegl::logCall("%s");\n' % command.name
    if _hands_out_names(command):
        return log + "    fakegl::generateNames(%s);\n" % cpp.arguments(command.params)
    if _creates_name(command):
        return log + "    return fakegl::createName();\n"
    # wgl.xml spells some results VOID, the Windows macro for void.
    if command.result not in ("void", "VOID"):
        return log + "    return {};\n"
    return log


def _stub(command, name, linkage):
    named = _hands_out_names(command)
    params = cpp.params_text(command.params, named=named) or "void"
    return "%s%s APIENTRY %s(%s)\n{\n%s}\n" % (linkage, cpp.c_type(command.result), name, params, _stub_body(command))


def emit(model):
    banner = cpp.banner(model.revision)
    exports = [banner, '#include "tests/fakegl/driver/FakeDriver.h"', "", 'extern "C" {', ""]
    exports += [_stub(f, f.name, "FAKEGL_EXPORT ") for f in model.gl11 if f.name not in HANDWRITTEN]
    exports += ["}"]

    stubbed = sorted((f for f in model.gl_table + model.wgl_table if f.name not in HANDWRITTEN),
                     key=lambda f: f.name.encode())
    stubs = [banner, '#include "tests/fakegl/driver/FakeDriver.h"', "",
             '#include "qel_ogl/extensionator/generated/glEntryPoints.h"',
             '#include "qel_ogl/extensionator/generated/wglEntryPoints.h"', "", "namespace {", ""]
    stubs += [_stub(f, "stub_" + f.name, "") for f in stubbed]
    stubs += ["}", "", "const fakegl::ProcStub fakegl::kProcStubs[] = {"]
    stubs += ['    {"%s", fakegl::asProc(&stub_%s)},' % (f.name, f.name) for f in stubbed]
    stubs += ["};", "", "const std::size_t fakegl::kProcStubCount = sizeof(fakegl::kProcStubs) / sizeof(fakegl::kProcStubs[0]);"]
    return {FAKEGL + "Gl11Exports.cpp": "\n".join(exports) + "\n", FAKEGL + "ProcStubs.cpp": "\n".join(stubs) + "\n"}
