#!/usr/bin/env bash
# Runs a command with the Wine prefix of a build folder; meant to run inside xvfb-run (see qel_wine_session in
# common.sh). Initialises the prefix on first use, keeps one wineserver alive for the whole command, so that
# each program start costs milliseconds instead of seconds, and stops it again however the command ends.
# Usage: in-wine-session.sh BUILD_DIR COMMAND [ARG...]
set -euo pipefail

export WINEPREFIX="$1/wineprefix" WINEDEBUG=-all
shift
wineserver=/usr/lib/wine/wineserver64

# system.reg is written when the first session's wineserver shuts down, so a half-made prefix is made again.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # No Mono or Gecko: nothing here needs them, and their installers would wait for a download.
    WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot --init
    # wineboot's own server must be gone before a persistent one can take the prefix.
    "$wineserver" -w
fi

"$wineserver" -p
trap '"$wineserver" -k || true' EXIT
# The first program of a session starts Wine's own services (explorer, services, winedevice), which inherit
# its standard handles and outlive it. Started here with none, they cannot hold ctest's output pipes open,
# which would make ctest wait for every test until its timeout.
/usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
"$@"
