#!/usr/bin/env bash
# orvtool installed and packaged as a user gets it: `cmake --install` into a scratch prefix, then the
# package target's .deb, read back with dpkg-deb, checked by lintian and unpacked with dpkg -x, and its
# .tar.gz. Each must hold the program, the manual page, the completion, the CMake package (which must find
# the program there), the Bazel rules and Debian's copyright and changelog, and the program must run from
# there.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR VERSION RUNTIME (own: the program carries its C++ runtime)
set -euo pipefail
build=$1 source=$2 version=$3 runtime=$4
page=$source/tools/orvtool/orvtool.1
completion=$source/tools/orvtool/orvtool-completion.bash
source "$(dirname "$0")/package_steps.sh"
# same FILE EXPECTED WHAT: FILE exists and has EXPECTED's bytes.
same() { cmp -s "$1" "$2" || fail "$3 is missing or differs from $2"; }
runs() {
  local out
  out=$("$1" --version 2>&1) || true
  [[ $out == "orvtool $version" ]] || fail "$2 --version says '$out', expected 'orvtool $version'"
}
# finds_its_program PREFIX: the CMake package under PREFIX gives the program under PREFIX.
finds_its_program() {
  local out
  out=$(finds "$1" 1.0) || true
  [[ $out == *"found orvtool $version at $1/bin/orvtool"$'\n'* ]] || fail "find_package(orvtool 1.0) in $1 says: $out"
}
# The regular files under a folder, relative to it, sorted.
files_under() { (cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort); }
expected_files=$(printf '%s\n' bin/orvtool lib/cmake/orvtool/orvtoolConfig.cmake lib/cmake/orvtool/orvtoolConfigVersion.cmake \
  share/bash-completion/completions/orvtool share/doc/orvtool/changelog.gz share/doc/orvtool/copyright \
  share/man/man1/orvtool.1.gz share/orvtool/WORKSPACE share/orvtool/bazel/BUILD.bazel share/orvtool/bazel/orv_music.bzl \
  share/orvtool/bazel/orvtool_repository.bzl | LC_ALL=C sort)

# --- cmake --install: the page as written, nothing else besides.
install_to "$work/prefix"
installed=$(files_under "$work/prefix")
[[ $installed == "$(sed 's/\.1\.gz$/.1/' <<<"$expected_files")" ]] || fail "cmake --install put [$installed]"
runs "$work/prefix/bin/orvtool" "the installed orvtool"
[[ $runtime != own ]] || ! ldd "$work/prefix/bin/orvtool" | grep -E 'libstdc|libgcc' || fail "it loads the C++ runtime"
same "$work/prefix/share/man/man1/orvtool.1" "$page" "the installed manual page"
same "$work/prefix/share/bash-completion/completions/orvtool" "$completion" "the installed completion"
for rules in WORKSPACE bazel/BUILD.bazel bazel/orv_music.bzl bazel/orvtool_repository.bzl; do
  same "$work/prefix/share/orvtool/$rules" "$source/$rules" "the installed Bazel rules' $rules"
done
finds_its_program "$work/prefix"

# --- the package target makes both packages.
arch=$(dpkg --print-architecture)
deb=$build/orvtool_${version}_$arch.deb
rm -f "$build"/orvtool_*.deb "$build"/orvtool-*.tar.gz
if ! cmake --build "$build" --target package >"$work/package.log" 2>&1; then
  cat "$work/package.log"
  echo "FAIL: the package target failed"
  exit 1
