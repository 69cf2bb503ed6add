#!/usr/bin/env bash
# The benchmark report: builds the benchmarks of the x86_64 preset, runs each under Wine on a virtual display,
# then sums up every ratio that has an aim, with the machine the figures come from. Each ratio divides two times
# measured in the same run, round by round. A report, not a test: it fails only when a benchmark could not
# measure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

benchmarks=(checked_calls manager_startup token_name tracer recorder interposer complete_recording)

qel_install_packages
build_dir=$(qel_build_dir x86_64)
targets=()
programs=()
for benchmark in "${benchmarks[@]}"; do
    targets+=("qel_bench_$benchmark")
    programs+=("$build_dir/bin/qel_bench_$benchmark.exe")
done
# A build folder that is already configured keeps its settings (a preset of its own would rebuild everything).
[ -f "$build_dir/CMakeCache.txt" ] || (cd "$QEL_ROOT" && cmake --preset x86_64)
cmake --build "$build_dir" --target "${targets[@]}"

report=$(mktemp)
trap 'rm -f "$report"' EXIT
load=$(cut -d' ' -f1 /proc/loadavg)
# Every benchmark runs, also after one that could not measure; the status says whether all of them did. The
# programs end their lines the Windows way.
# The interposer benchmark runs a program beside the interposer opengl32.dll, which Wine loads only when told to
# prefer native DLLs; Wine takes that from the environment it starts with. Beside the other programs there is no
# opengl32.dll, so Wine's own serves them.
WINEDLLOVERRIDES=opengl32=n,b qel_wine_session "$build_dir" bash -c 'status=0
    for program in "$@"; do /usr/lib/wine/wine64 "$program" || status=1; echo; done
    exit $status' benchmarks "${programs[@]}" | tr -d '\r' | tee "$report"

echo "Summary: median time ratios against the baselines of the same run, with their aims"
echo "  machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
    "load average $load at the start; $(/usr/lib/wine/wine64 --version);" \
    "$(sed -n 's/^Call cost of the checked chain on //p' "$report")"
grep -m1 '^time ratio of the samples' "$report"
# With the ratios that have an aim, the interposer's traced ratio, which has none.
grep -E '  (met|NOT MET)$|^  interposed, traced to a file / plain ' "$report"
# The size of each whole-program recording that the complete-recording ratios measured.
grep -E '^recording of ' "$report"
