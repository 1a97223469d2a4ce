#!/usr/bin/env bash
# Benchmark: 1,000 small music sets built through orvtool's CMake package by ninja -j2, against the same
# 1,000 `orvtool build -C` runs from a shell loop (one at a time, and two at a time as ninja runs them);
# the rebuild with nothing changed, and after one source changed; and, for the record, what one start of
# the program costs (`orvtool --version`). Prints medians over the rounds.
# Usage: bench/music_sets.sh [sets, default 1000] [rounds, default 3]
set -euo pipefail

source "$(dirname "$0")/setup.sh"
count=${1:-1000}
rounds=${2:-3}

build_orvtool
make_work_folder "$root/build/bench-music.XXXXXX"
prefix=$work/prefix
cmake --install "$root/build/native" --prefix "$prefix" >/dev/null
orvtool=$prefix/bin/orvtool
python3 "$root/bench/make_music_sets.py" "$count" "$work/game"
sets=("$work"/game/sets/*)
echo "$count music sets of four sources each in $work/game; orvtool from $prefix"

# Runs a command and prints the seconds it took; a command that fails stops the benchmark.
seconds() {
  local t0 t1
  t0=$(now)
  "$@" >"$work/last.log" 2>&1 || { cat "$work/last.log" >&2; echo "failed: $*" >&2; return 1; }
  t1=$(now)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f\n", b - a }'
}
# report WHAT SECONDS...: the median of the rounds, and what that makes for each set.
report() {
  local what=$1 m
  shift
  m=$(median "$@")
  printf '%-48s %8.3f s %8.2f ms a set  (rounds: %s)\n' "$what" "$m" \
    "$(awk -v m="$m" -v n="$count" 'BEGIN { print 1000 * m / n }')" "$*"
}
# The same for a figure of the whole build, which does not grow with the sets it leaves alone.
report_whole() {
  local what=$1
  shift
  printf '%-48s %8.3f s %19s (rounds: %s)\n' "$what" "$(median "$@")" "" "$*"
}

starts() { for _ in "${sets[@]}"; do "$orvtool" --version; done; }
loop_builds() { for set in "${sets[@]}"; do "$orvtool" build -C "$set"; done; }
paired_builds() { printf '%s\0' "${sets[@]}" | xargs -0 -P2 -n1 "$orvtool" build -C; }

start=() loop=() paired=()
for _ in $(seq "$rounds"); do
  t=$(seconds starts) && start+=("$t")
  t=$(seconds loop_builds) && loop+=("$t")
  t=$(seconds paired_builds) && paired+=("$t")
done
report "orvtool --version, once a set" "${start[@]}"
report "orvtool build -C, a shell loop" "${loop[@]}"
report "orvtool build -C, two at a time (xargs -P2)" "${paired[@]}"
rm -f "$work"/game/sets/*/out.orv

configure=$(seconds cmake -S "$work/game" -B "$work/game/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix")
report "cmake configure, $count orvtool_add_music calls" "$configure"

ninja_build() { ninja -C "$work/game/build" -j2; }
full=() noop=() one=()
for round in $(seq "$rounds"); do
  ninja -C "$work/game/build" -t clean >/dev/null
  t=$(seconds ninja_build) && full+=("$t")
  built=$(find "$work/game/build" -maxdepth 1 -name 'set*.orv' | wc -l)
  ((built == count)) || { echo "ninja built $built of $count sets"; exit 1; }
  t=$(seconds ninja_build) && noop+=("$t")
  grep -q "no work to do" "$work/last.log" || { echo "ninja rebuilt with nothing changed"; exit 1; }
  # One byte of one payload, a different set each round.
  source_file=${sets[round * 97 % count]}/e1_loop.orv
  printf '\x7f' | dd of="$source_file" bs=1 seek=$((100 + round)) conv=notrunc status=none
  t=$(seconds ninja_build) && one+=("$t")
  grep -q '^\[1/1\] ' "$work/last.log" || { echo "ninja rebuilt more than one set: $(head -3 "$work/last.log")"; exit 1; }
done
report "ninja -j2, the full build" "${full[@]}"
report_whole "ninja -j2, nothing changed" "${noop[@]}"
report_whole "ninja -j2, one source changed" "${one[@]}"
