#!/usr/bin/env python3
"""Tests of the token-name table: what the generator resolves from the sources, the checks that stop it, and
its precedence and reading helpers on small made-up data. Run through tools/glgen/test.sh.
"""

import copy
import functools
import os
import tempfile
import unittest

import emit_tokens
import model
import registry
import tokens
from test_glgen import GLEW, REGISTRY, build_model


@functools.lru_cache(maxsize=None)
def sources_and_table():
    """The registry, GLEW's header and the token table resolved from them, read once for every test."""
    gl = registry.read_xml_registry(os.path.join(REGISTRY, "gl.xml"), "gl")
    glew = registry.read_glew_header(GLEW)
    return gl, glew, tokens.build(gl, glew, build_model())


def made_up_registry(enums, features=None, extensions=None):
    return registry.Registry(enums=enums, feature_enums=features or {}, extension_enums=extensions or {})


class ResolvedTokenTable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.gl, cls.glew, cls.table = sources_and_table()
        cls.rules = tokens.read_rules()

    def name(self, value):
        return self.table.rows[value].name

    def test_counts_are_the_stated_ones_or_the_recorded_differences(self):
        found = tokens.counts(self.table.rows, self.rules)
        self.assertEqual(2106, found["total"])
        ranges = (("0", "0xFF"), ("0x100", "0x7FFF"), ("0x8000", "0x8E12"), ("0x10000", "0xFFFFFFFF"))
        spread = [found[tokens.count_key(["range", first, last])] for first, last in ranges]
        self.assertEqual([18, 423, 1647, 18], spread)
        self.assertEqual(sum(spread), found["total"])
        self.assertEqual(found["total"], sum(count for key, count in found.items() if key.startswith("suffix")))
        differing = {"none": 908, "EXT": 408, "ATI": 81, "SGIX": 63, "APPLE": 41}
        for suffix, stated in self.rules.suffixes.items():
            self.assertEqual(differing.get(suffix, stated), found["suffix " + suffix], suffix)

    def test_every_accepted_difference_is_reported(self):
        self.assertEqual(7, len(self.table.notes))
        self.assertTrue(self.table.notes[0].startswith("token table: total 2106, stated 2075: "))

    def test_only_the_listed_high_values_are_kept(self):
        high = {value: row.name for value, row in self.table.rows.items() if value >= tokens.HIGH_VALUES}
        self.assertEqual(self.rules.high, high)
        self.assertEqual("GL_ALL_ATTRIB_BITS", high[0x000FFFFF])
        self.assertEqual("GL_CLIENT_ALL_ATTRIB_BITS", high[0xFFFFFFFF])

    def test_values_and_names_occur_once(self):
        names = [row.name for row in self.table.rows.values()]
        self.assertEqual(len(names), len(set(names)))
        self.assertTrue(all(value == row.value for value, row in self.table.rows.items()))

    def test_registry_values_win_over_glews_where_both_know_the_name(self):
        # GLEW's header shifts ATI_vertex_streams one value up and swaps two EXT_vertex_shader limits.
        self.assertEqual("GL_VERTEX_STREAM0_ATI", self.name(0x876C))
        self.assertEqual("GL_VERTEX_SOURCE_ATI", self.name(0x8774))
        self.assertEqual("GL_MAX_OPTIMIZED_VERTEX_SHADER_LOCAL_CONSTANTS_EXT", self.name(0x87CC))

    def test_sources_per_extension(self):
        sources = [source for source, _ in self.rules.sources.values()]
        self.assertEqual((295, 291, 3, 1), (len(sources), sources.count("glew"), sources.count("registry"),
                                            sources.count("none")))
        self.assertEqual("GL_OCCLUSION_TEST_HP", self.name(0x8165))
        self.assertEqual("GL_UNSIGNED_SHORT_8_8_APPLE", self.name(0x85BA))
        self.assertEqual("GL_FRAGMENT_LIGHT1_SGIX", self.name(0x840D))
        self.assertNotIn(0x8095, self.table.rows)   # SGIS_detail_texture's: GLEW's section is empty

    def test_extension_names_follow_in_ascii_order_of_their_extensions(self):
        self.assertEqual("GL_DRAW_FRAMEBUFFER_BINDING_EXT", self.name(0x8CA6))   # blit before object
        self.assertEqual("GL_MODULATE_ADD_ATIX", self.name(0x8744))              # ATIX_ before ATI_
        self.assertEqual("GL_TEXTURE_RECTANGLE_ARB", self.name(0x84F5))


