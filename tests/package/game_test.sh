#!/usr/bin/env bash
# examples/game built as a game's build engineer would build it: orvtool's CMake package installed into a
# scratch prefix, found by a project with no language, under Ninja and under Unix Makefiles. Each music set
# comes out as `orvtool build -C <its folder>` makes it; a build with nothing changed does nothing; a changed
# source or script rebuilds its sets and no other; a missing source fails with the engine's message and
# keeps the set's old product whole; one set is in a folder named with ';' and ':', and under Ninja one
# source is named with a colon; and what each tool does with the state a power cut would leave without
# each of orvtool's flushes. First the package itself: its version, the function's argument checks, the
# names it refuses for CMake, Ninja or Make, and the build graphs Ninja and Make are given.
# Usage: game_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
source "$(dirname "$0")/package_steps.sh"

prefix=$work/prefix
install_to "$prefix"
orvtool=$prefix/bin/orvtool

# --- find_package: the version file's verdicts, the program's place, wherever the prefix is moved.
for wanted in 1.0 1 "$version EXACT"; do
  # shellcheck disable=SC2086
  out=$(finds "$prefix" $wanted) || true
  [[ $out == *"found orvtool $version at $orvtool"$'\n'* ]] || fail "find_package(orvtool $wanted) says: $out"
done
for wanted in 1.1 2.0 0.9 "1.0 EXACT"; do
  # shellcheck disable=SC2086
  if out=$(finds "$prefix" $wanted); then
    fail "find_package(orvtool $wanted) accepts version $version: $out"
  elif [[ $out != *"orvtoolConfig.cmake, version: $version"* ]]; then
    fail "find_package(orvtool $wanted) fails for another reason than the version: $out"
  fi
done
mv "$prefix" "$work/moved"
out=$(finds "$work/moved" 1.0) || true
[[ $out == *"found orvtool $version at $work/moved/bin/orvtool"$'\n'* ]] || fail "a moved prefix: $out"
mv "$work/moved" "$prefix"

# --- orvtool_add_music's argument checks, each a project of its own.
# refused CALLS MESSAGE [GENERATOR]: configuring a project with CALLS fails and says MESSAGE. Its scripts:
# script.txt, and one in each folder of a name some build tool cannot take; colon/script.txt names a
# source whose name holds a colon, raid;night/script.txt one out of its folder.
refused() {
  local project=$work/arguments folder
  rm -rf "$project"
  for folder in . 'raid;night' 'a\b' colon semicolon; do
    mkdir -p "$project/$folder"
    printf -- '-1' >"$project/$folder/script.txt"
  done
  printf '1 null begin\n1 attack:loop.orv loop\n-1' >"$project/colon/script.txt"
  printf '1 null begin\n1 ../attack_loop.orv loop\n-1' >"$project/raid;night/script.txt"
  printf '1 null begin\n1 b.orv;touch${IFS}PWNED;.orv loop\n-1' >"$project/semicolon/script.txt"
  printf 'cmake_minimum_required(VERSION 3.20)\nproject(arguments NONE)\nfind_package(orvtool 1.0 CONFIG REQUIRED)\n%s\n' \
    "$1" >"$project/CMakeLists.txt"
  if out=$(cmake -S "$project" -B "$project/build" ${3:+-G "$3"} -DCMAKE_PREFIX_PATH="$prefix" 2>&1); then
    fail "'$1' was accepted"
  elif [[ $(tr -s ' \n' ' ' <<<"$out") != *"$2"* ]]; then
    fail "'$1' fails without saying '$2': $out"
  fi
}
refused 'orvtool_add_music(theme)' "orvtool_add_music(theme): SCRIPT is missing"
refused 'orvtool_add_music(theme SCRIPT)' "orvtool_add_music(theme): SCRIPT needs a value"
refused 'orvtool_add_music(theme SCRIPT script.txt LOUDNESS 11)' "unknown argument 'LOUDNESS 11'"
refused 'orvtool_add_music(SCRIPT script.txt)' "the first argument is the target's name"
refused 'orvtool_add_music(theme SCRIPT script.txt)
orvtool_add_music(theme SCRIPT script.txt OUTPUT other.orv)' "a target named 'theme' exists already"
refused 'orvtool_add_music(theme SCRIPT script.txt OUTPUT x.orv)
orvtool_add_music(other SCRIPT script.txt OUTPUT x.orv)' "another music target writes"
refused 'orvtool_add_music(theme SCRIPT no-such-script.txt)' "no-such-script.txt does not exist"
# Names that CMake, Ninja or Make cannot take, which would break the build, or run the set on every build.
refused 'orvtool_add_music(raid SCRIPT "raid;night/script.txt")' \
  "orvtool_add_music(raid): the script $work/arguments/raid;night/script.txt names a source out of its folder, which holds ';'" Ninja
