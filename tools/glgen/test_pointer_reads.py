#!/usr/bin/env python3
"""Tests of the pointer reads: the rule each pointer parameter gets, the checks that stop the generator, the
counts by what GL does, the emitted rows, and the hand-written tables that the rules name. Needs the same
sources as the generator; run through tools/glgen/test.sh.
"""

import os
import re
import unittest
from types import SimpleNamespace

import emit_pointer_reads
import model
import pointer_reads
import registry
from test_fuzz import command
from test_glgen import REGISTRY, GLEW, build_model

ENUMERANT_COUNTS_SOURCE = os.path.join(os.path.dirname(pointer_reads.ENUMERANT_COUNTS_HEADER), "EnumerantCounts.cpp")
TABLES = ["LIGHT", "INDEX_TYPE", "MAP_TARGET"]


def entry(form, param, names, arguments=(), **fields):
    return pointer_reads.OverlayEntry(form, list(arguments), param, fields, list(names))


def resolve(commands, entries):
    return pointer_reads.resolve(SimpleNamespace(cgm_operations=commands), entries, TABLES)


def only_rule(commands, entries):
    return resolve(commands, entries).rules[0][2]


LIGHT = command("void glLightfv(GLenum light, GLenum pname, const GLfloat *params)", {"params": "COMPSIZE(pname)"})
SOURCE = command("void glShaderSource(GLuint shader, GLsizei count, const GLchar *const*string, const GLint *length)",
                 {"string": "count", "length": "count"})


class DefaultRules(unittest.TestCase):
    def test_const_pointers_read_the_registrys_length(self):
        c = command("void glUniform3fv(GLint location, GLsizei count, const GLfloat *value)", {"value": "count*3"})
        rule = only_rule([c], [])
        self.assertEqual(("READ", "COUNT", ["count"], 3, "registry"),
                         (rule.access, rule.size, rule.operands, rule.factor, rule.source))
        rule = only_rule([command("void glLoadMatrixd(const GLdouble *m)", {"m": "16"})], [])
        self.assertEqual(("READ", [], 16), (rule.access, rule.operands, rule.factor))

    def test_non_const_pointers_are_written_sized_where_the_registry_can(self):
        rule = only_rule([command("void glGenTextures(GLsizei n, GLuint *textures)", {"textures": "n"})], [])
        self.assertEqual(("WRITTEN", "COUNT", ["n"]), (rule.access, rule.size, rule.operands))
        rule = only_rule([command("void glGetFloatv(GLenum pname, GLfloat *data)", {"data": "COMPSIZE(pname)"})], [])
        self.assertEqual(("WRITTEN", "NO_SIZE"), (rule.access, rule.size))

    def test_a_computed_or_missing_length_needs_a_rule(self):
        with self.assertRaisesRegex(model.ModelError, "glLightfv: GL reads params, whose length"):
            resolve([LIGHT], [])
        c = command("void glBindAttribLocation(GLuint program, GLuint index, const GLchar *name)")
        with self.assertRaisesRegex(model.ModelError, r"length \(none\) needs a rule"):
            resolve([c], [])

    def test_an_array_of_pointers_needs_a_rule_for_its_elements(self):
        with self.assertRaisesRegex(model.ModelError, "glShaderSource: string is an array of pointers"):
            resolve([SOURCE], [])

    def test_a_length_that_is_no_product_of_scalars_is_refused(self):
        c = command("void glF(const GLint *first, const GLint *values)", {"values": "first*2"})
        with self.assertRaisesRegex(model.ModelError, "not a product"):
            resolve([c], [entry("written", "first", ["glF"])])


