#!/usr/bin/env bash
# The bash completion, sourced into a bash of the test's own as bash-completion would load it, and asked
# for words as bash asks when Tab is pressed: the commands that `orvtool --help` lists, each command's
# options, .orv files and folders for a FILE, folders only after -C.
# Usage: completion_test.sh ORVTOOL COMPLETION_FILE
set -euo pipefail
orvtool=$(realpath "$1") completion=$(realpath "$2")
source "$(dirname "$0")/../support/test_frame.sh"
mkdir -p "$work/music/sub dir" "$work/music/kept.orv"
touch "$work/music/a.orv" "$work/music/b.orv" "$work/music/notes.txt" "$work/music/sub dir/c.orv" \
  "$work/music/script.txt"

# Prints, one a line and sorted, what the completion offers for the command line "$@", the last word
# being the one under the cursor.
offers() {
  (
    cd "$work/music"
    # shellcheck source=/dev/null
    source "$completion"
    [[ $(complete -p orvtool) == "complete -F _orvtool orvtool" ]] || { echo "orvtool is not bound to _orvtool"; exit 1; }
    COMP_WORDS=(orvtool "$@")
    COMP_CWORD=$#
    COMP_LINE="orvtool $*"
    COMP_POINT=${#COMP_LINE}
    _orvtool orvtool "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
  )
}

# expect OFFERS WORD...: completing the command line "orvtool WORD..." offers exactly OFFERS, joined by |.
expect() {
  local want=$1 got
  shift
  got=$(offers "$@" | paste -sd'|') || got="(the completion failed: $got)"
  if [[ $got != "$want" ]]; then
    fail "'orvtool $*<Tab>' offers [$got], expected [$want]"
  fi
}

commands=$("$orvtool" --help | awk '/^commands:/ { inside = 1; next } /^$/ { inside = 0 } inside { print $1 }')
options=$("$orvtool" --help | awk '/^options:/ { inside = 1; next } /^$/ { inside = 0 } inside { print $1 }')
[[ -n $commands ]] || { echo "FAIL: no commands in orvtool --help"; exit 1; }
expect "$(printf '%s\n' $commands $options | sort | paste -sd'|')" ""
expect "--version" --v
expect "info" in
expect "trace" tr
expect "diff" di

# A FILE: the .orv files, and folders to look into.
expect "a.orv|b.orv|kept.orv|sub dir" info ""
expect "sub dir" info s
expect "sub dir/c.orv" info "sub dir/"
expect "--json" info --
expect "a.orv|b.orv|kept.orv|sub dir" info --json ""
expect "--json" info a.orv ""
expect "" info --json a.orv -
expect "a.orv|b.orv|kept.orv|sub dir" graph ""
expect "" graph a.orv ""
expect "b.orv" trace b
expect "" trace a.orv ""
expect "a.orv|b.orv|kept.orv|sub dir" diff ""
expect "b.orv" diff a.orv b
expect "a.orv|b.orv|kept.orv|sub dir" diff --json a.orv ""
expect "--json" diff a.orv b.orv ""
expect "" diff --json a.orv b.orv ""

# build and check: a SCRIPT (a .txt file, or a folder to look into), their options after a dash; folders
# only after -C, .orv files after -o, any file after --depfile.
expect "kept.orv|notes.txt|script.txt|sub dir" build ""
expect "script.txt" check sc
expect "--depfile|--depfile-phony|--quiet|--warnings-as-errors|-C|-o|-q" build -
expect "--warnings-as-errors|-C|-o" check -
expect "--depfile|--depfile-phony|--quiet|--warnings-as-errors|-C|-q" build -o out.orv -
expect "--depfile|--depfile-phony|--warnings-as-errors|-C" build -q -o out.orv -
expect "--depfile|--depfile-phony|--warnings-as-errors|-o" build --quiet -C music script.txt -
expect "--depfile|--depfile-phony|--quiet|--warnings-as-errors|-C|-o|-q" build script.txt ""
expect "--depfile" build --depfile-phony --dep
expect "kept.orv|sub dir" check -C ""
expect "sub dir" build -C s
expect "kept.orv|notes.txt|script.txt|sub dir" build -C music ""
expect "a.orv|b.orv|kept.orv|sub dir" build -o ""
expect "notes.txt" build --depfile n
expect "--warnings-as-errors|-C" check -o out.orv script.txt ""

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
echo "the completion offers the $(wc -w <<<"$commands") commands of --help, their options and their files"
