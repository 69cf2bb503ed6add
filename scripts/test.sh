#!/usr/bin/env bash
# The test command: the generator's tests and its check that the committed generated files are what it writes,
# then the x86_64 build and every test program under Wine on a virtual display. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
bash "$QEL_ROOT/tools/glgen/test.sh"
bash "$QEL_ROOT/tools/glgen/regenerate.sh" --check
qel_build x86_64
cd "$QEL_ROOT"
qel_wine_session "$(qel_build_dir x86_64)" ctest --preset x86_64