class OverlayRules(unittest.TestCase):
    def test_forms_take_their_operands_in_order_and_constants_as_the_factor(self):
        rule = only_rule([LIGHT], [entry("table", "params", ["glLightfv"], ["light", "pname"])])
        self.assertEqual(("READ", "TABLE", "LIGHT", ["pname"], "overlay"),
                         (rule.access, rule.size, rule.table, rule.operands, rule.source))
        c = command("void glTransformFeedbackAttribsNV(GLsizei count, const GLint *attribs, GLenum bufferMode)")
        rule = only_rule([c], [entry("count", "attribs", [c.name], ["count", "3"])])
        self.assertEqual(("COUNT", ["count"], 3), (rule.size, rule.operands, rule.factor))

    def test_arrays_of_pointers_take_their_element_rule_and_table(self):
        rules = resolve([SOURCE], [entry("strings", "string", ["glShaderSource"], ["count", "length"])]).rules
        self.assertEqual(("POINTERS", "STRING_ELEMENTS", ["count", "length"]),
                         (rules[0][2].size, rules[0][2].element, rules[0][2].operands))
        c = command("void glMultiDrawElements(GLenum mode, const GLsizei *count, GLenum type, "
                    "const void *const*indices, GLsizei drawcount)", {"count": "drawcount", "indices": "drawcount"})
        rule = resolve([c], [entry("index_arrays", "indices", [c.name], ["drawcount", "count", "type"],
                                   binding="element")]).rules[1][2]
        self.assertEqual(("INDEX_ELEMENTS", "INDEX_TYPE", "ELEMENT_ARRAY_BUFFER"),
                         (rule.element, rule.table, rule.binding))

    def test_fields_give_the_binding_the_proxy_target_and_the_reason(self):
        c = command("void glTexImage1D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLint border, "
                    "GLenum format, GLenum type, const void *pixels)")
        rule = only_rule([c], [entry("image", "pixels", [c.name], ["format", "type", "width"], binding="unpack",
                                     proxy="target")])
        self.assertEqual(("IMAGE", "PIXEL_UNPACK_BUFFER", "target"), (rule.size, rule.binding, rule.proxy))
        c = command("void glVertexPointer(GLint size, GLenum type, GLsizei stride, const void *pointer)")
        rule = only_rule([c], [entry("kept", "pointer", [c.name], binding="array", reason="read by the draws")])
        self.assertEqual(("KEPT", "read by the draws"), (rule.access, rule.reason))

    def test_rules_that_do_not_fit_their_entry_point_stop_the_generator(self):
        cases = [
            (entry("table", "params", ["glNoSuch"], ["light", "pname"]), "a pointer rule for no cgm operation"),
            (entry("table", "pname", ["glLightfv"], ["light", "pname"]), "which is no pointer parameter"),
            (entry("table", "params", ["glLightfv"], ["light", "face"]), "names no parameter 'face'"),
            (entry("table", "params", ["glLightfv"], ["sound", "pname"]), "names no table"),
            (entry("table", "params", ["glLightfv"], ["light", "params"]), "takes params as a scalar"),
            (entry("map", "params", ["glLightfv"], ["pname", "light"]), "takes 3 or 5 operands, not 2"),
            (entry("kept", "params", ["glLightfv"]), "a kept pointer needs a reason"),
            (entry("unknown", "params", ["glLightfv"]), "an unknown pointer needs a reason"),
            (entry("string", "params", ["glLightfv"], binding="pack"), "unknown binding 'pack'"),
            (entry("sizeof", "params", ["glLightfv"]), "unknown pointer rule 'sizeof'"),
            (entry("kept", "params", ["glLightfv"], ["pname"], reason="r"), "takes no operands"),
            (entry("registry", "params", ["glLightfv"]), "gives params no length to read"),
        ]
        for bad, message in cases:
            with self.subTest(message), self.assertRaisesRegex(model.ModelError, message):
                resolve([LIGHT], [bad])

    def test_two_rules_for_one_parameter_stop_the_generator(self):
        rule = entry("table", "params", ["glLightfv"], ["light", "pname"])
        with self.assertRaisesRegex(model.ModelError, "two pointer rules for params"):
            resolve([LIGHT], [rule, rule])