fi
tarballs=("$build"/orvtool-"$version"-linux-*.tar.gz)
[[ -f $deb ]] || fail "the package target made no $(basename "$deb"): $(cd "$build" && echo *.deb)"
[[ ${#tarballs[@]} == 1 && -f ${tarballs[0]} ]] || fail "the package target made no orvtool-$version-linux-*.tar.gz"
((failures == 0)) || exit 1

# --- the .deb's fields. Depends is computed from the binary, which links glibc and the C++ runtime if shared.
dpkg-deb -I "$deb" >"$work/info.txt" || fail "dpkg-deb -I cannot read the package"
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == orvtool ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', expected $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)', expected $arch"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[[ $(field Section) == utils ]] || fail "Section is '$(field Section)'"
description=$(field Description)
[[ $description == orvtool* || $description == build* ]] && (($(wc -l <<<"$description") >= 2)) ||
  fail "Description lacks a summary and a long description: '$description'"
# dpkg and apt show the long description as it is: no line past 80 columns.
awk 'length > 80 { exit 1 }' <<<"$description" || fail "a line of the Description is longer than 80 characters"
depends=$(field Depends)
libraries=(libc6 libstdc++6)
[[ $runtime != own ]] || libraries=(libc6)
for library in "${libraries[@]}"; do
  [[ ", $depends," =~ ,\ "$library"\ \(\>=\ [^\)]+\), ]] || fail "Depends '$depends' lacks a versioned $library"
done
# Each dependency is met on this machine, as on any Debian system that runs the build.
IFS=, read -r -a needs <<<"$depends"
for need in "${needs[@]}"; do
  if [[ $need =~ ^\ *([^ ]+)\ \(\>=\ ([^\)]+)\) ]]; then
    have=$(dpkg-query -W -f='${Version}' "${BASH_REMATCH[1]}" 2>/dev/null || true)
    [[ -n $have ]] && dpkg --compare-versions "$have" ge "${BASH_REMATCH[2]}" ||
      fail "dependency '$need' is not met here (installed: '${have:-none}')"
  fi
done

# --- the .deb's contents: owned by root, the program executable, the page gzipped as Debian has it.
dpkg-deb -c "$deb" >"$work/contents.txt"
listed=$(awk '$1 !~ /^d/ { print $6 }' "$work/contents.txt" | sed 's|^\./usr/||' | LC_ALL=C sort)
[[ $listed == "$expected_files" ]] || fail "dpkg-deb -c lists [$listed]"
awk '$2 != "root/root" { print "FAIL: not owned by root: " $0; bad = 1 } END { exit bad }' "$work/contents.txt" ||
  failures=$((failures + 1))
grep -qE '^-rwxr-xr-x .* \./usr/bin/orvtool$' "$work/contents.txt" || fail "usr/bin/orvtool is not mode 755"
grep -qE '^-rw-r--r-- .* \./usr/share/man/man1/orvtool\.1\.gz$' "$work/contents.txt" ||
  fail "the manual page is not mode 644"

# --- lintian: no error; its warnings are shown.
lintian_status=0
lintian "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$work/lintian.txt" || true
if ((lintian_status)) || grep -q '^E: ' "$work/lintian.txt"; then
  fail "lintian finds errors in $(basename "$deb") (status $lintian_status)"
fi

dpkg -x "$deb" "$work/deb"
runs "$work/deb/usr/bin/orvtool" "the packaged orvtool"
gzip -dc "$work/deb/usr/share/man/man1/orvtool.1.gz" >"$work/page.1" || fail "the packaged page is no gzip file"
same "$work/page.1" "$page" "the packaged manual page, unzipped,"
# gzip -n: no name and no time in the header (bytes 4 to 7 are the time), so a rebuild packs the same bytes.
[[ $(od -An -tx1 -j3 -N5 "$work/deb/usr/share/man/man1/orvtool.1.gz" | tr -d ' ') == 0000000000 ]] ||
  fail "the packaged page's gzip header holds a name or a time"
same "$work/deb/usr/share/bash-completion/completions/orvtool" "$completion" "the packaged completion"
finds_its_program "$work/deb/usr"
# Debian's documents: the changelog's latest entry is this version, packed by gzip -9n as the page is; the
# copyright says who holds it and that there is no licence yet.
changelog=$work/deb/usr/share/doc/orvtool/changelog.gz
[[ $(gzip -dc "$changelog" | head -n 1) == "orvtool ($version) "* ]] ||
  fail "the changelog does not open with version $version: $(gzip -dc "$changelog" | head -n 1)"
[[ $(od -An -tx1 -j3 -N5 "$changelog" | tr -d ' ') == 0000000000 ]] || fail "the changelog's gzip header holds a name or a time"
copyright=$(cat "$work/deb/usr/share/doc/orvtool/copyright")
[[ $copyright == *"Copyright: "*"the ORV Builder authors"* && $copyright == *"chosen no licence yet"* ]] ||
  fail "the copyright file does not name the ORV Builder authors and say there is no licence yet: $copyright"
rendered=$(MANWIDTH=80 man -l "$work/deb/usr/share/man/man1/orvtool.1.gz" 2>&1)
[[ $rendered == "ORVTOOL(1)"* ]] || fail "man -l does not render the packaged page: ${rendered:0:200}"

# --- the tarball: one folder named like it, holding the same files as the .deb's /usr, byte for byte.
mkdir "$work/tgz"
tar -xzf "${tarballs[0]}" -C "$work/tgz"
top=$work/tgz/$(basename "${tarballs[0]}" .tar.gz)
[[ -d $top ]] || fail "the tarball holds no folder $(basename "$top"): $(ls "$work/tgz")"
[[ $(files_under "$top") == "$expected_files" ]] || fail "the tarball holds [$(files_under "$top")]"
diff -r "$work/deb/usr" "$top" >/dev/null || fail "the tarball's files differ from the .deb's"
runs "$top/bin/orvtool" "the tarball's orvtool"
finds_its_program "$top"

if ((failures)); then
  echo "--- dpkg-deb -I"
  cat "$work/info.txt"
  echo "--- dpkg-deb -c"
  cat "$work/contents.txt"
  echo "$failures failures"
  exit 1
fi
echo "$(basename "$deb") ($(field Depends)) and $(basename "${tarballs[0]}") hold orvtool, its page," \
  "completion, CMake package and Bazel rules and Debian's documents; lintian finds no error"
