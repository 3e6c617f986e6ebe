#!/usr/bin/env bash
# ctest's emulator for the Windows presets: wine-run.sh PREFIX PROGRAM.exe ARGS...
# Runs the program under Wine in the build tree's own prefix.
set -euo pipefail
export WINEPREFIX=$1
shift
. "$(dirname "$0")/wine-env.sh"
loader=$(ks_wine_loader "$1")
if [ "$loader" = /usr/lib/wine/wine ] && ! "$loader" --version >/dev/null 2>&1; then
  echo "wine-run: cannot start Wine's 32-bit loader: this machine does not execute 32-bit x86 code, so 32-bit Windows programs cannot run here" >&2
  exit 125
fi
exec "$loader" "$@"
