#!/usr/bin/env bash
# The CMake package in the Windows zip: the cross build installed into a scratch folder as the zip holds
# it, then found from a project with no language, which must get the zip's own orvtool.exe; and the zip's
# example game configured against it, whose harbour set ninja would build with that orvtool.exe (the
# command is read; nothing is built).
# Usage: zip_config_test.sh BUILD_DIR ORVTOOL_EXE VERSION
set -euo pipefail
build=$1 tool=$2 version=$3
source "$(dirname "$0")/package_steps.sh"
zip=$work/zip
install_to "$zip"
[[ -f $zip/lib/cmake/orvtool/orvtoolConfig.cmake && -f $zip/lib/cmake/orvtool/orvtoolConfigVersion.cmake ]] || {
  echo "FAIL: the zip holds no lib/cmake/orvtool/orvtoolConfig.cmake and its version file"
  exit 1
}
cmp -s "$zip/orvtool.exe" "$tool" || { echo "FAIL: the zip's orvtool.exe is not the one built"; exit 1; }

out=$(finds "$zip" 1.0) || true
[[ $out == *"found orvtool $version at $zip/orvtool.exe"$'\n'* ]] || {
  echo "FAIL: find_package(orvtool 1.0) over the zip says: $out"
  exit 1
}

game=$zip/examples/game
if ! cmake -S "$game" -B "$work/game" -G Ninja -DCMAKE_PREFIX_PATH="$zip" >"$work/configure.log" 2>&1; then
  cat "$work/configure.log"
  echo "FAIL: the zip's examples/game does not configure against the zip"
  exit 1
fi
command=$(ninja -C "$work/game" -t commands harbour | tail -n 1)
[[ $command == *"$zip/orvtool.exe build -q -o harbour.orv --depfile $work/game/"*" $game/music/harbour/script.txt" ]] || {
  echo "FAIL: the zip's game builds harbour with: $command"
  exit 1
}
echo "the zip's package finds its orvtool.exe $version, and its example game's harbour set would be built with it"
