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
    # The server and the services wineboot starts outlive this script; they must
    # not hold ctest's output pipe open, or ctest waits for them.
    log="$WINEPREFIX/../wineprefix.log"
    # A server left running for this prefix (say, by an interrupted run) serves as well.
    wineserver -p </dev/null >>"$log" 2>&1 || true
    # Makes the prefix the first time; later, starts its services, so that no
    # test program has to.
    /usr/lib/wine/wine64 wineboot --init </dev/null >>"$log" 2>&1
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
