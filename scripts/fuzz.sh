#!/usr/bin/env bash
# Builds the libFuzzer target of the lexer and the source model (preset "fuzz":
# clang, ASan and UBSan) and runs it for a bounded time from our own Pascal
# fixtures. Exits non-zero when the fuzzer finds a crash, a sanitizer report,
# a broken invariant or a hang.
#
#   scripts/fuzz.sh [SECONDS]      (default 60; build folder: $KS_FUZZ_BUILD, default build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${KS_FUZZ_BUILD:-build/fuzz}

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target SourceModelFuzz -j2

corpus=$build/fuzz-corpus      # grows from run to run; the seeds stay as they are
artifacts=$build/fuzz-artifacts/
mkdir -p "$corpus" "$artifacts"
"$build/tests/fuzz/SourceModelFuzz" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -dict=tests/fuzz/pascal.dict -artifact_prefix="$artifacts" -print_final_stats=1 \
  "$corpus" tests/fixtures/pascal
