#!/usr/bin/env bash
# Benchmark: `orvtool diff` and `diff --json` on two built files of one Loop whose payloads (1 GB each,
# sparse on the disk) differ only in their last chunk, and on a file of 100,000 rows of no entry that
# share one state of 999,999 pairs (as many as orvtool reads), against itself. Prints the time and peak resident memory of each.
# Usage: bench/diff_large.sh [chunks of 60000 bytes per payload, default 17000]
set -euo pipefail

source "$(dirname "$0")/setup.sh"
chunks=${1:-17000}

build_orvtool
make_work_folder "$root/build/bench.XXXXXX"
cd "$work"

# large FILE CHUNKS LAST: the header of a build of one Loop, its payload a hole but for byte LAST at its end.
large() {
  perl -e '
    my ($n) = @ARGV;
    my @states = (0, 1, 0, 1, 0, 0, 0, 1, 0, 1);
    my $h = 16 + 4 * @states + 12 * ($n + 2);
    my @rows = ($h, 0, 0);
    push @rows, $h + 60000 * $_, ($_ + 1 == $n ? 2 : 1), 224000 for 0 .. $n - 1;
    push @rows, $h + 60000 * $n, 0, 0;
    print pack("l<*", 0x3F35C28F, 0, 3, @states, $n + 2, @rows);' "$2" >"$1"
  local size=$(($(stat -c %s "$1") + 60000 * $2))
  truncate -s "$size" "$1"
  printf "\\x$3" | dd of="$1" bs=1 seek=$((size - 1)) conv=notrunc status=none
}

# shared FILE ROWS PAIRS: ROWS one-byte rows of no entry, each with state 1 of PAIRS distinct events.
shared() {
  perl -e '
    my ($rows, $pairs) = @ARGV;
    my @states = (0, 1, 0, 1, 0, $pairs, map { ($_, 1) } 0 .. $pairs - 1);
    my $h = 16 + 4 * @states + 12 * ($rows + 2);
    my @table = ($h, 0, 0);
    push @table, $h + $_, 1, 0 for 0 .. $rows - 1;
    push @table, $h + $rows, 0, 0;
    print pack("l<*", 0x3F35C28F, 0, 2, @states, $rows + 2, @table), "\0" x $rows;' "$2" "$3" >"$1"
}

# run LABEL ARGS...: one timed run of orvtool, its report thrown away.
run() {
  local label=$1 status=0
  shift
  /usr/bin/time -f "%e %M" -o time.txt "$orvtool" "$@" >/dev/null || status=$?
  read -r seconds kib < <(tail -n 1 time.txt)  # after any "Command exited with" line
  printf '%-44s %8.2f s  %8d KiB peak  exit %d\n' "$label" "$seconds" "$kib" "$status"
}

large old.orv "$chunks" 01
large new.orv "$chunks" 02
shared shared.orv 100000 999999
bytes=$(stat -c %s old.orv)
echo "payloads of $((bytes / 1000000)) MB each; shared state file of $(($(stat -c %s shared.orv) / 1000)) KB"
cat old.orv new.orv >/dev/null  # read once, so the runs below time orvtool, not the disk
run "diff, last chunk changed" diff old.orv new.orv
run "diff --json, last chunk changed" diff --json old.orv new.orv
run "diff, the same file twice" diff old.orv old.orv
run "diff, 100000 rows sharing 999999 pairs" diff shared.orv shared.orv
