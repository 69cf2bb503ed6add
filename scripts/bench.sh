#!/usr/bin/env bash
# The benchmarks: builds the x86_64 preset if needed and runs each benchmark under Wine on a virtual display.
# Each prints its figures and verdicts and exits 0 whenever its measurement completed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build x86_64
build_dir=$(qel_build_dir x86_64)
qel_wine_session "$build_dir" bash -c 'for benchmark in "$@"; do /usr/lib/wine/wine64 "$benchmark"; echo; done' \
    benchmarks "$build_dir/bin/qel_bench_checked_calls.exe" "$build_dir/bin/qel_bench_manager_startup.exe"
