#!/usr/bin/env bash
# Regenerates every generated file from the Khronos registry and GLEW's header; with --check it writes nothing
# and fails when a committed file differs from what the generator writes.
set -euo pipefail
source "$(dirname "$0")/sources.sh"
exec python3 "$glgen_root/tools/glgen/glgen.py" "${GLGEN_ARGUMENTS[@]}" "$@"
