#!/usr/bin/env bash
# orvtool build as build systems run it, on a copy of examples/game/music:
# - its depfile read back by ninja itself, in a rule of `deps = gcc`, for the set in a folder named
#   `boss #2 $final` that takes a source from a sibling folder: ninja records the script and every source,
#   builds nothing more when nothing changed, and builds again when the script or any source did;
# - the same by a plain Makefile that includes the depfile, for a set with a source named with ':', and
#   with --depfile-phony a source dropped from the script and deleted leaves make building, and a source
#   whose name make would run as a command is refused with nothing written;
# - what it reads, traced by strace (skipped where STRACE is "", as under a sanitizer, whose run-time
#   reads files and the environment of its own): the script and the sources it names, which the depfile
#   lists exactly, and nothing else; it writes only beside OUT; and it reads no environment, building the
#   same bytes in an empty one and in a hostile one.
# Usage: build_system_test.sh ORVTOOL GAME_DIR NINJA MAKE STRACE
set -euo pipefail
orvtool=$1 game=$2 ninja=$3 make=$4 strace=$5
source "$(dirname "$0")/../support/test_frame.sh"
cp -r "$game/music" "$work/music"
mkdir "$work/out"
cd "$work"

# --- ninja reads the depfile
# Ninja's own escapes in the build line: '$ ' a blank, '$$' a dollar.
cat >build.ninja <<NINJA
rule music
  command = '$orvtool' build -o \$out --depfile \$out.d \$in
  deps = gcc
  depfile = \$out.d
build boss.orv: music music/boss\$ #2\$ \$\$final/script.txt
NINJA

set=$'music/boss #2 $final'
"$ninja" >log 2>&1 || fail "the first build fails: $(cat log)"
[[ -f boss.orv && ! -e boss.orv.d ]] || fail "no boss.orv, or ninja left the depfile it reads and removes"
# Ninja keeps what it read, its paths made canonical.
deps=$("$ninja" -t deps boss.orv | tail -n +2 | sed 's/^ *//' | sed '/^$/d' | sort)
expected=$(printf '%s\n' "$set/script.txt" "$set/boss_begin.orv" "$set/boss_loop.orv" music/shared/failed_loop.orv | sort)
[[ $deps == "$expected" ]] || fail "ninja recorded [$deps], expected [$expected]"

"$ninja" >log 2>&1
grep -q "no work to do" log || fail "ninja had work to do with nothing changed: $(cat log)"

# Each file the build read, changed after the product was made, builds it again; then nothing is left to do.
for input in "$set/script.txt" "$set/boss_loop.orv" music/shared/failed_loop.orv; do
  sleep 0.01
  touch "$input"
  "$ninja" >log 2>&1 || fail "the build after $input changed fails: $(cat log)"
  grep -q '^\[1/1\]' log || fail "a change of $input built nothing: $(cat log)"
  "$ninja" >log 2>&1
  grep -q "no work to do" log || fail "ninja had work to do after building for $input: $(cat log)"
done
# A file the build did not read changes nothing.
touch music/shared/calm_loop.orv
"$ninja" >log 2>&1
grep -q "no work to do" log || fail "a file the set does not use built it: $(cat log)"