refused 'orvtool_add_music(convoy SCRIPT colon/script.txt)' \
  "colon/script.txt names a source with ':', which the build tool would misread in a depfile" "Unix Makefiles"
for generator in Ninja "Unix Makefiles"; do
  refused 'orvtool_add_music(raid SCRIPT semicolon/script.txt)' \
    "semicolon/script.txt names a source with ';', which the build tool would misread in a depfile" "$generator"
done
refused 'orvtool_add_music(boss SCRIPT script.txt OUTPUT "boss #2.orv")' \
  "orvtool_add_music(boss): OUTPUT $work/arguments/build/boss #2.orv holds '#', which CMake takes in no custom command's OUTPUT"
refused 'orvtool_add_music(theme SCRIPT "a\\b/script.txt")' "a\\b/script.txt holds '\\', which CMake reads as a folder separator"

# --- the game, configured under each generator, and the build graph each tool was given.
# raid, a copy of harbour added to the game, is in a folder that neither Ninja nor Make can name, which the
# package reaches through a link in the build folder.
sets=(harbour convoy boss raid)
declare -A folder=([harbour]=harbour [convoy]=convoy [boss]='boss #2 $final' [raid]='raid;night:2')
declare -A product=([harbour]=harbour.orv [convoy]=convoy.orv [boss]=assets/boss.orv [raid]=raid.orv)
generators=(Ninja "Unix Makefiles")
game_of() { echo "$work/game-${1%% *}"; }
# Under Ninja, one of harbour's sources is named with a colon, as no file on Windows, which the example
# ships to, can be: Make cannot take it, and the package refuses it there (above).
declare -A skirmish_loop=([Ninja]='skirmish:loop.orv' ["Unix Makefiles"]=skirmish_loop.orv)

# The folder a build command runs in and its arguments, one a line, with orvtool given as the program:
# the command line the build tool would run, executed with a stand-in that prints them.
arguments_of() {
  local line=$1 bin=$2
  [[ $line == *"$orvtool build "* ]] || { echo "(no orvtool build in '$line')"; return; }
  (cd "$bin" && bash -c "shown() { printf '%s\n' \"\$PWD\" \"\$@\"; }; ${line//"$orvtool"/shown}")
}

