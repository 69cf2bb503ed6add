# The generator's sources, shared by regenerate.sh and test.sh (sourced, not run): the Khronos registry from
# Debian's khronos-api, and GLEW's header, read as data only: unpacked into a scratch folder, never installed.
# Sets GLGEN_ARGUMENTS to the generator's source arguments and exports QEL_GLGEN_GLEW for the tests.
glgen_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
glgen_scratch="$glgen_root/build/glew"

if ! dpkg -s khronos-api >/dev/null 2>&1; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends khronos-api >/dev/null
fi
if [ ! -f "$glgen_scratch/usr/include/GL/glew.h" ]; then
  mkdir -p "$glgen_scratch"
  (cd "$glgen_scratch" && apt-get download libglew-dev >/dev/null 2>&1 || { apt-get update -qq && apt-get download libglew-dev >/dev/null; })
  dpkg -x "$glgen_scratch"/libglew-dev_*.deb "$glgen_scratch"
fi

export QEL_GLGEN_GLEW="$glgen_scratch/usr/include/GL/glew.h"
GLGEN_ARGUMENTS=(
  --registry-version "$(dpkg-query -W -f='${Version}' khronos-api)"
  --glew "$QEL_GLGEN_GLEW"
  --glew-version "$(dpkg-deb -f "$glgen_scratch"/libglew-dev_*.deb Version)"
)