class RulesOfTheModel(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.model = build_model()
        cls.reads = pointer_reads.resolve(cls.model)
        cls.text = emit_pointer_reads.emit(cls.model, cls.reads)[emit_pointer_reads.RULES_SOURCE]

    def rule(self, name, param):
        return next(r for c, i, r in self.reads.rules if c.name == name and c.params[i].name == param)

    def test_every_pointer_parameter_has_one_rule_by_what_gl_does(self):
        counts = self.reads.counts()
        self.assertEqual(899, counts["pointer_parameters"])
        self.assertEqual((613, 228, 43, 15), (counts["read"], counts["written"], counts["kept"], counts["unknown"]))
        self.assertEqual(899, counts["read"] + counts["written"] + counts["kept"] + counts["unknown"])
        self.assertEqual((366, 140, 107), (counts["read_fixed"], counts["read_counted"], counts["read_computed"]))
        self.assertEqual(96, counts["written_sized"])
        self.assertEqual(75, counts["offset_capable"])
        self.assertEqual(counts, {key: pointer_reads.overlay.read_counts("pointer_read_counts.txt")[key]
                                  for key in pointer_reads.COUNTS_KEYS})

    def test_what_cannot_be_known_says_why(self):
        reasons = {}
        for c, _, rule in self.reads.rules:
            if rule.access in ("KEPT", "UNKNOWN"):
                self.assertTrue(rule.reason, c.name)
            if rule.access == "UNKNOWN":
                reasons.setdefault(rule.reason, []).append(c.name)
        self.assertEqual([1, 2, 2, 10], sorted(map(len, reasons.values())))
        self.assertIn("glVariantfvEXT", reasons["the components of the symbol id are GL state"])

    def test_computed_reads_by_kind(self):
        sizes = {}
        for _, _, rule in self.reads.rules:
            if rule.access == "READ" and rule.size != "COUNT":
                sizes[rule.size] = sizes.get(rule.size, 0) + 1
        self.assertEqual({"TABLE": 55, "IMAGE": 24, "STRING": 11, "POINTERS": 9, "MAP": 4, "STRIDED": 2,
                          "BITMAP": 1, "STIPPLE": 1}, sizes)

    def test_sizes_that_look_enumerants_up_have_their_table(self):
        for c, _, rule in self.reads.rules:
            needs_table = rule.size in ("TABLE", "MAP") or rule.element == "INDEX_ELEMENTS"
            self.assertEqual(needs_table, rule.table != "NO_TABLE", c.name)

    def test_the_era_entry_points_get_the_rules_they_need(self):
        self.assertEqual(("TABLE", "LIGHT"), (self.rule("glLightfv", "params").size,
                                              self.rule("glLightfv", "params").table))
        self.assertEqual("TABLE", self.rule("glFragmentLightfvEXT", "params").size)
        self.assertEqual("WRITTEN", self.rule("glGetFragmentMaterialfvEXT", "params").access)
        self.assertEqual("READ", self.rule("glCullParameterfvEXT", "params").access)
        self.assertEqual("PIXEL_UNPACK_BUFFER", self.rule("glCompressedTexImage2D", "data").binding)
        self.assertEqual("KEPT", self.rule("glVertexPointer", "pointer").access)
        self.assertEqual("WRITTEN", self.rule("glReadPixels", "pixels").access)

    def test_rows_name_the_parameter_then_what_gl_does_then_operands_and_sizes(self):
        self.assertIn('    {"glLightfv", "params", 2, 3,\n'
                      "     R::READ, R::TABLE, T::LIGHT, R::NO_ELEMENTS, R::NO_BUFFER,\n"
                      "     {1, -1, -1, -1, -1}, -1, 1, sizeof(float), nullptr},\n", self.text)
        self.assertIn('    {"glShaderSource", "string", 2, 4,\n'
                      "     R::READ, R::POINTERS, T::NO_TABLE, R::STRING_ELEMENTS, R::NO_BUFFER,\n"
                      "     {1, 3, -1, -1, -1}, -1, 1, sizeof(const void*), nullptr},\n", self.text)
        self.assertIn('    {"glTexImage2D", "pixels", 8, 9,\n'
                      "     R::READ, R::IMAGE, T::NO_TABLE, R::NO_ELEMENTS, R::PIXEL_UNPACK_BUFFER,\n"
                      "     {6, 7, 3, 4, -1}, 0, 1, sizeof(unsigned char), nullptr},\n", self.text)
        self.assertIn("const std::size_t kPointerReadRuleCount = 899;", self.text)
        self.assertEqual(899, self.text.count('    {"gl'))

    def test_long_reasons_take_a_line_of_their_own(self):
        self.assertIn('     {-1, -1, -1, -1, -1}, -1, 1, sizeof(unsigned char),\n'
                      '     "a four-dimensional image, whose unpack state (image depth, skipped volumes) is not known '
                      'here"},\n', self.text)
        self.assertFalse([line for line in self.text.splitlines()[2:] if len(line) > 118])


class EnumerantTables(unittest.TestCase):
    """The hand-written tables that the rules name, against the registry and the enumeration of their header."""

    @classmethod
    def setUpClass(cls):
        with open(ENUMERANT_COUNTS_SOURCE, encoding="utf-8") as stream:
            cls.source = stream.read()
        gl = registry.read_xml_registry(os.path.join(REGISTRY, "gl.xml"), "gl")
        cls.values = dict(registry.read_glew_header(GLEW).enums)
        cls.values.update(gl.enums)

    def test_every_row_has_its_tokens_value(self):
        rows = re.findall(r"\{0x([0-9A-F]+), \d+\},\s*// (GL_\w+)", self.source)
        self.assertGreater(len(rows), 200)
        for value, name in rows:
            self.assertEqual(self.values.get(name), int(value, 16), name)

    def test_each_table_has_its_rows_in_the_order_of_the_enumeration(self):
        names = pointer_reads.enumerant_tables()
        listed = re.findall(r"^    rows\(k(\w+)\),$", self.source, re.M)
        self.assertEqual(["".join(word.capitalize() for word in name.split("_")) for name in names], listed)

    def test_every_table_serves_a_rule_or_the_pixel_transfer(self):
        reads = pointer_reads.resolve(build_model())
        used = {rule.table for _, _, rule in reads.rules}
        pixel_transfer = {"PIXEL_FORMAT", "PIXEL_TYPE", "PACKED_PIXEL_TYPE", "PROXY_TARGET"}
        self.assertEqual(set(pointer_reads.enumerant_tables()), (used - {"NO_TABLE"}) | pixel_transfer)


if __name__ == "__main__":
    unittest.main()
