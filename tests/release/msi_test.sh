#!/usr/bin/env bash
# The MSI as IT deploys it, signed with a throwaway certificate, in a Wine prefix of the test's own: installed
# silently as the zip, with its shortcut and entry; upgraded, an earlier version refused; removed, leaving
# what the author made. (Wine runs all as an administrator: whether it would ask for elevation cannot show.)
# Usage: msi_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
source "$source/tests/support/test_frame.sh"
# winemenubuilder would copy the shortcut into this machine's own menus.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
winpath() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }
# Silent; the exit status reaches us modulo 256 (1603, a failure, as 67).
msiexec() { wine msiexec "$@" /qn; }
# The prefix's files and registry keys, once every Wine process has written them.
snapshot() {
  wineserver -w
  (cd "$WINEPREFIX" && find drive_c -path '*/Temp' -prune -o -print | LC_ALL=C sort) >"$work/$1.files"
  grep -h '^\[' "$WINEPREFIX"/*.reg | sed 's/\] [0-9]*$/]/' | LC_ALL=C sort >"$work/$1.keys"
}
# Installed apps lists ORV Builder once; $code is its product code.
entry() {
  code=$(wine uninstaller --list | tr -d '\r' | sed -n 's/|||ORV Builder$//p')
  [[ $code == {*} && $code != *$'\n'* ]] || fail "Installed apps lists ORV Builder as [$code], not once"
}

cd "$work"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 -subj "/CN=ORV Builder test" \
  -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out signer.p12 -passout pass:secret
export ORV_SIGN_PKCS12=$work/signer.p12 ORV_SIGN_PASSWORD=secret
cpack --config "$build/CPackConfig.cmake" -B out >log 2>&1 || { cat log; exit 1; }
msi=$(winpath "out/ORVBuilder-$version-x64.msi")
cmake -E tar xf "out/ORVBuilder-$version-win64.zip"
zipped=$work/ORVBuilder-$version-win64
later=$((${version%%.*} + 1)).0.0.0
cmake -DSTAGE="$zipped" -DVERSION="$later" -DOUTPUT="$work/later.msi" -P "$source/cmake/make_msi.cmake"
# A fresh prefix, whose Documents is a folder in it rather than Wine's link to this machine's home.
wineboot --init >/dev/null 2>&1 || true
profile=$WINEPREFIX/drive_c/users/$(id -un)
rm -rf "$profile/Documents" && mkdir "$profile/Documents"
snapshot before

msiexec /i "$msi" || fail "msiexec /i exited with $?"
programs=$profile/AppData/Local/Programs/ORV\ Builder
diff -r "$zipped" "$programs" >/dev/null || fail "the installed files are not the zip's"
for file in out/*.msi "$programs"/*.exe; do
  osslsigncode verify -in "$file" -CAfile cert.pem >/dev/null 2>&1 || fail "$file is not signed as it should be"
done
entry
cmp -s "$profile/AppData/Roaming/Microsoft/Installer/$code/app.ico" "$source/resources/app.ico" ||
  fail "the entry has no icon"
# The link file holds the target's path, and the working folder in UTF-16.
lnk=$profile/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/ORV\ Builder.lnk
user="C:\\users\\$(id -un)"
strings "$lnk" | grep -qxF "$user\\AppData\\Local\\Programs\\ORV Builder\\ORVBuilder.exe" &&
  strings -el "$lnk" | grep -qF "$user\\Documents\\ORV Builder\\" || fail "the shortcut's target or folder is wrong"

documents=$profile/Documents/ORV\ Builder
example() { wine "$1/orvtool.exe" build -q -o "$(winpath "$2")" "$(winpath "$1/examples/script.txt")"; }
example "$programs" "$documents/out.orv" && example "$zipped" zip.orv && cmp "$documents/out.orv" zip.orv ||
  fail "the installed orvtool.exe does not build the example as the zip's"

msiexec /i "$(winpath "$work/later.msi")" || fail "the upgrade to $later exited with $?"
entry
status=0
msiexec /i "$msi" || status=$?
((status == 1603 % 256)) || fail "installing $version over $later exited with $status"
entry

msiexec /x "$(winpath "$work/later.msi")" || fail "msiexec /x exited with $?"
snapshot after
# Windows Installer's own folders and lists, and the per-user programs folder, outlive a package.
left=$(LC_ALL=C comm -13 "$work/before.files" "$work/after.files" |
  grep -vE '/(AppData/Local/Programs|Microsoft/Installer|windows/Installer)$' || true
  LC_ALL=C comm -13 "$work/before.keys" "$work/after.keys" |
  grep -Ei '[0-9a-f]{32}|\{[0-9a-f-]{36}\}|ORV Builder' || true)
ours="drive_c/users/$(id -un)/Documents/ORV Builder"
[[ $left == "$ours"$'\n'"$ours/out.orv" ]] || fail "removal left [$left] besides the author's out.orv"

((failures == 0)) || exit 1
