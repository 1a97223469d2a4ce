#!/usr/bin/env bash
# Runs every test of the project on a fresh Debian machine (as root): installs what is missing, then
# the native unit tests, the same under the address and undefined-behaviour sanitizers, the fuzzers
# for a bounded time, and the Windows build's tests under Wine on a private Xvfb display with a window
# manager.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
fuzz_seconds=${ORV_FUZZ_SECONDS:-30}

bash "$root/scripts/setup.sh"
source "$root/scripts/configure.sh"

passed=0
failed=0
step() { printf '\n=== %s\n' "$*"; }

# Runs ctest on a build folder and adds its counts to the totals.
run_ctest() {
  local log="$1/ctest.log" status=0
  ctest --test-dir "$1" --output-on-failure "${@:2}" 2>&1 | tee "$log" || status=1
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    failed=$((failed + 1))
  fi
  return $status
}

overall=0

step "Format: every C++ file as .clang-format has it"
if (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
  passed=$((passed + 1))
else
  echo "Some files differ from .clang-format; run: git ls-files '*.cpp' '*.h' | xargs clang-format -i"
  failed=$((failed + 1))
  overall=1
fi

step "Native build and unit tests"
configure_native "$root" >/dev/null
cmake --build "$build/native"
run_ctest "$build/native" -j "$(nproc)" || overall=1

step "Sanitizer build (address, undefined) and unit tests"
cmake -S "$root" -B "$build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON >/dev/null
cmake --build "$build/asan"
run_ctest "$build/asan" -j "$(nproc)" || overall=1

step "Fuzzing the script reader, the source check and the layout reader, ${fuzz_seconds}s each"
cmake -S "$root" -B "$build/fuzz" -G Ninja -DORV_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  >/dev/null
cmake --build "$build/fuzz"
for pair in script_reader:script source_check:source orv_layout:layout; do
  target=${pair%%:*} seeds=${pair##*:}
  mkdir -p "$build/fuzz/corpus-$seeds"
  if "$build/fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=0 \
       "$build/fuzz/corpus-$seeds" "$root/tests/fuzz/corpus/$seeds" >"$build/fuzz/$target.log" 2>&1; then
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$build/fuzz/$target.log" || echo done), no crash"
    passed=$((passed + 1))
  else
    tail -n 40 "$build/fuzz/$target.log"
    echo "$target: FAILED"
    failed=$((failed + 1))
    overall=1
  fi
done

step "Windows build, its tests under Wine"
display=""
xvfb_pid=""
wm_pid=""
stop_xvfb() {
  [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  wm_pid=""
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}
trap stop_xvfb EXIT
for n in $(seq 90 120); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
  if [[ -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
  stop_xvfb
done
[[ -n $display ]] || { echo "Could not start Xvfb"; exit 1; }
export DISPLAY=$display WINEDEBUG=-all WINEPREFIX="$build/wine-test" WINEDLLOVERRIDES="mscoree,mshtml="
# A window manager, as on the users' desktops: it frames, stacks and focuses the program's windows, and
# the tests' real clicks and keys pass through it.
wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true) == *"window id"* ]]; }
openbox >"$build/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do wm_running && break; sleep 0.1; done
wm_running || { echo "Could not start openbox"; exit 1; }
source "$root/scripts/wine_prefix.sh"
prepare_wine_prefix
# A prefix of the tests' own. Its windows are managed, as on a desktop; prefixes made before there was
# a window manager here turned that off.
wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
# A crashing test should fail at once, not wait in Wine's debugger until the time-out.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f \
  >/dev/null 2>&1 || true

configure_windows "$root" >/dev/null
cmake --build "$build/win"
# The end-to-end run also saves pictures of the dialog with a few handlers, at 96 and at 144 dpi.
rm -f "$build"/screenshot*.bmp "$build"/screenshot*.png
ORV_SCREENSHOT_BMP="$build/screenshot.bmp" run_ctest "$build/win" || overall=1
stop_xvfb
for bmp in "$build"/screenshot*.bmp; do
  if [[ -f $bmp ]] && convert "$bmp" "${bmp%.bmp}.png"; then
    echo "Screenshot of the dialog: ${bmp%.bmp}.png"
  fi
done

echo
echo "Total: $passed passed, $failed failed"
exit $overall
