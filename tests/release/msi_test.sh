#!/usr/bin/env bash
# The MSI as a studio's IT deploys it, under Wine, in a prefix of the test's own: CPack makes it beside the
# zip and says once that nothing is signed; msiexec installs it silently, with the zip's files, a Start-menu
# shortcut that starts the program in a working folder of the author's, and an entry under Installed apps;
# the installed orvtool.exe builds the installed example byte for byte as the zip's does; a later version
# replaces it, one entry remaining, and an earlier one is then refused; removal leaves nothing of the
# package's, and the file the author made in the working folder.
# Wine runs everything as an administrator, so it cannot show that the package asks for no more.
# Usage: msi_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
source "$source/tests/support/test_frame.sh"
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# winemenubuilder would copy each shortcut into this machine's own menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
stop() {
  fail "$*"
  exit 1
}
# The path by which a Windows program sees a file of this machine.
windows_path() {
  local path
  path=$(realpath -m "$1")
  echo "Z:${path//\//\\}"
}
# msiexec ARGS...: silent, logged to msiexec-N.log; its exit status reaches us modulo 256 (1603 as 67).
runs=0
msiexec() {
  runs=$((runs + 1))
  wine msiexec "$@" /qn /l*v "$(windows_path "$work/msiexec-$runs.log")"
}
# The prefix's files and registry keys, once every Wine process has ended and written them.
snapshot() {
  wineserver -w
  (cd "$WINEPREFIX" && find drive_c -path '*/Temp' -prune -o -print | LC_ALL=C sort) >"$work/$1.files"
  grep -h '^\[' "$WINEPREFIX"/*.reg | sed 's/\] [0-9]*$/]/' | LC_ALL=C sort >"$work/$1.keys"
}
# installed VERSION: Installed apps lists ORV Builder once, with VERSION and a publisher; sets $product to
# its product code.
installed() {
  local entries key shown
  entries=$(wine uninstaller --list | tr -d '\r' | grep '|||ORV Builder$' || true)
  [[ -n $entries && $(wc -l <<<"$entries") == 1 ]] || stop "Installed apps lists [$entries], not one ORV Builder"
  product=${entries%%|||*}
  key="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"
  # Under HKCU on Windows; Wine, as an administrator, keeps it under HKLM.
  shown=$(wine reg query "HKCU\\$key" 2>/dev/null || wine reg query "HKLM\\$key" 2>/dev/null || true)
  shown=$(tr -d '\r' <<<"$shown")
  local publisher='Publisher +REG_SZ +[^ ]'
  [[ $shown == *"DisplayVersion    REG_SZ    $1"$'\n'* && $shown =~ $publisher ]] ||
    fail "the entry does not show version $1 and a publisher: $shown"
}

# --- the packages: the zip, and the MSI beside it, from the build as it is; one of a later version.
if ! env -u ORV_SIGN_PKCS12 cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  stop "cpack failed"
fi
msi=$work/packages/ORVBuilder-$version-x64.msi
[[ -f $msi ]] || stop "cpack made no $(basename "$msi"): $(ls "$work/packages")"
[[ $(grep -c 'not signed' "$work/cpack.log") == 1 ]] || fail "cpack does not say once that nothing is signed"
cmake -E chdir "$work" cmake -E tar xf "$work/packages/ORVBuilder-$version-win64.zip"
zipped=$work/ORVBuilder-$version-win64
IFS=. read -r major minor patch _ <<<"$version"
later=$major.$minor.$((patch + 1)).0
later_msi=$work/ORVBuilder-$later-x64.msi
cmake -DSTAGE="$zipped" -DVERSION="$later" -DOUTPUT="$later_msi" -P "$source/cmake/make_msi.cmake" >"$work/later.log" 2>&1 ||
  stop "make_msi.cmake could not make a package of version $later: $(cat "$work/later.log")"

# --- a fresh prefix, whose Documents is a folder of its own rather than Wine's link to this machine's home.
wineboot --init >/dev/null 2>&1 || true
profile=$WINEPREFIX/drive_c/users/$(id -un)
[[ -d $profile ]] || stop "the prefix has no profile $profile"
[[ -L $profile/Documents ]] && rm "$profile/Documents"
mkdir -p "$profile/Documents"
snapshot before

# --- a silent install: the zip's files, byte for byte, in the user's programs folder.
msiexec /i "$(windows_path "$msi")" || stop "msiexec /i $(basename "$msi") exited with $?"
program_folder=$profile/AppData/Local/Programs/ORV\ Builder
diff -r "$zipped" "$program_folder" >"$work/diff.txt" || fail "the installed files differ from the zip's: $(head -5 "$work/diff.txt")"
installed "$version"
cmp -s "$profile/AppData/Roaming/Microsoft/Installer/$product/app.ico" "$source/resources/app.ico" ||
  fail "Installed apps has not the program's icon"

# --- the shortcut: its target and working folder, as its link file records them.
shortcut=$profile/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/ORV\ Builder.lnk
[[ -f $shortcut ]] || stop "no Start-menu shortcut \"ORV Builder\""
link=$(python3 - "$shortcut" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
at, target, strings = 0x4C, "", []
if flags & 0x1:  # the target as a list of shell items
    at += 2 + struct.unpack_from("<H", data, at)[0]
if flags & 0x2:  # the target's path on its volume
    size, _, info_flags, _, base = struct.unpack_from("<5I", data, at)
    if info_flags & 0x1:
        target = data[at + base:data.index(b"\0", at + base)].decode("latin-1")
    at += size
for bit in 0x4, 0x8, 0x10:  # description, relative path, working folder: UTF-16 (flag 0x80)
    if flags & bit:
        count = struct.unpack_from("<H", data, at)[0]
        strings.append(data[at + 2:at + 2 + 2 * count].decode("utf-16-le"))
        at += 2 + 2 * count
    else:
        strings.append("")
print(target + "|" + strings[2].rstrip("\0\\"))
EOF
)
user_folder="C:\\users\\$(id -un)"
expected="$user_folder\\AppData\\Local\\Programs\\ORV Builder\\ORVBuilder.exe|$user_folder\\Documents\\ORV Builder"
[[ $link == "$expected" ]] || fail "the shortcut's target and working folder are [$link], expected [$expected]"
work_folder=$profile/Documents/ORV\ Builder
[[ -d $work_folder ]] || stop "the shortcut's working folder was not made"

# --- the installed orvtool.exe builds the installed example into the working folder, as the zip's does.
wine "$program_folder/orvtool.exe" build -q -o "$(windows_path "$work_folder/out.orv")" \
  "$(windows_path "$program_folder/examples/script.txt")" || fail "the installed orvtool.exe could not build its example"
wine "$zipped/orvtool.exe" build -q -o "$(windows_path "$work/zip.orv")" "$(windows_path "$zipped/examples/script.txt")" ||
  fail "the zip's orvtool.exe could not build its example"
cmp "$work_folder/out.orv" "$work/zip.orv" || fail "the installed orvtool.exe builds another out.orv than the zip's"

# --- a later version replaces it, one entry remaining; the earlier one is then refused. (Wine shows the
# refusal's message only in a window, so /qn leaves it out of the log.)
msiexec /i "$(windows_path "$later_msi")" || stop "msiexec /i of version $later exited with $?"
installed "$later"
status=0
msiexec /i "$(windows_path "$msi")" || status=$?
((status == 1603 % 256)) || fail "installing $version over $later exited with $status, not 1603 (a fatal error)"
installed "$later"

# --- removal: nothing of the package's stays, neither a file nor a registry key; the author's out.orv does.
msiexec /x "$(windows_path "$later_msi")" || stop "msiexec /x exited with $?"
snapshot after
# The folders of Windows Installer's own, and the per-user programs folder, outlive any package.
left=$(LC_ALL=C comm -13 "$work/before.files" "$work/after.files" |
  grep -vxE '.*/(AppData/Local/Programs|Microsoft/Installer|windows/Installer)' || true)
[[ $left == "drive_c/users/$(id -un)/Documents/ORV Builder"$'\n'"drive_c/users/$(id -un)/Documents/ORV Builder/out.orv" ]] ||
  fail "removal left [$left] besides the author's out.orv"
# Windows Installer keeps its own empty lists of products; anything named by a code or ORV Builder is ours.
left=$(LC_ALL=C comm -13 "$work/before.keys" "$work/after.keys" | grep -Ei '[0-9a-f]{32}|\{[0-9a-f-]{36}\}|ORV Builder' || true)
[[ -z $left ]] || fail "removal left the registry keys [$left]"
wine uninstaller --list | grep -q 'ORV Builder' && fail "Installed apps still lists ORV Builder"

((failures == 0)) || exit 1
echo "$(basename "$msi") ($(stat -c %s "$msi") bytes) installs silently for one user, its shortcut starts" \
  "ORVBuilder.exe in Documents\\ORV Builder, version $later replaces it and $version is then refused," \
  "and removal leaves only the author's out.orv"
