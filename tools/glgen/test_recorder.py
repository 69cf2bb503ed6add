#!/usr/bin/env python3
"""Tests of the argument text shared by the tracer and the recorder, of the tracer's lines and of the
recorder's families and forms, as the generator emits them. Needs the same sources as the generator; run
through tools/glgen/test.sh.
"""

import unittest

import argtext
import emit_recorder
import emit_tracer
import model
import overlay
import pointer_reads
import registry
from argtext import Literal
from test_glgen import build_model

COUNTS = overlay.read_counts("call_text_counts.txt")


def command(prototype):
    return registry.parse_prototype(prototype)


class ArgumentTextForms(unittest.TestCase):
    def setUp(self):
        self.text = argtext.ArgumentText(["glFragmentMaterialfEXT"], [("glGetUniformLocation", "name")])

    def scalars(self, prototype):
        c = command(prototype)
        return [self.text.scalar(c, p) for p in c.params]

    def test_declared_type_decides_not_the_storage_type(self):
        self.assertEqual(["CallText::Enum{target}", "texture"],
                         self.scalars("void glBindTexture(GLenum target, GLuint texture)"))
        self.assertEqual(["mask"], self.scalars("void glClear(GLbitfield mask)"))
        self.assertEqual(["CallText::Bool{red}"], self.scalars("void glF(GLboolean red)"))
        self.assertEqual(["CallText::Handle{obj}"], self.scalars("void glF(GLhandleARB obj)"))

    def test_bytes_are_widened_to_numbers(self):
        self.assertEqual(["static_cast<int>(x)", "static_cast<unsigned>(y)"],
                         self.scalars("void glF(GLbyte x, GLubyte y)"))

    def test_floats_use_make_float_except_in_the_listed_entry_points(self):
        self.assertEqual(["CallText::Float{x}", "CallText::Float{y}", "z"],
                         self.scalars("void glF(GLfloat x, GLclampf y, GLdouble z)"))
        self.assertEqual(["CallText::Enum{face}", "CallText::Enum{pname}", "param"],
                         self.scalars("void glFragmentMaterialfEXT(GLenum face, GLenum pname, const GLfloat param)"))

    def test_pointer_sized_integers_are_inserted_as_they_are(self):
        self.assertEqual(["offset", "size"], self.scalars("void glF(GLintptr offset, GLsizeiptrARB size)"))

    def test_pointers_have_no_scalar_form(self):
        c = command("void glLightfv(GLenum light, GLenum pname, const GLfloat *params)")
        with self.assertRaisesRegex(argtext.ArgTextError, "params is a pointer"):
            self.text.scalar(c, c.params[2])

    def test_unknown_type_is_refused(self):
        c = command("void glF(GLint64EXT x)")
        with self.assertRaisesRegex(argtext.ArgTextError, "no text form"):
            self.text.scalar(c, c.params[0])

    def test_tracer_writes_listed_names_as_text_and_other_pointers_as_addresses(self):
        c = command("GLint glGetUniformLocation(GLuint program, const GLchar *name)")
        self.assertEqual(["program", "CallText::Text{name}"], [self.text.traced(c, p) for p in c.params])
        c = command("GLint glGetAttribLocation(GLuint program, const GLchar *name)")
        self.assertEqual("CallText::Pointer{name}", self.text.traced(c, c.params[1]))


