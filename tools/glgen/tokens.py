"""The token-name table: reads its overlay tables, lists the candidate names in their order of precedence,
resolves one name per value, and checks the result against the stated rows and counts.

Precedence: GL 1.1 names in the order of the classic Windows gl.h, then the names of each later core version
in version order, then extension names, the extensions in the ASCII order of their names. A value takes the
first name that no earlier value has taken.
"""

import re
from collections import Counter
from dataclasses import dataclass, field

import overlay
from model import ModelError

# MinGW-w64's gl.h is the classic Windows header: its order of definitions is the order of the GL 1.1 names.
CLASSIC_GL_H = "/usr/share/mingw-w64/include/GL/gl.h"
CORE_1_1 = ("GL_VERSION_1_0", "GL_VERSION_1_1")
HIGH_VALUES = 0x10000   # from here on only the values of the overlay's "high" rows are kept


@dataclass(frozen=True)
class Candidate:
    name: str
    value: int
    origin: str         # GL_VERSION_1_1 for the 1.0 and 1.1 names, else the feature or extension


@dataclass
class Rules:
    """The token overlay tables, read once."""
    sources: dict = field(default_factory=dict)     # extension -> (source, why)
    values: dict = field(default_factory=dict)      # name -> corrected value
    renames: dict = field(default_factory=dict)     # source name -> name in the table
    high: dict = field(default_factory=dict)        # value -> name, the only rows from HIGH_VALUES upward
    rows: dict = field(default_factory=dict)        # value -> name
    unknown: list = field(default_factory=list)
    present: list = field(default_factory=list)
    absent: list = field(default_factory=list)
    suffix_ranges: list = field(default_factory=list)   # (first, last, suffix)
    preferences: list = field(default_factory=list)     # (winner, loser)
    total: int = 0
    ranges: list = field(default_factory=list)          # (first, last, count)
    suffixes: dict = field(default_factory=dict)        # suffix -> count, "none" for the unsuffixed
    differences: dict = field(default_factory=dict)     # what -> (expected, got, why)


@dataclass
class TokenTable:
    rows: dict              # value -> Candidate, the name the value answers
    revision: str
    notes: list = field(default_factory=list)   # the accepted differences, reported by the generator


def _entries(filename):
    """Lines of an overlay table as word lists, each with the text of the "why:" lines that follow it."""
    entries = []
    for line in overlay.read_prototype_lines(filename):
        if line.startswith("why:"):
            words, why = entries[-1]
            entries[-1] = (words, (why + " " + line[len("why:"):].strip()).strip())
        else:
            entries.append((line.split(), ""))
    return entries


def _read_sources(rules):
    for (name, source), why in _entries("token_sources.txt"):
        rules.sources[name] = (source, why)


def _read_corrections(rules):
    for words, _ in _entries("token_corrections.txt"):
        if words[0] == "value":
            rules.values[words[1]] = int(words[2], 0)
        else:
            rules.renames[words[1]] = words[2]


def _read_rows(rules):
    for words, _ in _entries("token_rows.txt"):
        if words[0] == "unknown":
            rules.unknown.append(int(words[1], 0))
        elif words[0] == "high":
            rules.high[int(words[1], 0)] = words[2]
        else:
            rules.rows[int(words[1], 0)] = words[2]


def _read_coverage(rules):
    for words, _ in _entries("token_coverage.txt"):
        if words[0] == "present":
            rules.present.append(words[1])
        elif words[0] == "absent":
            rules.absent.append(words[1])
        elif words[0] == "suffix":
            rules.suffix_ranges.append((int(words[1], 0), int(words[2], 0), words[3]))
        else:
            rules.preferences.append((words[1], words[2]))


def _read_counts(rules):
    for words, _ in _entries("token_counts.txt"):
        if words[0] == "total":
            rules.total = int(words[1])
        elif words[0] == "range":
            rules.ranges.append((int(words[1], 0), int(words[2], 0), int(words[3])))
        else:
            rules.suffixes[words[1]] = int(words[2])
    for words, why in _entries("token_differences.txt"):
        rules.differences[count_key(words[:-2])] = (int(words[-2]), int(words[-1]), why)


