#!/usr/bin/env bash
# Benchmark: time, peak resident memory (GNU time's %M) and output size of orvtool's insight commands
# on files near the layout's limits that no build writes: one state of 1,000,000 pairs, 100,000 states
# and rows, 1,000,000 states and rows, the same with each event sent far across the table (info, info
# --json, trace, graph, and diff against itself), and rows of no entry that all share one state of as
# many pairs, 3,200 and 12,900 of each (graph, and diff and diff --json against the same file with
# every pair sent elsewhere). Standard output is counted, then thrown away.
# Usage: bench/insight_commands.sh [ORVTOOL...]   (default: this tree's native build; give two to compare)
# A run is stopped after ORV_BENCH_LIMIT seconds (default 120) and shown as ">120 s".
set -euo pipefail
limit=${ORV_BENCH_LIMIT:-120}

source "$(dirname "$0")/setup.sh"
tools=("$@")
if [[ ${#tools[@]} -eq 0 ]]; then
  build_orvtool
  tools=("$orvtool")
fi

make_work_folder "${TMPDIR:-/tmp}/orvtool-bench.XXXXXX"
make() { python3 "$root/bench/make_hostile_orv.py" "$@"; }
make pairs 1000000 "$work/pairs-1m.orv"
make rows 100000 "$work/rows-100k.orv"
make rows 1000000 "$work/rows-1m.orv"
make rows 1000000 "$work/jumps-1m.orv" 499979
for n in 3200 12900; do
  make shared "$n" "$n" "$work/shared-$n.orv"
  make shared "$n" "$n" "$work/shared-$n-moved.orv" $((n + 1))
done

# Each command as a user runs it, @ standing for the file; trace takes a million chunk ends of an event
# the big state lists last.
table_commands=("info @" "info --json @" "trace @ 14*1000000 1" "graph @" "diff @ @")
shared_commands=("graph @" "diff @ @-moved" "diff --json @ @-moved")
printf '%-22s %-12s' file command
for tool in "${tools[@]}"; do printf ' | %36s' "$(basename "$tool")"; done
printf '\n'
for file in pairs-1m rows-100k rows-1m jumps-1m shared-3200 shared-12900; do
  size=$(stat -c %s "$work/$file.orv")
  commands=("${table_commands[@]}")
  [[ $file == shared-* ]] && commands=("${shared_commands[@]}")
  for command in "${commands[@]}"; do
    read -r -a words <<<"${command//@/$work/$file}"
    for i in "${!words[@]}"; do [[ ${words[$i]} == "$work"/* ]] && words[$i]+=.orv; done
    label=${command%% @*}
    printf '%-22s %-12s' "$file ($((size / 1024)) KB)" "$label"
    for tool in "${tools[@]}"; do
      bytes=$( (/usr/bin/time -o "$work/time" -f '%e %M' timeout "$limit" "$tool" "${words[@]}" 2>/dev/null || true) | wc -c)
      read -r seconds kb < <(tail -1 "$work/time")
      grep -q '^Command exited with non-zero status 124' "$work/time" && seconds=">$limit"
      printf ' | %8s s %8s KB %12s B' "$seconds" "$kb" "$bytes"
    done
    printf '\n'
  done
done
