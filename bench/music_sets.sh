#!/usr/bin/env bash
# Benchmark: 1,000 small music sets built through orvtool's CMake package by ninja -j2, beside the same
# command lines run two at a time by xargs -P2, and beside the physical reference, a durable shell copy
# a set (cat the sources, sync, mv, sync the folder) two at a time; the rebuild with nothing changed,
# and after one source changed; the flushes a set makes (strace); and 200 starts of the program
# (`orvtool --version`) beside 200 of `cat`. Prints medians over the rounds.
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
# ratio WHAT A B: the median of the rounds in array A over that in array B.
ratio() {
  local -n a=$2 b=$3
  printf '%-48s %8s\n' "$1" "$(awk -v a="$(median "${a[@]}")" -v b="$(median "${b[@]}")" 'BEGIN { printf "%.2f", a / b }')"
}
# The same for a figure of the whole build, which does not grow with the sets it leaves alone.
report_whole() {
  local what=$1
  shift
  printf '%-48s %8.3f s %19s (rounds: %s)\n' "$what" "$(median "$@")" "" "$*"
}

# The program's start beside the smallest one of a program of this machine's: 200 of each, in turns.
starts() { for _ in $(seq 200); do "$@" --version; done; }
start=() cat_start=()
for _ in $(seq "$rounds"); do
  t=$(seconds starts "$orvtool") && start+=("$t")
  t=$(seconds starts cat) && cat_start+=("$t")
done
report_whole "orvtool --version, 200 starts" "${start[@]}"
report_whole "cat --version, 200 starts" "${cat_start[@]}"
ratio "orvtool's starts / cat's (target at most 1.5)" start cat_start

bin=$work/game/build
configure=$(seconds cmake -S "$work/game" -B "$bin" -G Ninja -DCMAKE_PREFIX_PATH="$prefix")
report "cmake configure, $count orvtool_add_music calls" "$configure"
# Ninja's own command lines, each run through a shell as ninja runs it.
ninja -C "$bin" -t commands all | grep -F "$orvtool build " >"$work/commands.txt"
(($(wc -l <"$work/commands.txt") == count)) || { echo "ninja has no $count orvtool commands"; exit 1; }
# The physical reference, a durable copy a set: its sources into one file, flushed, renamed into place,
# the folder flushed; the same bytes to the disk, and the same flushes and folder, as a build of -o alone.
mkdir "$bin/copies"
for set in "${sets[@]}"; do
  name=$(basename "$set")
  printf 'cd %q && cat %s >set%s.tmp && sync set%s.tmp && mv set%s.tmp set%s.orv && sync .\n' "$bin/copies" \
    "$(printf '%q ' "$set"/*.orv)" "$name" "$name" "$name" "$name"
done >"$work/copies.txt"

ninja_build() { ninja -C "$bin" -j2; }
paired() { xargs -P2 -d '\n' -n1 sh -c <"$1"; }
forget_products() { rm -f "$bin"/set*.orv "$bin"/CMakeFiles/orvtool_music/*.d "$bin"/copies/*; }
# The flushes one command line makes, as strace counts them.
flushes() {
  strace -f -qq -c -o "$work/flushes.txt" sh -c "$1" >/dev/null 2>&1
  awk '$NF ~ /^(fsync|fdatasync|syncfs|sync)$/ { n += $4 } END { print n + 0 }' "$work/flushes.txt"
}

full=() replay=() copy=() noop=() one=()
for round in $(seq "$rounds"); do
  # Each round writes new files into the same folders, the three in turn, on a settled disk.
  forget_products
  sync
  t=$(seconds ninja_build) && full+=("$t")
  built=$(find "$bin" -maxdepth 1 -name 'set*.orv' | wc -l)
  ((built == count)) || { echo "ninja built $built of $count sets"; exit 1; }
  t=$(seconds ninja_build) && noop+=("$t")
  grep -q "no work to do" "$work/last.log" || { echo "ninja rebuilt with nothing changed"; exit 1; }
  # One byte of one payload, a different set each round.
  source_file=${sets[round * 97 % count]}/e1_loop.orv
  printf '\x7f' | dd of="$source_file" bs=1 seek=$((100 + round)) conv=notrunc status=none
  t=$(seconds ninja_build) && one+=("$t")
  grep -q '^\[1/1\] ' "$work/last.log" || { echo "ninja rebuilt more than one set: $(head -3 "$work/last.log")"; exit 1; }
  forget_products
  sync
  t=$(seconds paired "$work/commands.txt") && replay+=("$t")
  sync
  t=$(seconds paired "$work/copies.txt") && copy+=("$t")
done
report "ninja -j2, the full build" "${full[@]}"
report "ninja's command lines, two at a time (xargs -P2)" "${replay[@]}"
report "durable copy a set, two at a time (xargs -P2)" "${copy[@]}"
ratio "full build / durable copy (target at most 1.10)" full copy
report_whole "ninja -j2, nothing changed" "${noop[@]}"
report_whole "ninja -j2, one source changed" "${one[@]}"
if command -v strace >/dev/null; then
  printf '%-48s %8s\n' "flushes a set: orvtool build with --depfile" "$(flushes "$(head -1 "$work/commands.txt")")"
  printf '%-48s %8s\n' "flushes a set: the durable copy" "$(flushes "$(head -1 "$work/copies.txt")")"
fi
