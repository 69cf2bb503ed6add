#!/usr/bin/env python3
"""Checks a release ZIP against cmake/package-contents.txt: every file of the archive matches a line of the list,
and every line matches a file, so that the archive holds what a user needs and nothing else.

Usage: check_package.py ZIP
"""

import os
import re
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CONTENTS = os.path.join(ROOT, "cmake", "package-contents.txt")


def patterns():
    with open(CONTENTS, encoding="utf-8") as stream:
        lines = [line.strip() for line in stream if line.strip() and not line.startswith("#")]
    return [(line, re.compile(pattern_regex(line))) for line in lines]


def pattern_regex(line):
    """'**' any characters, '*' any characters but '/', everything else literal."""
    parts = [re.escape(part).replace(r"\*", "[^/]*") for part in line.split("**")]
    return "^" + ".*".join(parts) + "$"


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with zipfile.ZipFile(sys.argv[1]) as archive:
        files = [name for name in archive.namelist() if not name.endswith("/")]
    expected = patterns()
    problems = ["%s is in the archive but not in the list" % name
                for name in files if not any(regex.match(name) for _, regex in expected)]
    problems += ["nothing in the archive matches %s" % line
                 for line, regex in expected if not any(regex.match(name) for name in files)]
    for problem in problems:
        print("check_package: %s: %s" % (os.path.basename(sys.argv[1]), problem), file=sys.stderr)
    if problems:
        return 1
    print("check_package: %s: %d files, as listed" % (os.path.basename(sys.argv[1]), len(files)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
