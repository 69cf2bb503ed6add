#!/usr/bin/env bash
# The main job: builds both presets, then runs the report program under Wine on a virtual display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build x86_64 i686
build_dir=$(qel_build_dir x86_64)

# ---- The report program: invoked here and nowhere else. -------------------------------------------------
# qelinfo (tools/qelinfo) reports the driver through the checked GL chain; its status is the job's status.
report_program="$build_dir/bin/qelinfo.exe"
qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$report_program"