class StatementHelpers(unittest.TestCase):
    def test_insertion_merges_literals_and_escapes_them(self):
        pieces = [Literal("glF("), Literal(""), "x", Literal(", "), Literal("\"a\"\t"), Literal(")\n")]
        self.assertEqual('    out << "glF(" << x << ", \\"a\\"\\t)\\n";', argtext.insertion("out", pieces))

    def test_insertion_breaks_long_statements_before_an_insertion(self):
        pieces = [Literal("glF(")] + ["argument%d" % i for i in range(20)]
        lines = argtext.insertion("out", pieces, width=60).split("\n")
        self.assertTrue(all(len(line) <= 60 for line in lines))
        self.assertTrue(all(line.startswith("        << ") for line in lines[1:]))
        self.assertTrue(lines[-1].endswith("argument19;"))

    def test_argument_pieces_separate_the_arguments(self):
        c = command("void glF(GLint a, GLint b)")
        self.assertEqual(["a", ", ", "b"], argtext.argument_pieces(c, lambda c, p: p.name))

    def test_template_renders_parameters_and_modifiers(self):
        c = command("void glF(GLenum target, GLint n)")
        pieces = argtext.template_pieces("g({target}, {n:twice});", c, lambda c, p: "<%s>" % p.name,
                                         {"twice": lambda name: "2 * " + name})
        self.assertEqual(["g(", "<target>", ", ", "2 * n", ");"], pieces)
        self.assertIsInstance(pieces[0], Literal)
        self.assertNotIsInstance(pieces[1], Literal)

    def test_template_refuses_unknown_parameters_and_modifiers(self):
        c = command("void glF(GLint n)")
        with self.assertRaisesRegex(argtext.ArgTextError, "no parameter 'm'"):
            argtext.template_pieces("{m}", c, lambda c, p: p.name, {})
        with self.assertRaisesRegex(argtext.ArgTextError, "unknown modifier 'x'"):
            argtext.template_pieces("{n:x}", c, lambda c, p: p.name, {})


