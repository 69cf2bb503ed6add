"""Emits the token-name rows that TokenName.cpp searches: one initialiser per value, sorted by value."""

import cpp

TABLE = "qel_ogl/extensionator/generated/TokenTable.inc"


def row(value, name, origin):
    """'{0x000084C0u, "GL_TEXTURE0"},  // GL_VERSION_1_3': a row of the table, with where its name comes from."""
    return '{0x%08Xu, "%s"},  // %s' % (value, name, origin)


def emit(table):
    lines = [cpp.banner(table.revision).rstrip("\n"),
             "// The token-name rows {value, name}, ascending by value, each value and each name once; the comment",
             "// names the version or extension that gave the name. Included by TokenName.cpp."]
    lines += [row(value, table.rows[value].name, table.rows[value].origin) for value in sorted(table.rows)]
    return {TABLE: "\n".join(lines) + "\n"}
