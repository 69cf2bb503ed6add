#!/usr/bin/env python3
"""Tests of the fuzz calls: how large each caller's array is made, the order in which arguments are taken,
the checks that stop the generator, and the stand-in bottom of the chain. Needs the same sources as the
generator; run through tools/glgen/test.sh.
"""

import os
import unittest

import argtext
import emit_fuzz
import model
import pointer_reads
import registry
from test_glgen import build_model
from test_recorder import COUNTS


def command(prototype, lengths=None):
    """A command whose parameters carry registry lengths, given by parameter name."""
    parsed = registry.parse_prototype(prototype)
    lengths = lengths or {}
    params = tuple(registry.Param(p.name, p.ctype, p.ptype, p.group, lengths.get(p.name, "")) for p in parsed.params)
    return registry.Command(parsed.name, parsed.result, params)


class ArraySizes(unittest.TestCase):
    def setUp(self):
        rules = {("glTexParameterfv", "params"): emit_fuzz.ReadSize(count="arguments.texParameterValues(pname)"),
                 ("glShaderSource", "string"): emit_fuzz.ReadSize(lengths="length")}
        self.emitter = emit_fuzz.CallEmitter(rules, [("glGetUniformLocation", "name")])

    def arrays(self, c):
        return [self.emitter.array(c, p) for p in c.params if argtext.is_pointer(p)]

    def test_registry_lengths_become_counts_of_elements(self):
        c = command("void glUniform3fv(GLint location, GLsizei count, const GLfloat *value)", {"value": "count*3"})
        self.assertEqual(["arguments.input<float>(std::int64_t{count} * 3)"], self.arrays(c))
        c = command("void glLoadMatrixd(const GLdouble *m)", {"m": "16"})
        self.assertEqual(["arguments.input<double>(16)"], self.arrays(c))
        c = command("void glDeleteTextures(GLsizei n, const GLuint *textures)", {"textures": "n"})
        self.assertEqual(["arguments.input<unsigned>(std::int64_t{n})"], self.arrays(c))

    def test_untyped_data_is_counted_in_bytes(self):
        c = command("void glProgramStringARB(GLenum target, GLenum format, GLsizei len, const void *string)",
                    {"string": "len"})
        self.assertEqual(["arguments.input<unsigned char>(std::int64_t{len})"], self.arrays(c))

    def test_arrays_that_gl_writes_or_that_have_no_length_are_unread(self):
        c = command("void glGenTextures(GLsizei n, GLuint *textures)", {"textures": "n"})
        self.assertEqual(["arguments.unread<unsigned>()"], self.arrays(c))
        c = command("void glGetPointerv(GLenum pname, void **params)", {"params": "1"})
        self.assertEqual(["arguments.unread<void*>()"], self.arrays(c))
        c = command("void glCallLists(GLsizei n, GLenum type, const void *lists)", {"lists": "COMPSIZE(n,type)"})
        self.assertEqual(["arguments.unread<const void>()"], self.arrays(c))
        c = command("void glBindAttribLocation(GLuint program, GLuint index, const GLchar *name)")
        self.assertEqual(["arguments.unread<const char>()"], self.arrays(c))

    def test_overlay_rule_sizes_what_the_registry_leaves_to_compsize(self):
        c = command("void glTexParameterfv(GLenum target, GLenum pname, const GLfloat *params)",
                    {"params": "COMPSIZE(pname)"})
        self.assertEqual(["arguments.input<float>(arguments.texParameterValues(pname))"], self.arrays(c))

    def test_names_are_strings_and_arrays_of_pointers_are_built_element_by_element(self):
        c = command("GLint glGetUniformLocation(GLuint program, const GLchar *name)")
        self.assertEqual(["arguments.text()"], self.arrays(c))
        c = command("void glShaderSource(GLuint shader, GLsizei count, const GLchar *const*string, "
                    "const GLint *length)", {"string": "count", "length": "count"})
        self.assertEqual(["arguments.texts(std::int64_t{count}, length)",
                          "arguments.input<int>(std::int64_t{count})"], self.arrays(c))
        c = command("void glMultiDrawElements(GLenum mode, const GLsizei *count, GLenum type, "
                    "const void *const*indices, GLsizei drawcount)", {"count": "drawcount", "indices": "drawcount"})
        self.assertEqual("arguments.pointers(std::int64_t{drawcount})", self.arrays(c)[1])

    def test_a_length_that_is_no_product_of_scalars_is_refused(self):
        c = command("void glF(const GLint *first, const GLint *values)", {"values": "first*2"})
        with self.assertRaisesRegex(model.ModelError, "not a product"):
            self.arrays(c)

    def test_scalars_come_first_and_strings_after_their_lengths(self):
        c = command("void glShaderSource(GLuint shader, GLsizei count, const GLchar *const*string, "
                    "const GLint *length)", {"string": "count", "length": "count"})
        self.assertEqual("void Fuzz::callShaderSource(OpenGLInterceptor& gl, CallArguments& arguments)\n"
                         "{\n"
                         "    const auto shader = arguments.scalar<unsigned>();\n"
                         "    const auto count = arguments.scalar<int>();\n"
                         "    const int* length = arguments.input<int>(std::int64_t{count});\n"
                         "    const char* const* string = arguments.texts(std::int64_t{count}, length);\n"
                         "    gl.cgmShaderSource(arguments.file(), arguments.line(), shader, count, string, length);"
                         "\n"
                         "}\n", self.emitter.definition(c))

    def test_overlay_sizes_reach_arrays_that_the_registry_leaves_unsized_or_non_const(self):
        rules = {("glCullParameterfvEXT", "params"): emit_fuzz.ReadSize(count="4"),
                 ("glMultiModeDrawArraysIBM", "mode"): emit_fuzz.ReadSize(
                     bytes="arguments.stridedBytes(primcount, modestride, 4)"),
                 ("glMultiDrawElements", "indices"): emit_fuzz.ReadSize(counts="count", index_bytes="2")}
        emitter = emit_fuzz.CallEmitter(rules, [])
        c = command("void glCullParameterfvEXT(GLenum pname, GLfloat *params)", {"params": "4"})
        self.assertEqual("arguments.nonConstInput<float>(4)", emitter.array(c, c.params[1]))
        c = command("void glMultiModeDrawArraysIBM(const GLenum *mode, const GLint *first, const GLsizei *count, "
                    "GLsizei primcount, GLint modestride)")
        self.assertEqual("arguments.inputBytes<unsigned>(arguments.stridedBytes(primcount, modestride, 4))",
                         emitter.array(c, c.params[0]))
        self.assertEqual("arguments.stridedBytes(primcount, modestride, 4)", emitter.read_bytes(c, c.params[0]))
        c = command("void glMultiDrawElements(GLenum mode, const GLsizei *count, GLenum type, "
                    "const void *const*indices, GLsizei drawcount)", {"count": "drawcount", "indices": "drawcount"})
        self.assertEqual("arguments.indexArrays(std::int64_t{drawcount}, count, 2)", emitter.array(c, c.params[3]))
        self.assertEqual("arguments.bytesOf(std::int64_t{drawcount}, sizeof(const void*))",
                         emitter.read_bytes(c, c.params[3]))

    def test_sized_arrays_are_compared_with_the_table_before_the_call(self):
        c = command("void glUniform3fv(GLint location, GLsizei count, const GLfloat *value)", {"value": "count*3"})
        emitter = emit_fuzz.CallEmitter({}, [], {("glUniform3fv", "value"): 7})
        self.assertEqual("void Fuzz::callUniform3fv(OpenGLInterceptor& gl, CallArguments& arguments)\n"
                         "{\n"
                         "    const auto location = arguments.scalar<int>();\n"
                         "    const auto count = arguments.scalar<int>();\n"
                         "    const std::int64_t valueSize = std::int64_t{count} * 3;\n"
                         "    const float* value = arguments.input<float>(valueSize);\n"
                         "    arguments.expectTableRead(7, {location, count, value}, "
                         "arguments.bytesOf(valueSize, sizeof(float)));\n"
                         "    gl.cgmUniform3fv(arguments.file(), arguments.line(), location, count, value);\n"
                         "}\n", emitter.definition(c))

    def test_index_arrays_are_compared_one_by_one_and_size_names_may_not_take_a_parameters_name(self):
        c = command("void glMultiDrawElements(GLenum mode, const GLsizei *count, GLenum type, "
                    "const void *const*indices, GLsizei drawcount)", {"count": "drawcount", "indices": "drawcount"})
        rules = {("glMultiDrawElements", "indices"): emit_fuzz.ReadSize(counts="count", index_bytes="4")}
        emitter = emit_fuzz.CallEmitter(rules, [], {("glMultiDrawElements", "indices"): 3})
        self.assertIn("    arguments.expectTableIndexReads(3, {mode, count, type, indices, drawcount}, count, 4);\n",
                      emitter.definition(c))
        c = command("void glF(GLsizei n, GLsizei valuesSize, const GLint *values)", {"values": "n"})
        emitter = emit_fuzz.CallEmitter({}, [], {("glF", "values"): 0})
        with self.assertRaisesRegex(model.ModelError, "glF: the parameter valuesSize takes the name of a size"):
            emitter.definition(c)

    def test_enumerants_are_taken_by_their_registry_group(self):
        c = registry.Command("glF", "void", (registry.Param("format", "GLenum", "GLenum", "PixelFormat"),
                                              registry.Param("x", "const GLfloat", "GLfloat")))
        self.assertEqual(['arguments.enumerant("PixelFormat")', "arguments.scalar<float>()"],
                         [self.emitter.scalar(p) for p in c.params])


