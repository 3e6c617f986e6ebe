#!/usr/bin/env bash
# Times kestrix-analyse (one job and two jobs) against cloc over the same list
# of Pascal files and prints the throughput and the ratio of the times.
#
#   bench/analyse-vs-cloc.sh [CORPUS_FOLDER] [KESTRIX_ANALYSE]
#
# CORPUS_FOLDER defaults to the Free Pascal sources of Debian's fpc-source
# package (/usr/share/fpcsrc/<version>); KESTRIX_ANALYSE to the native build.
# Each run is repeated and the fastest kept, so that a busy machine disturbs
# the ratio less: kestrix-analyse KS_BENCH_REPEATS times (default 5), cloc,
# being far slower, KS_BENCH_CLOC_REPEATS times (default 2). A slow outlier of
# cloc alone would flatter the ratio as much as one of ours would spoil it.
set -euo pipefail
export LC_ALL=C  # a point in $EPOCHREALTIME and in awk's numbers, byte order in sort
cd "$(dirname "$0")/.."

corpus=${1:-$(ls -d /usr/share/fpcsrc/*/ 2>/dev/null | sort -V | tail -1)}
analyse=${2:-build/native/tools/kestrix-analyse/kestrix-analyse}
repeats=${KS_BENCH_REPEATS:-5}
cloc_repeats=${KS_BENCH_CLOC_REPEATS:-2}

[ -d "${corpus:-}" ] || { echo "no corpus folder (install fpc-source or name one)" >&2; exit 2; }
[ -x "$analyse" ] || { echo "no kestrix-analyse at $analyse (build the native preset)" >&2; exit 2; }
command -v cloc >/dev/null || { echo "cloc is not installed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
list=$work/files
find "$corpus" -type f \( -iname '*.pas' -o -iname '*.dpr' \) | LC_ALL=C sort >"$list"
mapfile -t files <"$list"
count=${#files[@]}
bytes=$(tr '\n' '\0' <"$list" | xargs -0 stat -c %s | awk '{ s += $1 } END { print s }')

calc() { awk "BEGIN { print $1 }"; }
# seconds COMMAND...: the wall time of one run, output discarded; bash's own
# clock, since a date process on each side would add its start-up to the run
seconds() {
  local start end
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || [ $? -eq 1 ]  # 1: some files raised errors, which is expected here
  end=$EPOCHREALTIME
  calc "$end - $start"
}
# fastest N COMMAND...: the best wall time of N runs
fastest() {
  local n=$1 best="" t i
  shift
  for ((i = 0; i < n; i++)); do
    t=$(seconds "$@")
    if [ -z "$best" ] || [ "$(calc "$t < $best")" = 1 ]; then best=$t; fi
  done
  echo "$best"
}

printf "corpus: %s (%d files, %.1f MB)\n" "$corpus" "$count" "$(calc "$bytes / 1000000")"
t1=$(fastest "$repeats" "$analyse" --jobs 1 --summary "${files[@]}")
t2=$(fastest "$repeats" "$analyse" --jobs 2 --summary "${files[@]}")
tc=$(fastest "$cloc_repeats" cloc --quiet --list-file="$list")

row() { printf '%-28s %8.2f s %8.1f MB/s\n' "$1" "$2" "$(calc "$bytes / 1000000 / $2")"; }
row "kestrix-analyse --jobs 1" "$t1"
row "kestrix-analyse --jobs 2" "$t2"
row "cloc" "$tc"
printf 'ratio cloc / kestrix-analyse --jobs 1: %6.1f\n' "$(calc "$tc / $t1")"
printf 'ratio cloc / kestrix-analyse --jobs 2: %6.1f\n' "$(calc "$tc / $t2")"
printf 'speed-up of two jobs over one:         %6.2f\n' "$(calc "$t1 / $t2")"
