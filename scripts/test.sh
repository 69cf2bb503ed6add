#!/usr/bin/env bash
# The test command: builds the x86_64 preset and runs every test program under Wine on a virtual display.
# Exits with ctest's status.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build x86_64
cd "$QEL_ROOT"
qel_wine_session "$(qel_build_dir x86_64)" ctest --preset x86_64
