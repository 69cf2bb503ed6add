#!/usr/bin/env python3
"""Tests of the generator: the order and counts it resolves from the sources, the checks that stop it, and the
helpers that render C++ text. Needs the same sources as the generator; run through tools/glgen/test.sh.
"""

import copy
import os
import unittest

import cpp
import emit_intercept
import model
import registry

REGISTRY = os.environ.get("QEL_GLGEN_REGISTRY", "/usr/share/khronos-api")
GLEW = os.environ["QEL_GLGEN_GLEW"]


def build_model():
    gl = registry.read_xml_registry(os.path.join(REGISTRY, "gl.xml"), "gl")
    wgl = registry.read_xml_registry(os.path.join(REGISTRY, "wgl.xml"), "wgl")
    return model.build(gl, wgl, registry.read_glew_header(GLEW), "test sources")


class ResolvedModel(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.model = build_model()

    def names(self, functions):
        return [f.name for f in functions]

    def entry(self, name):
        return next(e for e in self.model.entries if e.name == name)

    def test_slot_order_starts_with_gl11_in_byte_order_then_the_table_by_value(self):
        operations = self.names(self.model.cgm_operations)
        self.assertEqual(1501, len(operations))
        self.assertEqual(["glAccum", "glAlphaFunc", "glAreTexturesResident"], operations[:3])
        self.assertEqual(["glVertex4sv", "glVertexPointer", "glViewport"], operations[333:336])
        self.assertEqual(["glDrawRangeElements", "glTexImage3D", "glTexSubImage3D", "glCopyTexSubImage3D",
                          "glActiveTexture"], operations[336:341])
        self.assertEqual(["glTexCoord4fVertex4fvSUN", "glAddSwapHintRectWIN"], operations[-2:])

    def test_core_versions_have_their_fixed_counts(self):
        counts = [len(e.functions) for e in self.model.entries_of("version")]
        self.assertEqual([4, 46, 45, 19, 93, 6], counts)
        self.assertNotIn("glPointParameteri", self.names(self.entry("GL_VERSION_1_4").functions))

    def test_extension_values_and_counts(self):
        self.assertEqual((6, 300), (self.model.entries_of("gl")[0].value, self.model.entries_of("gl")[-1].value))
        self.assertEqual((301, 334), (self.model.entries_of("wgl")[0].value, self.model.entries_of("wgl")[-1].value))
        self.assertEqual(32, self.entry("GL_ARB_multitexture").value)
        self.assertEqual(34, len(self.entry("GL_ARB_multitexture").functions))
        self.assertEqual(32, len(self.entry("GL_ARB_imaging").functions))
        self.assertEqual(952, sum(len(e.functions) for e in self.model.entries_of("gl")))
        self.assertEqual(79, len(self.model.wgl_table))

    def test_listed_loaders_keep_their_given_order(self):
        framebuffer = self.names(self.entry("GL_EXT_framebuffer_object").functions)
        self.assertEqual(["glIsRenderbufferEXT", "glBindRenderbufferEXT"], framebuffer[:2])
        self.assertEqual("glGenerateMipmapEXT", framebuffer[-1])
        self.assertEqual(["wglGetSwapIntervalEXT", "wglSwapIntervalEXT"],
                         self.names(self.entry("WGL_EXT_swap_control").functions))

    def test_verify_refuses_a_count_that_differs(self):
        broken = copy.deepcopy(self.model)
        self.entry_of(broken, "GL_VERSION_2_1").functions.pop()
        with self.assertRaisesRegex(model.ModelError, "GL table variables: 1164, expected 1165"):
            model.verify(broken)

    def test_verify_refuses_a_name_in_two_loaders(self):
        broken = copy.deepcopy(self.model)
        self.entry_of(broken, "GL_VERSION_1_3").functions[0] = self.entry_of(broken, "GL_VERSION_1_2").functions[0]
        with self.assertRaisesRegex(model.ModelError, "occurs twice"):
            model.verify(broken)

    @staticmethod
    def entry_of(resolved, name):
        return next(e for e in resolved.entries if e.name == name)


class InterceptionLayer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        cls.exports = emit_intercept.read_system_exports(cls.model)
        cls.files = emit_intercept.emit(cls.model)

    def test_every_operation_has_an_entry_and_a_macro_and_the_interposer_every_system_export(self):
        entries = self.files[emit_intercept.INTERCEPT + "InterceptEntries.h"]
        macros = self.files[emit_intercept.INTERCEPT + "InterceptMacros.h"]
        self.assertEqual(1501 + 20, entries.count("QEL_OGL_API "))
        self.assertEqual(1501 + 20, macros.count("#define "))
        self.assertIn("#define SwapBuffers(hdc) qel_SwapBuffers(__FILE__, __LINE__, hdc)", macros)
        routes = [e.route for e in self.exports]
        self.assertEqual((19, 1, 12), (routes.count("chain"), routes.count("swap"), routes.count("pass")))
        for target in ("x86_64", "i686"):
            definition = self.files[emit_intercept.INTERPOSER + "opengl32-%s.def" % target]
            self.assertEqual(368, definition.count(" = qel_ogl."))

    def test_i686_forwarders_carry_the_stdcall_argument_bytes(self):
        definition = self.files[emit_intercept.INTERPOSER + "opengl32-i686.def"]
        self.assertIn("    glBegin = qel_ogl.qel_hook_glBegin@4\n", definition)
        self.assertIn("    glRectd = qel_ogl.qel_hook_glRectd@32\n", definition)
        self.assertIn("    glTexImage2D = qel_ogl.qel_hook_glTexImage2D@36\n", definition)
        self.assertIn("    wglSwapBuffers = qel_ogl.qel_hook_wglSwapBuffers@4\n", definition)
        self.assertIn("    wglChoosePixelFormat = qel_ogl.qel_pass_wglChoosePixelFormat@8\n", definition)
        self.assertIn("    glBegin = qel_ogl.qel_hook_glBegin\n",
                      self.files[emit_intercept.INTERPOSER + "opengl32-x86_64.def"])

    def test_operations_are_in_byte_order_so_that_a_name_is_found_by_bisection(self):
        names = [o.name for o in emit_intercept.operations(self.model, self.exports)]
        self.assertEqual(sorted(names, key=str.encode), names)
        self.assertEqual(1501 + 20 + 13, len(names))


class CppHelpers(unittest.TestCase):
    def test_plain_types_of_the_cgm_convention(self):
        self.assertEqual("const float*", cpp.plain_type("const GLfloat *"))
        self.assertEqual("unsigned", cpp.plain_type("GLenum"))
        self.assertEqual("unsigned char", cpp.plain_type("GLboolean"))
        self.assertEqual("ptrdiff_t", cpp.plain_type("GLsizeiptrARB"))
        self.assertEqual("const char* const*", cpp.plain_type("const GLchar *const*"))
        self.assertEqual("int", cpp.plain_type("BOOL", cpp.WGL_PLAIN_TYPES))

    def test_names_of_variables_and_operations(self):
        self.assertEqual("_cgmActiveTexture", cpp.table_variable("glActiveTexture"))
        self.assertEqual("_wcgmSwapIntervalEXT", cpp.table_variable("wglSwapIntervalEXT"))
        self.assertEqual("cgmAccum", cpp.operation("glAccum"))
        self.assertEqual("wcgmSwapBuffers", cpp.operation("SwapBuffers"))
        self.assertEqual("PFNGLACTIVETEXTUREPROC", cpp.pfn_name("glActiveTexture"))

    def test_wrap_keeps_short_lists_on_one_line_and_breaks_long_ones(self):
        self.assertEqual("    void f(int a, int b);", cpp.wrap("void f", ["int a", "int b"], ";"))
        wrapped = cpp.wrap("void f", ["int parameter%d" % i for i in range(12)], ";").splitlines()
        self.assertEqual("    void f(", wrapped[0])
        self.assertTrue(all(len(line) <= cpp.LINE_WIDTH for line in wrapped))
        self.assertTrue(wrapped[-1].endswith("int parameter11);"))

    def test_prototype_parsing_names_unnamed_parameters(self):
        command = registry.parse_prototype("void glFoo(GLenum, const GLfloat *values)")
        self.assertEqual(["arg0", "values"], [p.name for p in command.params])
        self.assertEqual("const GLfloat *", command.params[1].ctype)
        self.assertEqual((), registry.parse_prototype("void glSwapAPPLE(void)").params)


if __name__ == "__main__":
    unittest.main()
