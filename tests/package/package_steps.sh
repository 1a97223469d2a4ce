# The steps the package tests share, sourced after $build (the build folder) is set: the test frame,
# installing the build as a package, and finding that package from a project with no language.
source "$(dirname "${BASH_SOURCE[0]}")/../support/test_frame.sh"
finder=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/find_orvtool

# install_to PREFIX: cmake --install of $build into PREFIX; a failure ends the test, with the install's log.
install_to() {
  cmake --install "$build" --prefix "$1" >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
  }
}

# finds PREFIX VERSION [EXACT]: what find_package(orvtool VERSION [EXACT]) says in a project that looks
# under PREFIX, with its status.
finds() {
  rm -rf "$work/find"
  cmake -S "$finder" -B "$work/find" -DCMAKE_PREFIX_PATH="$1" -DWANTED="$2" ${3:+-DEXACT=ON} 2>&1
}
