#!/usr/bin/env bash
# The main job: builds both presets, then runs the info tool under Wine on a virtual display: the report of
# the OpenGL driver, then the demo of checking, tracing, recording and replay, whose files go to
# build/x86_64/demo. The report names each file; its last line is the replay's verdict.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build x86_64 i686
build_dir=$(qel_build_dir x86_64)

# ---- The info tool (tools/qelinfo): invoked here and nowhere else. Its status is the job's status. -------
qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$build_dir/bin/qelinfo.exe" --demo "$build_dir/demo"
