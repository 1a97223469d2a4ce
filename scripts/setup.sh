#!/usr/bin/env bash
# Installs every Debian package the project needs. Quick when they are all there already.
set -euo pipefail

packages=(
  g++ cmake ninja-build make            # native build; Make for the CMake package's test
  googletest libgtest-dev               # unit tests (sources for the cross build, libraries for native)
  nlohmann-json3-dev                    # JSON of orvtool info --json (header-only, both builds)
  graphviz                              # draws orvtool graph's output, in the tests and for the README
  dpkg-dev lintian groff-base man-db    # orvtool's Debian package (its dependencies, its check), its manual page
  clang libclang-rt-14-dev              # fuzzing with libFuzzer and the sanitizers
  clang-format git                      # the one code style, checked on the files git tracks
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # the Windows build
  wine wine64 fonts-wine                # runs the Windows programs here, with Wine's own fonts
  wixl msitools osslsigncode openssl    # the MSI (made by wixl, read back by msiextract), signing and its test
  xvfb xauth x11-utils imagemagick      # a display for them, and screenshots
  openbox xdotool python3-xlib          # a window manager on it, real clicks and keys, and waiting for both
  python3                               # checks that the committed icon is what its script draws
  time bc perl                          # the benchmark
  strace                                # checks that a build flushes out.orv to the disk
  acl                                   # setfacl and getfacl: a rebuilt out.orv keeps its access list
  util-linux                            # setpriv: tests of what a second user may do
  bazel-bootstrap nginx                 # the Bazel rule's test: Bazel itself, and a loopback HTTP cache for it
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Another install may hold the package lock for a while; wait for it rather than fail.
  apt-get -o DPkg::Lock::Timeout=600 update -qq
  apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}" >/dev/null
fi