class FuzzCallsOfTheModel(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        cls.text = argtext.for_model(cls.model, COUNTS)
        cls.reads = pointer_reads.resolve(cls.model)
        cls.files = emit_fuzz.emit(cls.model, cls.text, cls.reads)

    def test_every_array_that_the_recorder_reads_has_a_size(self):
        # 29 data-stream arrays, the length arrays of the two shader sources, 18 small vectors.
        reads = emit_fuzz.recorder_reads()
        self.assertEqual(49, len(reads))
        emitter = emit_fuzz.CallEmitter(emit_fuzz.read_sizes(), self.text.text_params)
        operations = {c.name: c for c in self.model.cgm_operations}
        for name, param in reads:
            found = next(p for p in operations[name].params if p.name == param)
            self.assertTrue(emitter.is_sized(operations[name], found), "%s %s" % (name, param))

    def test_every_array_that_gl_reads_has_a_size_and_is_compared_with_the_table(self):
        emitter = emit_fuzz.CallEmitter(emit_fuzz.read_sizes(), self.text.text_params)
        read = [(c, c.params[i]) for c, i, rule in self.reads.rules if rule.access == "READ"]
        self.assertEqual(613, len(read))
        self.assertEqual([], [(c.name, p.name) for c, p in read if not emitter.is_sized(c, p)])
        calls = "".join(text for path, text in self.files.items() if "FuzzCalls" in path)
        # Every read array but the names and the string marker, which are texts.
        self.assertEqual(613 - 11, calls.count("arguments.expectTableRead("))

    def test_a_read_of_the_table_without_a_fuzz_size_stops_the_generator(self):
        rules = emit_fuzz.read_sizes()
        del rules[("glBitmap", "bitmap")]
        emitter = emit_fuzz.CallEmitter(rules, self.text.text_params)
        with self.assertRaisesRegex(model.ModelError, "glBitmap: GL reads bitmap, whose size the fuzz calls"):
            emit_fuzz.check_sizes(self.model, emitter, self.reads)

    def test_a_recorder_read_without_a_size_stops_the_generator(self):
        emitter = emit_fuzz.CallEmitter({}, self.text.text_params)
        with self.assertRaisesRegex(model.ModelError, "glTexImage2D: the recorder reads pixels"):
            emit_fuzz.check_sizes(self.model, emitter)

    def test_table_calls_every_operation_and_marks_those_whose_arrays_are_read(self):
        table = self.files["fuzz/generated/FuzzCallTable.cpp"]
        self.assertEqual(1501, table.count("    {\"gl"))
        self.assertEqual(55, table.count(", true},"))
        self.assertIn('{"glTexImage2D", callTexImage2D, true},', table)
        self.assertIn('{"glBindAttribLocation", callBindAttribLocation, true},', table)
        self.assertIn('{"glColor3fv", callColor3fv, false},', table)

    def test_every_file_is_written_beside_the_fuzz_targets(self):
        self.assertEqual({"fuzz/generated"}, {os.path.dirname(path) for path in self.files})

    def test_null_gl_answers_zero_with_unnamed_parameters(self):
        null_gl = "".join(text for path, text in self.files.items() if "NullGLOperations" in path)
        self.assertEqual(1501, null_gl.count(" Fuzz::NullGL::cgm"))
        self.assertIn("void Fuzz::NullGL::cgmBindTexture(const char*, unsigned, unsigned, unsigned)\n{\n}\n", null_gl)
        self.assertIn("unsigned Fuzz::NullGL::cgmGenLists(const char*, unsigned, int)\n{\n    return {};\n}\n",
                      null_gl)


if __name__ == "__main__":
    unittest.main()
