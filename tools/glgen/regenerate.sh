#!/usr/bin/env bash
# Regenerates every generated file from the Khronos registry and GLEW's header; with --check it writes nothing
# and fails when a committed file differs from what the generator writes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch="$root/build/glew"

if ! dpkg -s khronos-api >/dev/null 2>&1; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends khronos-api >/dev/null
fi
# GLEW's header is read as data only: unpacked into a scratch folder, never installed.
if [ ! -f "$scratch/usr/include/GL/glew.h" ]; then
  mkdir -p "$scratch"
  (cd "$scratch" && apt-get download libglew-dev >/dev/null 2>&1 || { apt-get update -qq && apt-get download libglew-dev >/dev/null; })
  dpkg -x "$scratch"/libglew-dev_*.deb "$scratch"
fi

exec python3 "$root/tools/glgen/glgen.py" \
  --registry-version "$(dpkg-query -W -f='${Version}' khronos-api)" \
  --glew "$scratch/usr/include/GL/glew.h" \
  --glew-version "$(dpkg-deb -f "$scratch"/libglew-dev_*.deb Version)" \
  "$@"
