#!/usr/bin/env bash
# Drives the bash completion of zentrova-calc as bash would on Tab.
# usage: completion-test.bash COMPLETION_SCRIPT ZENTROVA_CALC
set -uo pipefail
completion=$1
export PATH="$(cd "$(dirname "$2")" && pwd):$PATH"
# shellcheck source=/dev/null
. "$completion"

failed=0
passed=0
# expect "WORDS TYPED" "EXPECTED CANDIDATES", in the order of --help, --list
# and the window's visual order.
expect() {
  read -r -a COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _zentrova_calc
  local got
  local got="${COMPREPLY[*]}"
  if [[ $got == "$2" ]]; then
    passed=$((passed + 1))
  else
    echo "completing '$1': got '$got', expected '$2'" >&2
    failed=$((failed + 1))
  fi
}

expect "zentrova-calc --j" "--json"
expect "zentrova-calc --" "--json --explain --bode --sweep --max-points --batch --csv-in --design --report --fields --list --help --version --"
expect "zentrova-calc d" "dlbch dybch"
expect "zentrova-calc --json z" "zddsdz zddsdr"
expect "zentrova-calc gl Text1" "Text1= Text11= Text10="
expect "zentrova-calc --json XL Text1=5 T" "Text1= Text2="
expect "zentrova-calc -- g" "gl"
expect "zentrova-calc gl Text1=" ""
echo "$passed passed, $failed failed"
((failed == 0))
