#!/usr/bin/env bash
# ctest's emulator for the Windows presets: wine-run.sh PREFIX PROGRAM.exe ARGS...
# Runs the program under Wine in the build tree's own prefix.
set -euo pipefail
export WINEPREFIX=$1
shift
. "$(dirname "$0")/wine-env.sh"
exec "$(ks_wine_loader "$1")" "$@"
