#!/usr/bin/env bash
# Starts ORV Builder on this machine: installs what is missing, builds ORVBuilder.exe and runs it under
# Wine in a working copy of examples/, so the sample sources are at hand and the repository's own
# files stay as they are. With --headless, builds the example with orvtool instead and shows the result.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
work="$build/examples-run"

bash "$root/scripts/setup.sh"
source "$root/scripts/configure.sh"

fresh_examples() {
  rm -rf "$work"
  mkdir -p "$work"
  cp "$root"/examples/*.orv "$root"/examples/script.txt "$work/"
}

headless() {
  configure_native "$root" >/dev/null
  cmake --build "$build/native" --target orvtool >/dev/null
  fresh_examples
  echo "Building the example in $work:"
  "$build/native/tools/orvtool/orvtool" build -C "$work"
  echo
  "$build/native/tools/orvtool/orvtool" info "$work/out.orv"
}

if [[ ${1:-} == --headless ]]; then
  headless
  exit 0
fi

if [[ -z ${DISPLAY:-} ]]; then
  cat <<'MSG'
ORV Builder is a windowed program, and there is no display here (DISPLAY is not set), so the dialog
was not started. To run it:
  - from a desktop session: open a terminal there and run   bash scripts/run.sh
  - on a virtual display:                                   xvfb-run -a bash scripts/run.sh
    (the window is then not visible; take a screenshot with  import -window root shot.png)
  - without any window, the same build from the example script:   bash scripts/run.sh --headless
MSG
  exit 2
fi

configure_windows "$root" >/dev/null
cmake --build "$build/win" --target ORVBuilder >/dev/null
fresh_examples
rm -f "$work/script.txt"  # the dialog writes its own

export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/scripts/wine_prefix.sh"
prepare_wine_prefix
echo "Starting ORV Builder in $work (sources: $(cd "$work" && echo *.orv))."
echo "Progress lines of each build appear below; out.orv is written in that folder."
cd "$work"
wine "$build/win/frontend/ORVBuilder.exe"
