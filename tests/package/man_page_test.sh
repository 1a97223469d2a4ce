#!/usr/bin/env bash
# The manual page renders without a warning, and lists what `orvtool --help` lists: each command with
# its arguments in SYNOPSIS, an entry in COMMANDS and one in EXIT STATUS, each option in OPTIONS, and
# nothing that --help does not know.
# Usage: man_page_test.sh ORVTOOL PAGE
set -euo pipefail
orvtool=$1 page=$2
source "$(dirname "$0")/../support/test_frame.sh"

warnings=$(groff -man -ww -z "$page" 2>&1)
[[ -z $warnings ]] || fail "groff warns about the page: $warnings"
rendered=$(MANWIDTH=80 man -l "$page" 2>&1)
[[ $rendered == "ORVTOOL(1)"*$'\nNAME\n       orvtool '* ]] || fail "man -l does not render the page: ${rendered:0:400}"

# Plain text, lines long enough that no entry is wrapped.
text=$(groff -man -Tascii -P-cbou -rLL=300n "$page")
# The lines of one section of the page, from its heading to the next.
section() { awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside' <<<"$text"; }
# True when a line of section $1 begins, at the tag's indent, with $2, or with names joined by ", " one
# of which is $2 ("-q, --quiet"), followed by a blank, a comma or the line's end.
has_tag() {
  section "$1" | awk -v tag="$2" '
    /^       [^ ]/ {
      for (rest = substr($0, 8); ; rest = substr(rest, next_name + 2)) {
        if (substr(rest, 1, length(tag)) == tag && substr(rest, length(tag) + 1, 1) ~ /^[ ,]?$/) found = 1
        next_name = index(rest, ", ")
        if (!next_name) break
      }
    }
    END { exit !found }'
}

help=$("$orvtool" --help)
commands=$(awk '/^commands:/ { inside = 1; next } /^$/ { inside = 0 } inside' <<<"$help" |
  sed -E 's/^  //; s/ {2,}.*//')
help_options=$(awk '/^options:/ { inside = 1; next } /^$/ { inside = 0 } inside { print $1 }' <<<"$help")
[[ -n $commands && -n $help_options ]] || fail "no commands or options found in --help:\n$help"

synopsis=$(section SYNOPSIS)
while IFS= read -r usage; do
  name=${usage%% *}
  grep -qxF "       orvtool $usage" <<<"$synopsis" || fail "SYNOPSIS lacks 'orvtool $usage'"
  has_tag COMMANDS "$usage" || fail "COMMANDS has no entry '$usage'"
  has_tag "EXIT STATUS" "$name" || fail "EXIT STATUS has no entry for '$name'"
done <<<"$commands"

# The page's commands are those of --help.
while read -r _ name _; do
  [[ $name == -* ]] && continue
  grep -qE "^$name( |$)" <<<"$commands" || fail "SYNOPSIS names '$name', which --help does not list"
done <<<"$synopsis"

# Options: those of the commands' arguments and the global ones, the same set on both sides.
options_in() { grep -oE '(^|[ [|])--?[A-Za-z][A-Za-z-]*' | sed -E 's/^[ [|]//' | sort -u; }
help_set=$({ echo "$commands" | options_in; echo "$help_options"; } | sort -u)
page_set=$(section SYNOPSIS | options_in)
[[ $help_set == "$page_set" ]] || fail "options differ: --help has [$(echo $help_set)], SYNOPSIS [$(echo $page_set)]"
for option in $help_set; do
  has_tag OPTIONS "$option" || fail "OPTIONS has no entry '$option'"
done
while read -r option; do
  [[ -z $option ]] || grep -qxF -- "$option" <<<"$help_set" || fail "OPTIONS lists '$option', which --help does not"
done < <(section OPTIONS | grep -oE '^ {7}--?[A-Za-z][A-Za-z-]*' | sed 's/^ *//')

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
echo "the page lists the $(wc -l <<<"$commands") commands and $(wc -w <<<"$help_set") options of --help"
