#!/usr/bin/env bash
# Benchmark: builds out.orv from sources totalling 1 GiB and compares the time with a plain `cat` of
# the same sources on the same disk, once as it is and once followed by a flush of the copy to the disk
# (the build flushes out.orv before putting it in place); prints the ratios and the build's peak
# resident memory.
# Usage: bench/build_vs_copy.sh [MiB per source, default 128] [rounds, default 7]
set -euo pipefail

source "$(dirname "$0")/setup.sh"
mib=${1:-128}
rounds=${2:-7}

build_orvtool
make_work_folder "$root/build/bench.XXXXXX"
cd "$work"

# Eight single-state sources, four events with a Begin and a Loop each.
payload=$((mib * 1024 * 1024))
header() {  # the 56-byte header of a single-state source whose payload ends at byte $1
  perl -e 'print pack("l<*", 0x3F35C28F, 0, 1, 0, 1, 0, 1, 2, 56, 0, 0, $ARGV[0], 0, 0)' "$1"
}
: > script.txt
for event in 0 1 2 3; do
  for kind in begin loop; do
    f="e${event}_$kind.orv"
    { header $((56 + payload)); head -c "$payload" /dev/urandom; } > "$f"
    echo "$event $f $kind" >> script.txt
  done
done
printf -- '-1' >> script.txt
sources=(e*_*.orv)
echo "Sources: ${#sources[@]} of $mib MiB payload each, $((8 * mib)) MiB in all, in $work"

# Warm the page cache so both sides read from memory alike.
cat "${sources[@]}" > /dev/null

builds=()
copies=()
flushed=()
peak_kib=0
# Times one command that writes a new 1 GiB file, with the disk settled first: freeing a replaced
# file, or writing back the last command's pages, would otherwise be timed too.
timed() {
  rm -f copy.bin out.orv
  sync
  local t0 t1
  t0=$(now)
  "$@"
  t1=$(now)
  echo "$t1 - $t0" | bc -l
}
copy_sources() { cat "${sources[@]}" > copy.bin; }
copy_flushed() { cat "${sources[@]}" > copy.bin && sync copy.bin; }
build_sources() { "$orvtool" build > /dev/null; }

for round in $(seq "$rounds"); do
  # The order turns every round, so none always meets another's leftovers.
  case $((round % 3)) in
    1) copy=$(timed copy_sources); sync_copy=$(timed copy_flushed); build=$(timed build_sources) ;;
    2) build=$(timed build_sources); copy=$(timed copy_sources); sync_copy=$(timed copy_flushed) ;;
    0) sync_copy=$(timed copy_flushed); build=$(timed build_sources); copy=$(timed copy_sources) ;;
  esac
  # Memory is measured in a run of its own, so the measuring does not weigh on the timing.
  rm -f out.orv
  /usr/bin/time -f '%M' -o rss.txt "$orvtool" build > /dev/null
  rss=$(cat rss.txt)
  printf 'round %d: build %.3f s, copy %.3f s, copy and flush %.3f s, build peak memory %d KiB\n' "$round" \
    "$build" "$copy" "$sync_copy" "$rss"
  builds+=("$build")
  copies+=("$copy")
  flushed+=("$sync_copy")
  (( rss > peak_kib )) && peak_kib=$rss
done

# 148 state words: state 0, then per entry 3 pairs and 4 pairs.
expected=$((16 + 4 * 148 + 12 * (2 + 8 * ((payload + 59999) / 60000)) + 8 * payload))
actual=$(stat -c %s out.orv)
[[ $actual -eq $expected ]] || { echo "out.orv is $actual bytes, expected $expected"; exit 1; }

sorted() { printf '%s\n' "$@" | sort -g; }
best() { sorted "$@" | head -n 1; }
ratio() { echo "$1 / $2" | bc -l; }
best_build=$(best "${builds[@]}") median_build=$(median "${builds[@]}")
best_copy=$(best "${copies[@]}") median_copy=$(median "${copies[@]}")
best_flushed=$(best "${flushed[@]}") median_flushed=$(median "${flushed[@]}")
printf '\nbest of %d: build %.3f s, copy %.3f s, copy and flush %.3f s\n' "$rounds" "$best_build" "$best_copy" \
  "$best_flushed"
printf 'median:     build %.3f s, copy %.3f s, copy and flush %.3f s\n' "$median_build" "$median_copy" \
  "$median_flushed"
printf 'ratio build / copy, best: %.3f, median: %.3f (target at most 1.10; the build flushes, the copy not)\n' \
  "$(ratio "$best_build" "$best_copy")" "$(ratio "$median_build" "$median_copy")"
printf 'ratio build / (copy and flush), best: %.3f, median: %.3f (like for like: both flush)\n' \
  "$(ratio "$best_build" "$best_flushed")" "$(ratio "$median_build" "$median_flushed")"
printf 'build peak resident memory: %d KiB = %.1f MiB (target at most 16 MiB)\n' "$peak_kib" \
  "$(echo "$peak_kib / 1024" | bc -l)"
