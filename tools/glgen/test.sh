#!/usr/bin/env bash
# Runs the generator's own tests against the same sources the generator reads.
set -euo pipefail
source "$(dirname "$0")/sources.sh"
cd "$glgen_root/tools/glgen"
exec python3 -m unittest test_glgen test_tokens test_recorder test_fuzz test_pointer_reads "$@"
