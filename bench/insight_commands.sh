#!/usr/bin/env bash
# Benchmark: time and peak resident memory (GNU time's %M) of orvtool's info, info --json, trace and
# graph on files near the layout's limits that no build writes: one state of 1,000,000 pairs, 100,000
# states and rows, and 1,000,000 states and rows. Standard output goes to /dev/null.
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
python3 "$root/bench/make_hostile_orv.py" pairs 1000000 "$work/pairs-1m.orv"
python3 "$root/bench/make_hostile_orv.py" rows 100000 "$work/rows-100k.orv"
python3 "$root/bench/make_hostile_orv.py" rows 1000000 "$work/rows-1m.orv"

# Each command as a user runs it; trace takes a million chunk ends of an event the big state lists last.
commands=("info" "info --json" "trace @ 14*1000000 1" "graph")
printf '%-20s %-12s' file command
for tool in "${tools[@]}"; do printf ' | %22s' "$(basename "$tool")"; done
printf '\n'
for file in pairs-1m rows-100k rows-1m; do
  size=$(stat -c %s "$work/$file.orv")
  for command in "${commands[@]}"; do
    read -r -a words <<<"${command/@/$work/$file.orv}"
    [[ $command == *@* ]] || words+=("$work/$file.orv")
    printf '%-20s %-12s' "$file ($((size / 1024)) KB)" "${command%% @*}"
    for tool in "${tools[@]}"; do
      status=0
      /usr/bin/time -o "$work/time" -f '%e %M' timeout "$limit" "$tool" "${words[@]}" >/dev/null 2>&1 || status=$?
      read -r seconds kb < <(tail -1 "$work/time")
      [[ $status -eq 124 ]] && seconds=">$limit"
      printf ' | %9s s %8s KB' "$seconds" "$kb"
    done
    printf '\n'
  done
done
