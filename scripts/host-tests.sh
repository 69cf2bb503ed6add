#!/usr/bin/env bash
# The platform-free core (token table, version and extension tokenizers, tracer, GL recorder) built natively
# with the host's g++ under AddressSanitizer and UndefinedBehaviorSanitizer, and its unit tests run there.
# Exits non-zero on any failure or sanitizer report. On CI (CI=true) warnings are errors.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages "${QEL_HOST_PACKAGES[@]}"
build_dir=$(qel_build_dir host)
warnings_as_errors=OFF
[ "${CI:-}" = true ] && warnings_as_errors=ON
cmake -S "$QEL_ROOT/tests/host" -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Debug \
    -DQEL_WARNINGS_AS_ERRORS=$warnings_as_errors
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure
