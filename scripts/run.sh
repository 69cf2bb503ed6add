#!/usr/bin/env bash
# The main job: builds both presets, then runs the report program under Wine on a virtual display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build x86_64 i686
build_dir=$(qel_build_dir x86_64)

# ---- The report program: invoked here and nowhere else. -------------------------------------------------
# It is not written yet; once it is, set its executable here (e.g. "$build_dir/bin/<report>.exe").
report_program=""
if [ -z "$report_program" ]; then
    echo "run.sh: both presets built; no report program to run yet" >&2
    exit 0
fi
qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$report_program"
