#!/usr/bin/env bash
# The libFuzzer targets of the platform-free core: the version and extension string parsers, and the tracer
# above the GL recorder fed calls of every cgm operation. Built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, then run:
#   bash scripts/fuzz.sh                     each target from a fixed seed for a fixed number of inputs (CI;
#                                            seconds)
#   bash scripts/fuzz.sh --long [TARGET...]  each target (or those named, e.g. qel_fuzz_recorder) for
#                                            QEL_FUZZ_SECONDS seconds (default 600), growing the corpus that
#                                            it keeps in build/fuzz/corpus/<target> from one long run to the next
# Both start from the seeds in fuzz/seeds/<target>. A finding fails the run; its input is kept in
# build/fuzz/findings/ (replay it with build/fuzz/fuzz/<target> <file>). On CI (CI=true) warnings are errors.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

case "${1:-}" in
    "") long=false ;;
    --long) long=true; shift ;;
    *) echo "usage: $0 [--long [TARGET...]]" >&2; exit 2 ;;
esac

qel_install_packages "${QEL_HOST_PACKAGES[@]}"
build_dir=$(qel_build_dir fuzz)
warnings_as_errors=OFF
[ "${CI:-}" = true ] && warnings_as_errors=ON
cmake -S "$QEL_ROOT/tests/host" -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEL_HOST_FUZZERS=ON -DQEL_WARNINGS_AS_ERRORS=$warnings_as_errors
cmake --build "$build_dir"

# Each target with the inputs of its short run and its options. The recorder's inputs hold several calls:
# they get their full length from the start.
targets=(
    "qel_fuzz_version_string 20000 -max_len=128"
    "qel_fuzz_extension_string 20000 -max_len=512"
    "qel_fuzz_recorder 40000 -max_len=256 -len_control=0"
)
findings=$build_dir/findings
mkdir -p "$findings"
failed=0
for entry in "${targets[@]}"; do
    read -r target runs options <<<"$entry"
    if [ $# -gt 0 ] && [[ " $* " != *" $target "* ]]; then
        continue
    fi
    if $long; then
        corpus=$build_dir/corpus/$target
        mkdir -p "$corpus"
        limit="-max_total_time=${QEL_FUZZ_SECONDS:-600}"
    else
        corpus=$(mktemp -d)
        limit="-seed=1 -runs=$runs"
    fi
    seeds=()
    [ -d "$QEL_ROOT/fuzz/seeds/$target" ] && seeds=("$QEL_ROOT/fuzz/seeds/$target")
    log=$build_dir/$target.log
    # shellcheck disable=SC2086 # the limit and the options are lists of words
    if "$build_dir/fuzz/$target" $limit $options -artifact_prefix="$findings/$target-" "$corpus" "${seeds[@]}" \
        >"$log" 2>&1; then
        echo "$target: $(grep -E '^Done [0-9]+ runs' "$log"), no finding"
    else
        echo "$target: FINDING (input kept in $findings)"
        tail -n 60 "$log"
        failed=1
    fi
    $long || rm -rf "$corpus"
done
exit $failed
