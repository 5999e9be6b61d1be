#!/usr/bin/env bash
# scripts/backtest-parallel on this machine (ssh login ":"): a back-test split into parts leaves the
# data directory exactly as one whole test does, and parts that do not fit the data directory are
# refused by the merge, kept, and still merge where they belong.
#
#   backtest_parallel_test.sh QUORVEL SOURCE_DIR
# Ends with 77 (skipped) when GNU parallel is not installed.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 QUORVEL SOURCE_DIR" >&2; exit 2; }
if ! command -v parallel >/dev/null 2>&1; then
  echo "GNU parallel is not installed: skipped"
  exit 77
fi
quorvel=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source_dir=$(cd "$2" && pwd)
script=$source_dir/scripts/backtest-parallel

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
# GNU parallel keeps its own files under PARALLEL_HOME; the script's temporary folder goes to TMPDIR.
export PARALLEL_HOME=$root/parallel-home
export TMPDIR=$root/tmp
mkdir -p "$TMPDIR"

failures=0
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
  fi
}
same_files() { # same_files DIR1 DIR2: the stakes and rating files are the same bytes
  cmp "$1/Quorvel_3r10.lsk" "$2/Quorvel_3r10.lsk" && cmp "$1/Quorvel_3r10.lrt" "$2/Quorvel_3r10.lrt"
}
nothing_left() { [ -z "$(ls -A "$TMPDIR")" ]; }
all_files() { # all_files FILE...: every one of them is there and not empty
  local file
  for file in "$@"; do [ -s "$file" ] || return 1; done
}

# The sample archive, a scenario of two lines (one of them with random stakes), one ssh login.
mkdir "$root/data"
"$quorvel" --data-dir "$root/data" import "$source_dir/samples/cash3.csv" >/dev/null
printf '%s\r\n' 'FULL:0#RAND|TSD1#NUMS:5-8;1#LNO:#ST:2| | | | | | |r' \
  'EXCL:3#ALL|TSD1#SUMS:2-3;1#LNO:#ST:4| | | | | | |a' >"$root/two.lsc"
echo : >"$root/hosts"
for copy in whole split split2 split3 refused kept; do cp -R "$root/data" "$root/$copy"; done

# --- Three parts with a seed give the files and summary of one whole test with that seed.
"$quorvel" --data-dir "$root/whole" scenario test "$root/two.lsc" --tests 20 --seed 7 >"$root/whole.out"
status=0
QUORVEL=$quorvel QUORVEL_DATA_DIR=$root/split "$script" -j 2 "$root/hosts" "$root/two.lsc" 20 3 --seed 7 \
  >"$root/split.out" 2>"$root/split.err" || status=$?
check "three parts: exit code 0" [ "$status" -eq 0 ]
check "three parts: stakes and rating as one whole test" same_files "$root/whole" "$root/split"
check "three parts: the summary of one whole test" diff "$root/whole.out" "$root/split.out"
check "three parts: the temporary folder is gone" nothing_left
if [ "$status" -ne 0 ]; then cat "$root/split.err" >&2; fi

# --- Without a seed every part derives the same one from the inputs: two parts and three agree.
QUORVEL=$quorvel QUORVEL_DATA_DIR=$root/split2 "$script" -j 2 "$root/hosts" "$root/two.lsc" 20 2 \
  >/dev/null 2>"$root/split2.err" || cat "$root/split2.err" >&2
(cd "$root/split3" && QUORVEL=$quorvel "$script" -j 2 "$root/hosts" "$root/two.lsc" 20 3 >/dev/null 2>"$root/split3.err") ||
  cat "$root/split3.err" >&2
check "derived seed: two parts and three parts leave the same files" same_files "$root/split2" "$root/split3"
check "derived seed: stakes were made" [ -s "$root/split3/Quorvel_3r10.lrt" ]

# --- The archive loses draws while the parts run: the merge refuses them with exit code 1, the
# stakes file stays as it was, and the parts are kept where the error stream says.
head -n 3000 "$source_dir/samples/cash3.csv" >"$root/short.csv"
mkdir "$root/short"
"$quorvel" --data-dir "$root/short" import "$root/short.csv" >/dev/null
"$quorvel" --data-dir "$root/refused" stakes add "1;2;3" --draws 3 >/dev/null
cp "$root/refused/Quorvel_3r10.lsk" "$root/refused.lsk"
cat >"$root/shrinking-quorvel" <<EOF
#!/bin/sh
if [ "\$3 \$4" = "scenario merge" ]; then cp "$root/short/Quorvel_3r10.ldr" "\$2/Quorvel_3r10.ldr"; fi
exec "$quorvel" "\$@"
EOF
chmod +x "$root/shrinking-quorvel"
status=0
QUORVEL=$root/shrinking-quorvel QUORVEL_DATA_DIR=$root/refused "$script" -j 2 "$root/hosts" "$root/two.lsc" 20 3 \
  --seed 7 >"$root/refused.out" 2>"$root/refused.err" || status=$?
check "other archive: the merge's exit code 1" [ "$status" -eq 1 ]
check "other archive: the stakes file is unchanged" cmp "$root/refused.lsk" "$root/refused/Quorvel_3r10.lsk"
check "other archive: no rating written" [ ! -e "$root/refused/Quorvel_3r10.lrt" ]
kept=$(sed -n 's/^backtest-parallel: the parts are kept in //p' "$root/refused.err")
check "other archive: the folder of the kept parts is named" [ -n "$kept" ]
parts=()
for part in 1 2 3; do parts+=("$kept/part-$part.qpart"); done
check "other archive: all three parts are kept" all_files "${parts[@]}"

# --- The kept parts merged into the archive they were made from: one whole test again.
status=0
"$quorvel" --data-dir "$root/kept" scenario merge "${parts[@]}" >"$root/kept.out" || status=$?
check "kept parts: merged with exit code 0" [ "$status" -eq 0 ]
check "kept parts: stakes and rating as one whole test" same_files "$root/whole" "$root/kept"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