class ArgumentTextOfTheModel(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        cls.text = argtext.for_model(cls.model, COUNTS)

    def test_overlay_lists_have_their_counts(self):
        self.assertEqual(4, len(self.text.plain_float_commands))
        self.assertEqual(10, len(self.text.text_params))

    def test_every_scalar_of_every_operation_has_a_form(self):
        for c in self.model.cgm_operations:
            for p in c.params:
                self.text.traced(c, p)

    def test_a_count_that_differs_is_refused(self):
        counts = dict(COUNTS, handle_entry_points=19)
        with self.assertRaisesRegex(argtext.model.ModelError, "handle parameters: 20, expected 19"):
            argtext.for_model(self.model, counts)


class TracerLines(unittest.TestCase):
    def setUp(self):
        self.text = argtext.ArgumentText([], [])

    def test_line_shows_every_argument_then_forwards(self):
        c = command("void glBindTexture(GLenum target, GLuint texture)")
        self.assertEqual('    beginLine(file, line) << "glBindTexture(" << CallText::Enum{target} << ", " << texture'
                         ' << ")\\n";\n'
                         "    return next().cgmBindTexture(file, line, target, texture);\n",
                         emit_tracer.tracer_body(c, self.text))

    def test_call_without_arguments_has_empty_parentheses(self):
        self.assertEqual('    beginLine(file, line) << "glEnd()\\n";',
                         emit_tracer.trace_statement(command("void glEnd(void)"), self.text))

    def test_every_operation_is_emitted_once_over_several_units(self):
        resolved = build_model()
        files = emit_tracer.emit(resolved, argtext.for_model(resolved, COUNTS))
        self.assertEqual(4, len(files))
        text = "".join(files.values())
        self.assertEqual(1501, text.count(" OpenGLTracer::cgm"))
        self.assertEqual(1501, text.count("beginLine(file, line)"))


def forms():
    return (emit_recorder.read_forms("recorder_data_stream.txt", emit_recorder.DATA_STREAM_FIELDS),
            emit_recorder.read_forms("recorder_handmade.txt", emit_recorder.HANDMADE_FIELDS))


class RecorderFamilies(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        cls.data_stream, cls.handmade = forms()

    def families(self, data_stream=None, handmade=None, counts=COUNTS):
        return emit_recorder.resolve_families(self.model.cgm_operations, data_stream or self.data_stream,
                                              handmade or self.handmade, counts)

    def test_every_operation_has_one_family_with_the_stated_counts(self):
        families = self.families()
        self.assertEqual(1501, len(families))
        counted = {f: list(families.values()).count(f) for f in emit_recorder.FAMILIES}
        self.assertEqual({"ordinary": 694, "data_stream": 29, "handmade": 35, "unsupported": 743}, counted)

    def test_members_of_each_family(self):
        families = self.families()
        for name in ("glGetString", "glMapBuffer", "glMapObjectBufferATI", "glBindTexture", "glAddSwapHintRectWIN"):
            self.assertEqual("ordinary", families[name], name)
        for name in ("glLoadMatrixf", "glUniformMatrix2fv", "glShaderSourceARB", "glTexSubImage2D"):
            self.assertEqual("data_stream", families[name], name)
        for name in ("glGetIntegerv", "glGenTextures", "glMultiTexCoord4ivARB", "glReadPixels"):
            self.assertEqual("handmade", families[name], name)
        for name in ("glColor3fv", "glLoadTransposeMatrixf", "glUniformMatrix2fvARB", "glBindAttribLocation",
                     "glGetAttribLocation", "glGenBuffers", "glTexImage3D", "glDrawBuffers"):
            self.assertEqual("unsupported", families[name], name)

    def test_a_family_count_that_differs_is_refused(self):
        handmade = dict(self.handmade)
        del handmade["glReadPixels"]
        with self.assertRaisesRegex(model.ModelError, "recorder handmade entry points: 34, expected 35"):
            self.families(handmade=handmade)

    def test_tables_must_name_operations_with_pointers_in_one_family(self):
        for name, message in (("glNoSuchCall", "no cgm operation"), ("glBindTexture", "without a pointer"),
                              ("glLoadMatrixf", "in two recorder families")):
            handmade = dict(self.handmade, **{name: emit_recorder.parse_form(name + " form=comment", {"form"})})
            with self.assertRaisesRegex(model.ModelError, message):
                self.families(handmade=handmade)

    def test_unknown_fields_and_forms_are_refused(self):
        with self.assertRaisesRegex(model.ModelError, "unknown field 'colour'"):
            emit_recorder.parse_form("glF colour=red", emit_recorder.HANDMADE_FIELDS)
        emitter = emit_recorder.RecorderEmitter(argtext.ArgumentText([], []), {},
                                                {"glF": emit_recorder.parse_form("glF form=poem", {"form"})},
                                                {}, {"glF": 0})
        with self.assertRaisesRegex(model.ModelError, "unknown form 'poem'"):
            emitter.body(command("void glF(const GLint *v)"), "handmade")


class RecorderForms(unittest.TestCase):
    """Bodies of one entry point per form, as the generator writes them."""

    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        data_stream, handmade = forms()
        cls.emitter = emit_recorder.RecorderEmitter(argtext.for_model(cls.model, COUNTS), data_stream, handmade,
                                                    {}, {})
        families = emit_recorder.resolve_families(cls.model.cgm_operations, data_stream, handmade, COUNTS)
        cls.bodies = {c.name: cls.emitter.default_body(c, families[c.name]) for c in cls.model.cgm_operations}

    def body(self, name):
        """The body without its last line, the forwarding that every operation shares."""
        return self.bodies[name].rsplit("    return next()", 1)[0]

    def test_ordinary_statement(self):
        self.assertEqual('    out() << "glBindTexture(" << CallText::Enum{target} << ", " << texture << ");";\n'
                         "    endStatement(file, line);\n", self.body("glBindTexture"))

    def test_every_operation_forwards_its_call(self):
        self.assertTrue(self.bodies["glBitmap"].endswith(
            "    return next().cgmBitmap(file, line, width, height, xorig, yorig, xmove, ymove, bitmap);\n"))

    def test_unsupported_line(self):
        self.assertEqual('    writeUnsupported("glBitmap");\n', self.body("glBitmap"))

    def test_array_record_with_its_guard(self):
        self.assertEqual("    const std::int64_t recordBytes = arrayBytes(count, 12);\n"
                         "    if (isCapturable(value, recordBytes))\n"
                         "    {\n"
                         "        beginDataBlock(writeRecord(value, recordBytes));\n"
                         '        out() << "    glUniform3fv(" << location << ", " << count\n'
                         '            << ", reinterpret_cast<const GLfloat *>(&data[0]));";\n'
                         "        endStatement(file, line);\n"
                         "        endBlock();\n"
                         "    }\n"
                         "    else\n"
                         '        writeUnsupported("glUniform3fv");\n', self.body("glUniform3fv"))

    def test_block_without_sizes_is_unguarded(self):
        self.assertEqual('    out() << "{\\n    GLint data[4 * 4];\\n    glGetIntegerv(" << CallText::Enum{pname}'
                         ' << ", &data[0]);";\n'
                         "    endStatement(file, line);\n"
                         "    endBlock();\n", self.body("glGetIntegerv"))

    def test_block_sizes_guard_the_declared_arrays(self):
        body = self.body("glGetInfoLogARB")
        self.assertTrue(body.startswith("    if (maxLength >= 0)\n"))
        self.assertIn("(std::int64_t{maxLength} + 1)", body)
        self.assertIn('(length != nullptr ? "&length" : "NULL")', body)

    def test_vector_is_written_into_the_text(self):
        body = self.body("glTexParameterfv")
        self.assertTrue(body.startswith("    if (params != nullptr)\n"))
        self.assertIn("        writeVector(params, texParameterComponents(pname));\n", body)

    def test_image_has_its_null_form_and_its_warning(self):
        image = self.body("glTexImage2D")
        self.assertIn("capturePixels(pixels, width, height, format, type)", image)
        self.assertIn("PixelCapture::NULL_POINTER", image)
        self.assertIn("writePixelWarning(type, format);", image)
        self.assertNotIn("PixelCapture::NULL_POINTER", self.body("glTexSubImage2D"))

    def test_read_pixels_is_commented_out(self):
        self.assertTrue(self.body("glReadPixels").startswith('    out() << "//glReadPixels(" << x'))

    def test_emit_writes_every_operation_once(self):
        files = emit_recorder.emit(self.model, self.emitter.text, COUNTS, pointer_reads.resolve(self.model))
        self.assertEqual(4, len(files))
        self.assertEqual(1501, "".join(files.values()).count(" OpenGLRekorder::cgm"))


class CompleteForms(unittest.TestCase):
    """The complete-mode branch, from the read-size table's rule indexes and the overlay's rows."""

    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        data_stream, handmade = forms()
        reads = pointer_reads.resolve(cls.model)
        cls.first_rules = emit_recorder.first_rules(reads)
        cls.emitter = emit_recorder.RecorderEmitter(
            argtext.for_model(cls.model, COUNTS), data_stream, handmade,
            emit_recorder.read_complete_forms(cls.model.cgm_operations), cls.first_rules)
        cls.operations = {c.name: c for c in cls.model.cgm_operations}

    def branch(self, name):
        return "\n".join(self.emitter.complete_body(self.operations[name]))

    def test_each_operation_points_at_its_first_rule(self):
        reads = pointer_reads.resolve(self.model)
        for name in ("glLightfv", "glShaderSourceARB", "glTexImage2D"):
            command, index, _ = reads.rules[self.first_rules[name]]
            self.assertEqual((name, 0), (command.name, [i for i, p in enumerate(command.params)
                                                        if argtext.is_pointer(p)].index(index)))

    def test_pointers_are_captured_then_written_by_their_casts(self):
        branch = self.branch("glShaderSourceARB")
        self.assertIn("const CallArgument arguments[] = {shaderObj, count, string, length};", branch)
        self.assertIn("complete_.capturePointers(%d, 2, arguments, 4, false)" % self.first_rules["glShaderSourceARB"],
                      branch)
        self.assertIn('", (const GLcharARB **)"', branch)
        self.assertIn('complete_.pointer(0) << ", (const GLint *)" << complete_.pointer(1) << ");"', branch)
        self.assertIn('writeNotCaptured("glShaderSourceARB", complete_.reason());', branch)

    def test_floating_point_arguments_are_bit_exact(self):
        branch = self.branch("glFrustum")
        self.assertEqual(6, branch.count("CallText::Double{"))
        self.assertIn("CallText::Float{red}", self.branch("glClearColor"))
        self.assertFalse(self.emitter.has_complete_form(self.operations["glBindTexture"]))

    def test_rows_add_conditions_results_comments_and_reasons(self):
        self.assertIn("&& complete_.drawElements(count, type, indices))", self.branch("glDrawElements"))
        mapping = self.branch("glMapBufferARB")
        self.assertIn('"// glMapBufferARB("', mapping)
        self.assertIn("complete_.rememberMapping(target, 0, -1, access != 0x88B8, result);\nreturn result;", mapping)
        self.assertIn('capturePointers(%d, 1, arguments, 4, true)' % self.first_rules["glVertexPointer"],
                      self.branch("glVertexPointer"))
        self.assertTrue(self.branch("glMapObjectBufferATI").startswith('writeNotCaptured("glMapObjectBufferATI", "'))


if __name__ == "__main__":
    unittest.main()