def read_rules():
    rules = Rules()
    for reader in (_read_sources, _read_corrections, _read_rows, _read_coverage, _read_counts):
        reader(rules)
    return rules


def count_key(words):
    """The key of a count: "total", "suffix EXT", "range 0x00008000 0x00008E12" (values written alike)."""
    if words[0] == "range":
        return "range 0x%08X 0x%08X" % (int(words[1], 0), int(words[2], 0))
    return " ".join(words)


# Reading the sources ---------------------------------------------------------------------------------------

def classic_order(text):
    """The names that a gl.h defines, in its order of definition."""
    return re.findall(r"^#define (GL_\w+)\s", text, re.M)


def _source_tables(gl, glew):
    """The token lists per extension of each source that has them."""
    return {"glew": glew.extension_enums, "registry": gl.extension_enums}


def default_source(extension, gl, glew):
    if extension in glew.extension_enums:
        return "glew"
    return "registry" if extension in gl.extension_enums else "none"


def check_sources(rules, extensions, gl, glew):
    """One source line per extension of the library's list; a line that departs from the default says why."""
    if sorted(rules.sources) != sorted(extensions):
        missing = sorted(set(extensions) - set(rules.sources))
        extra = sorted(set(rules.sources) - set(extensions))
        raise ModelError("token sources: missing %s, not on the list %s" % (missing, extra))
    tables = _source_tables(gl, glew)
    for extension, (source, why) in sorted(rules.sources.items()):
        if source != "none" and extension not in tables.get(source, {}):
            raise ModelError("token sources: %s has no %s entry" % (extension, source))
        if source != default_source(extension, gl, glew) and not why:
            raise ModelError("token sources: %s departs from the default source without a reason" % extension)


# Resolving -------------------------------------------------------------------------------------------------

def core_candidates(gl, classic_names, versions, corrected_values):
    """The GL 1.0 and 1.1 names in gl.h order, then each later version's names in the registry's order."""
    position = {}
    for index, name in enumerate(classic_names):
        position.setdefault(name, index)
    gl11 = [name for feature in CORE_1_1 for name in gl.feature_enums[feature]]
    missing = [name for name in gl11 if name not in position]
    if missing:
        raise ModelError("GL 1.1 names that gl.h does not define: %s" % " ".join(missing))
    candidates = [Candidate(name, corrected_values.get(name, gl.enums[name]), CORE_1_1[1])
                  for name in sorted(gl11, key=position.__getitem__)]
    for version in versions:
        candidates += [Candidate(name, gl.enums[name], version) for name in gl.feature_enums[version]]
    return candidates


def extension_candidates(rules, gl, glew):
    """Each extension's names from its source, the extensions in ASCII order; registry values where it has them."""
    tables = _source_tables(gl, glew)
    candidates = []
    for extension in sorted(rules.sources, key=str.encode):
        source = rules.sources[extension][0]
        for name in tables.get(source, {}).get(extension, []):
            value = gl.enums[name] if name in gl.enums else glew.enums[name]
            candidates.append(Candidate(rules.renames.get(name, name), value, extension))
    return candidates


def resolve(candidates, high):
    """Value -> the first candidate for it whose name no earlier value took; from HIGH_VALUES upward only the
    values of high."""
    rows = {}
    taken = set()
    for candidate in candidates:
        if candidate.value >= HIGH_VALUES and candidate.value not in high:
            continue
        if candidate.value in rows or candidate.name in taken:
            continue
        rows[candidate.value] = candidate
        taken.add(candidate.name)
    return rows


# Checking --------------------------------------------------------------------------------------------------

def suffix_of(name, suffixes):
    """The vendor suffix of a name (EXT for GL_ABGR_EXT), or "none" where its last part names no vendor."""
    last = name.rsplit("_", 1)[-1]
    return last if last in suffixes else "none"


def _expect_rows(rows, expected, what):
    for value, name in sorted(expected.items()):
        got = rows[value].name if value in rows else "Unknown Token"
        if got != name:
            raise ModelError("token table: %s 0x%X answers %s, expected %s" % (what, value, got, name))


