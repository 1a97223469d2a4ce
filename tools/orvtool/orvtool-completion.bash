# Bash completion for orvtool: its commands and options, .orv files where a FILE or OUT goes, scripts
# (.txt) where a SCRIPT goes, any file after --depfile, directories after -C. Installed as share/bash-completion/completions/orvtool; needs nothing from the bash-completion
# package, so sourcing it by hand works too.

# Offers the .orv files and the directories (to walk into) that begin with $1.
_orvtool_orv_files() {
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <({ compgen -f -X '!*.orv' -- "$1"; compgen -d -- "$1"; } | sort -u)
}

# Offers the scripts (.txt) and the directories that begin with $1.
_orvtool_scripts() {
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <({ compgen -f -X '!*.txt' -- "$1"; compgen -d -- "$1"; } | sort -u)
}

# Offers those of the options $2... that begin with $1 and are not on the command line yet.
_orvtool_options() {
  local cur=$1 option word unused=()
  shift
  for option in "$@"; do
    for word in "${COMP_WORDS[@]:2:COMP_CWORD-2}"; do
      [[ $word == "$option" ]] && continue 2
    done
    unused+=("$option")
  done
  mapfile -t COMPREPLY < <(compgen -W "${unused[*]}" -- "$cur")
}

# True when a word between the command and the one being completed is no option.
_orvtool_has_operand() {
  _orvtool_has_operands 1
}

# True when at least $1 words between the command and the one being completed are no options, nor the
# values of the options that take one.
_orvtool_has_operands() {
  local word found=0 value=no
  for word in "${COMP_WORDS[@]:2:COMP_CWORD-2}"; do
    if [[ $value == yes ]]; then
      value=no
    elif [[ $word == -C || $word == -o || $word == --depfile ]]; then
      value=yes
    elif [[ $word != -* ]]; then
      found=$((found + 1))
    fi
  done
  ((found >= $1))
}

_orvtool() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()
  if ((COMP_CWORD == 1)); then
    mapfile -t COMPREPLY < <(compgen -W "build check info trace graph diff --help --version" -- "$cur")
    return
  fi
  case ${COMP_WORDS[1]} in
    build | check)
      local options=(-C -o --warnings-as-errors)
      [[ ${COMP_WORDS[1]} == build ]] && options+=(--depfile --depfile-phony)
      # -q and --quiet are one option: once either is there, neither is offered.
      local word quiet=(-q --quiet)
      for word in "${COMP_WORDS[@]:2:COMP_CWORD-2}"; do [[ $word == -q || $word == --quiet ]] && quiet=(); done
      [[ ${COMP_WORDS[1]} == build ]] && options+=("${quiet[@]}")
      if [[ $prev == -C ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      elif [[ $prev == -o ]]; then
        _orvtool_orv_files "$cur"
      elif [[ $prev == --depfile ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      elif [[ $cur == -* ]] || _orvtool_has_operand; then
        # One SCRIPT: once it is there, only the options are left to offer.
        _orvtool_options "$cur" "${options[@]}"
      else
        _orvtool_scripts "$cur"
      fi
      ;;
    info)
      # One FILE: once it is there, only the option is left to offer.
      if [[ $cur == -* ]] || _orvtool_has_operand; then
        _orvtool_options "$cur" --json
      else
        _orvtool_orv_files "$cur"
      fi
      ;;
    diff)
      # OLD and NEW: once both are there, only the option is left to offer.
      if [[ $cur == -* ]] || _orvtool_has_operands 2; then
        _orvtool_options "$cur" --json
      else
        _orvtool_orv_files "$cur"
      fi
      ;;
    trace | graph)
      # FILE comes first; trace's events after it are numbers, nothing to look up.
      ((COMP_CWORD == 2)) && _orvtool_orv_files "$cur"
      ;;
  esac
  return 0
}

complete -F _orvtool orvtool
