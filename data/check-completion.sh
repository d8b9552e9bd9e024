#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Completes a few phodex-cli command lines with the completion script and
# compares the offers. Usage: check-completion.sh COMPLETION-SCRIPT
set -uo pipefail
framework=/usr/share/bash-completion/bash_completion
[ -r "$framework" ] || { echo "bash-completion is not installed" >&2; exit 77; }
# shellcheck source=/dev/null
. "$framework"
# shellcheck source=/dev/null
. "$1"
# Outside a real completion, bash refuses compopt; the offers are what is checked.
compopt() { :; }

status=0
# expect LINE OFFERS: completes LINE (the cursor at its end) and compares.
expect() {
  local line=$1 wanted=$2
  COMP_LINE=$line
  COMP_POINT=${#line}
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _phodex_cli phodex-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  if [ "${got% }" != "$wanted" ]; then
    printf 'completing "%s": got "%s", wanted "%s"\n' "$line" "${got% }" "$wanted" >&2
    status=1
  fi
}

expect "phodex-cli dow" "download"
expect "phodex-cli --quiet g" "get-list"
expect "phodex-cli download 12345 --al" "--albums"
expect "phodex-cli list x --j" "--json"
expect "phodex-cli --sub " "0 1 2"
expect "phodex-cli --site 1 settings skip" "skip-previous="
expect "phodex-cli --vers" "--version"
exit $status