def check_rows(rows, rules):
    _expect_rows(rows, rules.high, "high value")
    _expect_rows(rows, rules.rows, "value")
    _expect_rows(rows, {value: "Unknown Token" for value in rules.unknown}, "value")
    stray = sorted(value for value in rows if value >= HIGH_VALUES and value not in rules.high)
    if stray:
        raise ModelError("token table: values from 0x10000 upward outside the listed ones: %s" % stray)


def check_coverage(rows, rules, gl):
    names = {candidate.name for candidate in rows.values()}
    origins = {candidate.origin for candidate in rows.values()}
    for family in rules.present:
        if family not in rules.sources or family not in origins:
            raise ModelError("token table: no name of %s" % family)
    for family in rules.absent:
        registry_names = gl.feature_enums.get(family) or gl.extension_enums.get(family, [])
        found = sorted(names.intersection(registry_names))
        if found or family in rules.sources:
            raise ModelError("token table: %s is present (%s)" % (family, " ".join(found) or "on the list"))
    for first, last, suffix in rules.suffix_ranges:
        for value in range(first, last + 1):
            if value in rows and not rows[value].name.endswith("_" + suffix):
                raise ModelError("token table: 0x%X answers %s, expected an _%s name"
                                 % (value, rows[value].name, suffix))


def check_preferences(rows, candidates, rules):
    for winner, loser in rules.preferences:
        winner_values = {c.value for c in candidates if c.origin == winner}
        loser_names = {c.name for c in candidates if c.origin == loser}
        for value in sorted(winner_values.intersection(rows)):
            if rows[value].name in loser_names:
                raise ModelError("token table: 0x%X answers %s's %s" % (value, loser, rows[value].name))


def counts(rows, rules):
    """What the table has, keyed as token_counts.txt and token_differences.txt name it."""
    found = {"total": len(rows)}
    for first, last, _ in rules.ranges:
        found[count_key(["range", str(first), str(last)])] = sum(1 for value in rows if first <= value <= last)
    tally = Counter(suffix_of(candidate.name, rules.suffixes) for candidate in rows.values())
    for suffix in rules.suffixes:
        found["suffix %s" % suffix] = tally[suffix]
    return found


def expected_counts(rules):
    expected = {"total": rules.total}
    for first, last, count in rules.ranges:
        expected[count_key(["range", str(first), str(last)])] = count
    for suffix, count in rules.suffixes.items():
        expected["suffix %s" % suffix] = count
    return expected


def check_counts(rows, rules):
    """Every count as stated, or as recorded in token_differences.txt; answers the notes of the recorded ones."""
    found = counts(rows, rules)
    notes = []
    for what, expected in expected_counts(rules).items():
        got = found[what]
        recorded = rules.differences.get(what)
        if recorded and recorded[:2] == (expected, got):
            notes.append("token table: %s %d, stated %d: %s" % (what, got, expected, recorded[2]))
        elif recorded:
            raise ModelError("token table: %s %d, stated %d; the recorded difference says %d, expected %d"
                             % (what, got, expected, recorded[1], recorded[0]))
        elif got != expected:
            raise ModelError("token table: %s %d, expected %d" % (what, got, expected))
    unused = sorted(set(rules.differences) - set(found))
    if unused:
        raise ModelError("token table: recorded differences of unknown counts: %s" % unused)
    return notes


def verify(rows, candidates, rules, gl):
    check_rows(rows, rules)
    check_coverage(rows, rules, gl)
    check_preferences(rows, candidates, rules)
    return check_counts(rows, rules)


def build(gl, glew, resolved):
    """Reads the token tables, resolves the table for the versions and GL extensions of the resolved model and
    checks it."""
    rules = read_rules()
    check_sources(rules, [entry.name for entry in resolved.entries_of("gl")], gl, glew)
    with open(CLASSIC_GL_H, encoding="latin-1") as stream:
        classic_names = classic_order(stream.read())
    versions = [entry.name for entry in resolved.entries_of("version")]
    candidates = core_candidates(gl, classic_names, versions, rules.values) + extension_candidates(rules, gl, glew)
    rows = resolve(candidates, rules.high)
    notes = verify(rows, candidates, rules, gl)
    return TokenTable(rows, resolved.revision + ", with the GL 1.1 order of MinGW-w64's GL/gl.h", notes)
