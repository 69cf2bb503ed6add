"""Emits the list from which a test compiles every operation against the registry's own prototypes."""

import cpp

LIST = "tests/unit/generated/RegistrySignatures.inc"


def emit(model, gl_registry, wgl_registry):
    lines = [cpp.banner(model.revision).rstrip("\n"),
             "// GL 1.1 operations against the Windows gl.h prototypes, table variables and their operations",
             "// against the registry's function-pointer types, WGL operations against the Windows prototypes."]
    lines += ["QEL_CHECK_GL11(%s, %s)" % (f.name, cpp.operation(f.name)) for f in model.gl11]
    lines += ["QEL_CHECK_GL_TABLE(%s, %s, %s, %s)" % (cpp.pfn_name(f.name), cpp.table_variable(f.name),
                                                    cpp.operation(f.name), f.name)
              for f in model.gl_table if f.name in gl_registry.commands]
    lines += ["QEL_CHECK_WGL_TABLE(%s, %s)" % (cpp.pfn_name(f.name), cpp.table_variable(f.name))
              for f in model.wgl_table if f.name in wgl_registry.commands]
    lines += ["QEL_CHECK_WGL(%s, %s)" % (f.name, cpp.operation(f.name)) for f in model.wgl_base]
    return {LIST: "\n".join(lines) + "\n"}
