# Sourced by the benchmarks: sets $root, and gives the native orvtool, a scratch folder and timing helpers.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/configure.sh"

# Builds this tree's native orvtool (Release) and sets $orvtool to it.
build_orvtool() {
  configure_native "$root" >/dev/null
  cmake --build "$root/build/native" --target orvtool >/dev/null
  orvtool="$root/build/native/tools/orvtool/orvtool"
}

# Sets $work to a new folder made from the mktemp template $1, removed when the benchmark ends.
make_work_folder() {
  work=$(mktemp -d "$1")
  trap 'rm -rf "$work"' EXIT
}

now() { date +%s.%N; }
# The median of the numbers given (the lower middle one of an even count).
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