class TokenChecks(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.gl, cls.glew, cls.table = sources_and_table()
        cls.rules = tokens.read_rules()

    def rows_with(self, value, name, origin="GL_TEST_made_up"):
        rows = dict(self.table.rows)
        rows[value] = tokens.Candidate(name, value, origin)
        return rows

    def test_a_listed_row_that_differs_stops_the_generator(self):
        with self.assertRaisesRegex(model.ModelError, "0x8CA6 answers GL_FRAMEBUFFER_BINDING_EXT"):
            tokens.check_rows(self.rows_with(0x8CA6, "GL_FRAMEBUFFER_BINDING_EXT"), self.rules)

    def test_a_named_unknown_value_stops_the_generator(self):
        with self.assertRaisesRegex(model.ModelError, "0x4100 answers GL_MADE_UP"):
            tokens.check_rows(self.rows_with(0x4100, "GL_MADE_UP"), self.rules)

    def test_an_unlisted_high_value_stops_the_generator(self):
        with self.assertRaisesRegex(model.ModelError, "outside the listed ones"):
            tokens.check_rows(self.rows_with(0x30000, "GL_MADE_UP"), self.rules)

    def test_an_unrecorded_difference_stops_the_generator(self):
        rules = copy.deepcopy(self.rules)
        rules.suffixes["NV"] = 332
        with self.assertRaisesRegex(model.ModelError, "suffix NV 333, expected 332"):
            tokens.check_counts(self.table.rows, rules)

    def test_a_recorded_difference_that_no_longer_holds_stops_the_generator(self):
        rows = dict(self.table.rows)
        del rows[0x8C4C]
        with self.assertRaisesRegex(model.ModelError, "total 2105, stated 2075; the recorded difference says 2106"):
            tokens.check_counts(rows, self.rules)

    def test_a_name_of_an_absent_family_stops_the_generator(self):
        with self.assertRaisesRegex(model.ModelError, "GL_VERSION_3_0 is present"):
            tokens.check_coverage(self.rows_with(0x8C8E, "GL_TRANSFORM_FEEDBACK_BUFFER"), self.rules, self.gl)

    def test_a_suffix_range_with_another_vendor_stops_the_generator(self):
        with self.assertRaisesRegex(model.ModelError, "0x8814 answers GL_RGBA32F_ARB, expected an _APPLE name"):
            tokens.check_coverage(self.rows_with(0x8814, "GL_RGBA32F_ARB", "GL_ARB_texture_float"), self.rules,
                                  self.gl)

    def test_a_losing_extension_name_stops_the_generator(self):
        candidates = [tokens.Candidate("GL_VERTEX_PROGRAM_ARB", 0x8620, "GL_ARB_vertex_program"),
                      tokens.Candidate("GL_VERTEX_PROGRAM_NV", 0x8620, "GL_NV_vertex_program")]
        rules = tokens.Rules(preferences=[("GL_ARB_vertex_program", "GL_NV_vertex_program")])
        tokens.check_preferences({0x8620: candidates[0]}, candidates, rules)
        with self.assertRaisesRegex(model.ModelError, "0x8620 answers GL_NV_vertex_program's"):
            tokens.check_preferences({0x8620: candidates[1]}, candidates, rules)

    def test_a_source_that_departs_from_the_default_needs_a_reason(self):
        gl = made_up_registry({}, extensions={"GL_X_a": []})
        glew = made_up_registry({}, extensions={"GL_X_a": []})
        tokens.check_sources(tokens.Rules(sources={"GL_X_a": ("glew", "")}), ["GL_X_a"], gl, glew)
        tokens.check_sources(tokens.Rules(sources={"GL_X_a": ("registry", "why")}), ["GL_X_a"], gl, glew)
        with self.assertRaisesRegex(model.ModelError, "GL_X_a departs from the default source"):
            tokens.check_sources(tokens.Rules(sources={"GL_X_a": ("registry", "")}), ["GL_X_a"], gl, glew)
        with self.assertRaisesRegex(model.ModelError, r"missing \['GL_X_b'\]"):
            tokens.check_sources(tokens.Rules(sources={"GL_X_a": ("glew", "")}), ["GL_X_a", "GL_X_b"], gl, glew)


class TokenHelpers(unittest.TestCase):
    def test_the_first_candidate_of_a_value_wins_and_a_taken_name_passes_it_on(self):
        candidates = [tokens.Candidate("GL_A", 1, "core"), tokens.Candidate("GL_B", 1, "core"),
                      tokens.Candidate("GL_A", 2, "ext"), tokens.Candidate("GL_C", 2, "ext"),
                      tokens.Candidate("GL_HIGH", 0x10001, "ext"), tokens.Candidate("GL_BIT", 0x10000, "ext")]
        rows = tokens.resolve(candidates, {0x10000: "GL_BIT"})
        self.assertEqual({1: "GL_A", 2: "GL_C", 0x10000: "GL_BIT"}, {v: c.name for v, c in rows.items()})

    def test_core_names_take_the_order_of_gl_h_then_of_each_version(self):
        gl = made_up_registry({"GL_ZERO": 0, "GL_POINTS": 0, "GL_ALL": 0xFFFFFFFF, "GL_LATER": 0},
                              {"GL_VERSION_1_0": ["GL_ZERO", "GL_ALL"], "GL_VERSION_1_1": ["GL_POINTS"],
                               "GL_VERSION_1_2": ["GL_LATER"]})
        candidates = tokens.core_candidates(gl, ["GL_ALL", "GL_POINTS", "GL_ZERO"], ["GL_VERSION_1_2"],
                                            {"GL_ALL": 0xFFFFF})
        self.assertEqual([("GL_ALL", 0xFFFFF), ("GL_POINTS", 0), ("GL_ZERO", 0), ("GL_LATER", 0)],
                         [(c.name, c.value) for c in candidates])
        with self.assertRaisesRegex(model.ModelError, "gl.h does not define: GL_ZERO"):
            tokens.core_candidates(gl, ["GL_ALL", "GL_POINTS"], [], {})

    def test_extensions_in_ascii_order_with_registry_values_and_renames(self):
        gl = made_up_registry({"GL_B_EXT": 2}, extensions={"GL_EXT_b": ["GL_B_EXT"]})
        glew = made_up_registry({"GL_A_ATIX": 1, "GL_B_EXT": 3}, extensions={"GL_ATIX_a": ["GL_A_ATIX"]})
        rules = tokens.Rules(sources={"GL_EXT_b": ("registry", ""), "GL_ATIX_a": ("glew", "")},
                             renames={"GL_A_ATIX": "GL_A"})
        self.assertEqual([("GL_A", 1, "GL_ATIX_a"), ("GL_B_EXT", 2, "GL_EXT_b")],
                         [(c.name, c.value, c.origin) for c in tokens.extension_candidates(rules, gl, glew)])

    def test_suffixes_are_vendors_only(self):
        vendors = {"none": 0, "EXT": 0, "PGI": 0, "S3": 0}
        self.assertEqual("EXT", tokens.suffix_of("GL_ABGR_EXT", vendors))
        self.assertEqual("PGI", tokens.suffix_of("GL_TEXCOORD1_BIT_PGI", vendors))
        self.assertEqual("none", tokens.suffix_of("GL_RGB_S3TC", vendors))
        self.assertEqual("none", tokens.suffix_of("GL_KTX_FRONT_REGION", vendors))
        self.assertEqual("none", tokens.suffix_of("GL_NONE", vendors))

    def test_classic_order_reads_every_definition_in_turn(self):
        text = "#define GL_VERSION_1_1 1\n#define GL_ACCUM 0x0100\n\n#define GL_LOGIC_OP GL_INDEX_LOGIC_OP\n"
        self.assertEqual(["GL_VERSION_1_1", "GL_ACCUM", "GL_LOGIC_OP"], tokens.classic_order(text))

    def test_enum_values_are_32_bit_glenums(self):
        self.assertEqual(0xFFFFFFFE, registry.enum_value("-2"))
        self.assertEqual(0xFFFFFFFF, registry.enum_value("0xFFFFFFFFu"))
        self.assertEqual(0x8C4C, registry.enum_value("0x8C4C"))

    def test_glew_sections_give_tokens_in_order(self):
        header = ("#ifndef GL_X_made_up\n#define GL_X_made_up 1\n\n"
                  "#define GL_B_X 0x8001\n#define GL_A_X 0xFFFFFFFFu\n"
                  "#define glFooX GLEW_GET_FUN(__glewFooX)\n#endif /* GL_X_made_up */\n")
        with tempfile.NamedTemporaryFile("w", suffix=".h") as stream:
            stream.write(header)
            stream.flush()
            glew = registry.read_glew_header(stream.name)
        self.assertEqual(["GL_B_X", "GL_A_X"], glew.extension_enums["GL_X_made_up"])
        self.assertEqual({"GL_B_X": 0x8001, "GL_A_X": 0xFFFFFFFF}, glew.enums)
        self.assertEqual(["glFooX"], glew.extensions["GL_X_made_up"])

    def test_a_row_renders_value_name_and_origin(self):
        self.assertEqual('{0x000084DFu, "GL_TEXTURE31"},  // GL_VERSION_1_3',
                         emit_tokens.row(0x84DF, "GL_TEXTURE31", "GL_VERSION_1_3"))


if __name__ == "__main__":
    unittest.main()
