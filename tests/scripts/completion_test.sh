#!/usr/bin/env bash
# The bash completion of the command line, run against the built program: commands, actions,
# options of a command and method codes after --method.
set -euo pipefail
program=$1
completion=$2
source "$completion"
fail() { echo "completion test: $*" >&2; exit 1; }
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _quorvel
  echo "${COMPREPLY[*]}"
}
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
[ "$(complete_words "$program" sta)" = "stakes stats" ] || fail "sta gives \"$(complete_words "$program" sta)\""
[ "$(complete_words "$program" --data-dir "$data" stats --method NU)" = "NUMS" ] || fail "--method NU gives no NUMS"
[ "$(complete_words "$program" rating sig)" = "significance" ] || fail "rating sig gives no significance"
options=$(complete_words "$program" scenario validate --tr)
[[ " $options " == *" --train "* ]] || fail "scenario validate --tr gives \"$options\""
echo "completion test passed"
