#!/usr/bin/env bash
# Installs what is missing, then configures and builds the presets given (x86_64, i686).
# Usage: scripts/build.sh PRESET...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

qel_install_packages
qel_build "$@"
