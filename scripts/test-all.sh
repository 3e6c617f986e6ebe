#!/usr/bin/env bash
# Runs every test suite: native, native under ASan/UBSan, the Windows suites of
# both architectures under Wine, and a bounded fuzzing run. Expects the presets
# built by scripts/setup.sh. Exits non-zero when any suite fails or runs no test.
set -uo pipefail
cd "$(dirname "$0")/.."

# Windows programs with a window or the clipboard need a display.
if [ -z "${DISPLAY:-}" ] && [ -z "${KS_UNDER_XVFB:-}" ]; then
  export KS_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

failed=()
not_run=()
run() {
  local name=$1
  shift
  echo "=== $name"
  if "$@"; then echo "=== $name: passed"; else echo "=== $name: FAILED"; failed+=("$name"); fi
}

# 32-bit Windows programs need Wine's 32-bit loader, which only starts where
# the kernel runs 32-bit x86 code.
can_run_x86() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

run native ctest --preset native
run native-asan ctest --preset native-asan
run win64 ctest --preset win64
if can_run_x86; then
  run win32 ctest --preset win32
else
  not_run+=("win32 Wine suites (this machine cannot execute 32-bit x86 code)")
  run "win32 host checks" ctest --preset win32 -LE wine
fi
run fuzz scripts/fuzz.sh

echo
for n in "${not_run[@]}"; do echo "NOT RUN: $n"; done
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all suites passed"
