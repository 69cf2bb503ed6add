#!/usr/bin/env bash
# The call-cost benchmark: builds the x86_64 preset if needed and runs qel_bench_checked_calls under Wine on a
# virtual display. It prints its figures and verdicts and exits 0 whenever the measurement completed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build x86_64
build_dir=$(qel_build_dir x86_64)
qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$build_dir/bin/qel_bench_checked_calls.exe"
