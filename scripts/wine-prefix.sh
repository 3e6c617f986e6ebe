#!/usr/bin/env bash
# wine-prefix.sh up|down PREFIX
# up: makes the prefix on first use and starts one persistent wineserver for it,
#     so the test programs do not each pay for a server start.
# down: stops that server.
set -euo pipefail
action=$1
export WINEPREFIX=$2
. "$(dirname "$0")/wine-env.sh"
case "$action" in
  up)
    mkdir -p "$WINEPREFIX"
    wineserver -p
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      /usr/lib/wine/wine64 wineboot --init
    fi
    echo "wine prefix ready: $WINEPREFIX"
    ;;
  down)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 up|down PREFIX" >&2
    exit 2
    ;;
esac