for generator in "${generators[@]}"; do
  game=$(game_of "$generator")
  bin=$game/build
  cp -r "$source/examples/game" "$game"
  cp -r "$game/music/harbour" "$game/music/${folder[raid]}"
  echo 'orvtool_add_music(raid SCRIPT "music/raid;night:2/script.txt")' >>"$game/CMakeLists.txt"
  if [[ ${skirmish_loop[$generator]} != skirmish_loop.orv ]]; then
    mv "$game/music/harbour/skirmish_loop.orv" "$game/music/harbour/${skirmish_loop[$generator]}"
    sed -i "s/skirmish_loop.orv/${skirmish_loop[$generator]}/" "$game/music/harbour/script.txt"
  fi
  if ! cmake -S "$game" -B "$bin" -G "$generator" -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure.log" 2>&1; then
    cat "$work/configure.log"
    fail "$generator: the game's project does not configure"
    continue
  fi
  grep -q "CMake Warning" "$work/configure.log" && fail "$generator: configuring warns: $(cat "$work/configure.log")"
  for set in "${sets[@]}"; do
    script=$game/music/${folder[$set]}/script.txt
    depfile=$bin/CMakeFiles/orvtool_music/$set.d
    if [[ $set == raid ]]; then
      link=$bin/CMakeFiles/orvtool_music/raid.folder
      [[ $(readlink "$link") == "${script%/*}" ]] || fail "$generator: $link does not lead to ${script%/*}"
      script=$link/script.txt
    fi
    if [[ $generator == Ninja ]]; then
      # Ninja names a product in the build folder relative to it, and the depfile must name it so too.
      expected=$(printf '%s\n' "$bin" build -q -o "${product[$set]}" --depfile "$depfile" "$script")
      command=$(ninja -C "$bin" -t commands "$set" | tail -n 1)
      query=$(ninja -C "$bin" -t query "${product[$set]}")
      # A path in the build folder, as raid's link, is named relative to it.
      for input in "${script#"$bin/"}" "$orvtool"; do
        grep -qxF "    $input" <<<"$query" || fail "Ninja: ${product[$set]} does not depend on $input: $query"
      done
      given=$(awk -v build="build ${product[$set]} " 'index($0, build) == 1 { inside = 1 } /^$/ { inside = 0 }
        inside && $1 == "depfile" { print $3 }' "$bin/build.ninja")
      [[ $given == "$depfile" ]] || fail "Ninja: ${product[$set]} is given the depfile '$given', not $depfile"
      [[ $'\n'$(ninja -C "$bin" -t query all)$'\n' == *$'\n'"    $set"$'\n'* ]] || fail "Ninja: all does not build $set"
    else
      expected=$(printf '%s\n' "$bin" build -q -o "$bin/${product[$set]}" --depfile "$depfile" "$script")
      command=$(make -C "$bin" -n "$set" | grep -F "$orvtool build" || true)
      [[ $(make -C "$bin" -n all) == *"Building music ${product[$set]}"* ]] || fail "Make: all does not build $set"
    fi
    got=$(arguments_of "$command" "$bin")
    [[ $got == "$expected" ]] || fail "$generator: $set is built in and with [$(echo $got)], expected [$(echo $expected)]"
  done
done

# The engine's own build of each set, in a copy of its folder, is what the game's build must make.
reference() {
  rm -rf "$work/reference"
  cp -r "$1/music" "$work/reference"
  local set
  for set in "${sets[@]}"; do
    "$orvtool" build -C "$work/reference/${folder[$set]}" >/dev/null 2>&1 ||
      fail "orvtool build -C does not build the $set set"
  done
}
matches_reference() {
  local set
  for set in "${sets[@]}"; do
    cmp -s "$1/${product[$set]}" "$work/reference/${folder[$set]}/out.orv" ||
      fail "$2: ${product[$set]} differs from orvtool build -C's out.orv"
  done
}
# A file's modification time in nanoseconds.
mtime() {
  local time
  time=$(stat -c %.9Y "$1")
  echo "${time/./}"
}
stamps() {
  local set
  for set in "${sets[@]}"; do echo "$set $(mtime "$1/${product[$set]}")"; done
}
# rebuilt_only BIN BEFORE WHAT SET...: exactly the sets named have a new product since BEFORE's stamps.
rebuilt_only() {
  local bin=$1 before=$2 what=$3 set old now
  shift 3
  for set in "${sets[@]}"; do
    old=$(grep "^$set " <<<"$before")
    now=$(grep "^$set " <<<"$(stamps "$bin")")
    if [[ " $* " == *" $set "* ]]; then
      [[ $old != "$now" ]] || fail "$what: $set was not rebuilt"
    else
      [[ $old == "$now" ]] || fail "$what: $set was rebuilt"
    fi
  done
}
# A file changed after every product was made, whatever the file system's clock steps.
changed() {
  local newest
  newest=$(stamps "$bin" | awk '{ print $2 }' | sort -n | tail -n 1)
  while (($(mtime "$1") <= newest)); do
    sleep 0.01
    touch "$1"
  done
}
# A source's payload with one byte changed: still a source, with other music in it.
alter_source() {
  printf '\x7f' | dd of="$1" bs=1 seek=100 conv=notrunc status=none
  changed "$1"
}
builds() { cmake --build "$bin" >"$work/build.log" 2>&1; }
# rebuilds WHAT SET...: after the change WHAT, the build succeeds, rebuilds exactly the sets named since
# $before's stamps, and every product is the engine's own build of its set.
rebuilds() {
  local what="$generator, $1"
  shift
  builds || fail "$what: the build fails: $(cat "$work/build.log")"
  rebuilt_only "$bin" "$before" "$what" "$@"
  reference "$game"
  matches_reference "$bin" "$what"
}

for generator in "${generators[@]}"; do
  game=$(game_of "$generator")
  bin=$game/build
  music=$game/music
  [[ -f $bin/CMakeCache.txt ]] || continue

  builds || fail "$generator: the first build fails: $(cat "$work/build.log")"
  reference "$game"
  matches_reference "$bin" "$generator, first build"
  # A line a set in the log, and none of the engine's progress.
  [[ $(grep -c "Building music" "$work/build.log") == "${#sets[@]}" ]] || fail "$generator: not a line a set: $(cat "$work/build.log")"
  ! grep -q "Processing script" "$work/build.log" || fail "$generator: the log holds the build's progress: $(cat "$work/build.log")"

  before=$(stamps "$bin")
  builds || fail "$generator: the second build fails: $(cat "$work/build.log")"
  rebuilt_only "$bin" "$before" "$generator, a build with nothing changed"
  [[ $generator != Ninja ]] || grep -q "no work to do" "$work/build.log" ||
    fail "Ninja had work to do with nothing changed: $(cat "$work/build.log")"

  before=$(stamps "$bin")
  alter_source "$music/harbour/${skirmish_loop[$generator]}"
  rebuilds "harbour's own source ${skirmish_loop[$generator]} changed" harbour

  before=$(stamps "$bin")
  alter_source "$music/${folder[raid]}/harbour_loop.orv"
  rebuilds "raid's own source changed" raid

  before=$(stamps "$bin")
  alter_source "$music/shared/failed_loop.orv"
  rebuilds "a source of convoy and boss changed" convoy boss

  before=$(stamps "$bin")
  printf '1 boss_begin.orv begin\n1 boss_loop.orv loop\n-1' >"$music/${folder[boss]}/script.txt"
  changed "$music/${folder[boss]}/script.txt"
  rebuilds "boss's script changed" boss

  before=$(stamps "$bin")
  cp "$bin/harbour.orv" "$work/harbour-before.orv"
  mv "$music/harbour/harbour_begin.orv" "$work/harbour_begin.orv"
  if builds; then
    fail "$generator: the build without harbour_begin.orv succeeds"
  fi
  grep -qF 'Error opening "harbour_begin.orv", aborting.' "$work/build.log" ||
    fail "$generator: a missing source fails without the engine's message: $(cat "$work/build.log")"
  cmp -s "$bin/harbour.orv" "$work/harbour-before.orv" || fail "$generator: the failed build changed harbour.orv"
  rebuilt_only "$bin" "$before" "$generator, a failed build"
  leftovers=$(find "$bin" -name '*.tmp')
  [[ -z $leftovers ]] || fail "$generator: the failed build left $leftovers"
  # The source back, as a new file: the set is built again, as if it had never failed.
  cp "$work/harbour_begin.orv" "$music/harbour/harbour_begin.orv"
  changed "$music/harbour/harbour_begin.orv"
  rebuilds "the missing source back" harbour

  # A source dropped from its script and deleted: its set is built once more, then no more, each time.
  # raid's, as harbour's are wanted below.
  for dropped in skirmish_loop.orv skirmish_begin.orv harbour_begin.orv; do
    sed -i "s/$dropped/harbour_loop.orv/" "$music/${folder[raid]}/script.txt"
    rm "$music/${folder[raid]}/$dropped"
    changed "$music/${folder[raid]}/script.txt"
    before=$(stamps "$bin")
    rebuilds "$dropped dropped and deleted" raid
    before=$(stamps "$bin")
    builds || fail "$generator: the build after $dropped was dropped fails: $(cat "$work/build.log")"
    rebuilt_only "$bin" "$before" "$generator, the build after the one that followed $dropped's drop"
  done
done

# --- what a power cut would leave without each flush, made by hand, and what each tool does next: why
# orvtool flushes the product and its folder, and the depfile and its folder.
# built_again SOURCE WHAT: after the state WHAT and a change of SOURCE, one of harbour's, the build
# builds harbour again.
built_again() {
  alter_source "$1"
  before=$(stamps "$bin")
  builds || fail "$generator, $2: the build fails: $(cat "$work/build.log")"
  [[ $(grep "^harbour " <<<"$before") != $(grep "^harbour " <<<"$(stamps "$bin")") ]]
}
generator=Ninja
bin=$(game_of Ninja)/build
music=$(game_of Ninja)/music
depfile=$bin/CMakeFiles/orvtool_music/harbour.d
if [[ -f $bin/CMakeCache.txt ]]; then
  # A depfile lost or empty (its rename or its data not on the disk): Ninja builds the set again.
  for state in removed emptied; do
    if [[ $state == removed ]]; then rm "$depfile"; else : >"$depfile"; fi
    before=$(stamps "$bin")
    builds || fail "Ninja, a depfile $state: the build fails: $(cat "$work/build.log")"
    rebuilt_only "$bin" "$before" "Ninja, harbour's depfile $state" harbour
  done
  # One cut at a line end is taken as whole: a source it no longer names changes, and nothing is built.
  head -n 1 "$depfile" >"$work/cut.d"
  cp "$work/cut.d" "$depfile"
  built_again "$music/harbour/${skirmish_loop[Ninja]}" "a cut depfile" &&
    fail "Ninja rebuilt a set whose depfile was cut: its data flush may no longer be needed"
  changed "$music/harbour/script.txt"
  builds
  # The rename of a new product lost: the old one back with its old time. Ninja goes by the time it
  # recorded (restat), not the file's, and takes the old product for the new one.
  cp -p "$bin/harbour.orv" "$work/old-harbour.orv"
  built_again "$music/harbour/${skirmish_loop[Ninja]}" "a whole depfile" || fail "Ninja: a changed source built nothing"
  cp -p "$work/old-harbour.orv" "$bin/harbour.orv"
  before=$(stamps "$bin")
  builds
  rebuilt_only "$bin" "$before" "Ninja, the old product back after a lost rename (its folder flush may no longer be needed)"
fi
# Make, through CMake, reads a set's depfile at the build after the one that wrote it. Lost or empty in
# between, it leaves the set depending on its script alone: a changed source builds nothing.
generator="Unix Makefiles"
game=$(game_of "$generator")
bin=$game/first
depfile=$bin/CMakeFiles/orvtool_music/harbour.d
for state in removed emptied; do
  rm -rf "$bin"
  cmake -S "$game" -B "$bin" -G "$generator" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null 2>&1 &&
    builds || { fail "Make: the game in a new build folder fails"; break; }
  if [[ $state == removed ]]; then rm "$depfile"; else : >"$depfile"; fi
  built_again "$game/music/harbour/skirmish_loop.orv" "a first depfile $state" &&
    fail "Make rebuilt a set whose first depfile was $state: the depfile's flushes may no longer be needed"
done

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
echo "the game's ${#sets[@]} music sets built through the package under Ninja and Make: the engine's bytes," \
  "nothing rebuilt when nothing changed, exactly the sets a change touches, a failure keeping the old product"