# --- make reads the depfile; --depfile-phony lets it go on without a source the script no longer names
mkdir -p make/bay
cp music/harbour/*.orv make/bay/
mv make/bay/skirmish_loop.orv "make/bay/skirmish:loop.orv"
printf '0 harbour_begin.orv begin\n0 harbour_loop.orv loop\n1 skirmish_begin.orv begin\n1 skirmish:loop.orv loop\n-1' \
  >make/bay/script.txt
cat >make/Makefile <<MAKE
bay.orv: bay/script.txt
	'$orvtool' build -o \$@ --depfile \$@.d --depfile-phony \$<
-include bay.orv.d
MAKE
made() { "$make" -C make >log 2>&1 || fail "make fails $1: $(cat log)"; }
made "at first"
grep -qF 'bay/skirmish\:loop.orv' make/bay.orv.d || fail "the depfile does not name skirmish:loop.orv: $(cat make/bay.orv.d)"
"$make" -C make -q || fail "make has work to do with nothing changed"
sleep 0.01
touch "make/bay/skirmish:loop.orv"
"$make" -C make -q && fail "make does not see skirmish:loop.orv changed"
made "after skirmish:loop.orv changed"
"$make" -C make -q || fail "make has work to do after building for skirmish:loop.orv"
sed -i 's/skirmish:loop.orv/harbour_loop.orv/' make/bay/script.txt
rm "make/bay/skirmish:loop.orv"
made "once skirmish:loop.orv is dropped from the script and deleted"
grep -qF 'skirmish\:loop' make/bay.orv.d && fail "the depfile still names skirmish:loop.orv: $(cat make/bay.orv.d)"

# A source whose name make would run as a command is refused: nothing written, and nothing run.
cp make/bay/harbour_loop.orv 'make/bay/b.orv;touch${IFS}PWNED;.orv'
cp make/bay.orv bay-before.orv
cp make/bay.orv.d bay-before.d
printf '0 harbour_begin.orv begin\n0 b.orv;touch${IFS}PWNED;.orv loop\n-1' >make/bay/script.txt
for attempt in first second; do
  "$make" -C make >log 2>&1 && fail "make builds, the $attempt time, a set whose source holds ';'"
  grep -qF "bay/script.txt:2: a depfile cannot name the source 'bay/b.orv;touch\${IFS}PWNED;.orv', which holds ';'" log ||
    fail "the $attempt refusal of a source with ';' does not say why: $(cat log)"
done
cmp -s make/bay.orv bay-before.orv && cmp -s make/bay.orv.d bay-before.d || fail "the refused build changed its files"
[[ -z $(find . -name PWNED) ]] || fail "a source's name ran a command"

# --- what the build reads and writes
if [[ -n $strace ]]; then
  env -i "$strace" -f -qq -e trace=%file -o trace.txt "$orvtool" build -o out/convoy.orv --depfile out/convoy.d \
    music/convoy/script.txt >/dev/null || fail "the traced build fails"
  # Every path the program named to the system, but the loader's and the C library's.
  paths=$(grep -oE '^[0-9]+ +[a-z0-9_]+\((AT_FDCWD, )?"[^"]*"' trace.txt | grep -v '^[0-9]* *execve' |
    sed -E 's/^[^"]*"//; s/"$//' | grep -vE '^(/etc/ld\.so\.|/lib/|/lib64/|/usr/lib/)' | sort -u)
  # Opened for reading, a file: what the build read.
  read=$(grep -E 'openat\(AT_FDCWD, "[^"]*", O_RDONLY' trace.txt | grep -v O_DIRECTORY | grep -v O_CREAT |
    sed -E 's/^[^"]*"//; s/".*//' | grep -vE '^(/etc/ld\.so\.|/lib/|/lib64/|/usr/lib/)' | sort -u)
  # The depfile's inputs, one a line after the rule's target.
  listed=$(sed -E 's/^[^:]*: //; s/ \\$//; s/^  //' out/convoy.d | sort -u)
  [[ $read == "$listed" ]] || fail "the build read [$(echo $read)], the depfile lists [$(echo $listed)]"
  expected=$(printf '%s\n' music/convoy/script.txt music/convoy/convoy_begin.orv music/convoy/../shared/calm_loop.orv \
    music/convoy/attack_loop.orv music/convoy/../shared/failed_loop.orv | sort)
  [[ $listed == "$expected" ]] || fail "the depfile lists [$(echo $listed)], expected [$(echo $expected)]"
  # Anything else is OUT's and the depfile's, in their folder.
  others=$(comm -23 <(echo "$paths") <(echo "$read") | grep -vE '^out(/|$)' || true)
  [[ -z $others ]] || fail "the build touched [$(echo $others)] beyond what it read and its own outputs"

  # No variable of the environment changes what is built; the program asks for none.
  cp out/convoy.orv clean.orv
  env -i LC_ALL=tr_TR.UTF-8 LANG=xx TMPDIR=/nonexistent HOME=/nonexistent TZ=Pacific/Kiritimati \
    SOURCE_DATE_EPOCH=1 "$orvtool" build -o out/convoy.orv music/convoy/script.txt >/dev/null ||
    fail "the build in a hostile environment fails"
  cmp -s clean.orv out/convoy.orv || fail "the environment changed the bytes built"
  if nm -D --undefined-only "$orvtool" 2>/dev/null | grep -qwE 'getenv|secure_getenv'; then
    fail "orvtool calls getenv"
  fi
fi

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
echo "ninja read the depfile of a set in '$set' and rebuilt on each input, and on nothing else; make read one" \
  "naming skirmish:loop.orv, and went on once it was dropped;" \
  "${strace:+the traced build read only the script and the sources its depfile names, in any environment}"
