# Sourced by run.sh, test.sh and the benchmarks: the one configure line of each build folder they share,
# so that a script never finds a folder another configured otherwise.

# configure_native ROOT: ROOT/build/native, the Release build for this machine.
configure_native() {
  cmake -S "$1" -B "$1/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release
}

# configure_windows ROOT: ROOT/build/win, the Release cross build for Windows with MinGW-w64.
configure_windows() {
  cmake -S "$1" -B "$1/build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$1/cmake/mingw-w64-x86_64.cmake"
}
