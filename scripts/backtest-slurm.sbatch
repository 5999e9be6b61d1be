#!/usr/bin/env bash
#SBATCH --job-name=quorvel-backtest
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
# Back-tests a scenario in M parts on a Slurm cluster: an array job works out one part per task,
# and a merge job that waits for the whole array puts the parts into the data directory as one
# whole "scenario test" would have left it. The data directory, the scenario and the shared folder
# of the parts must be on a file system that every node sees.
#
# On the login node, submit both jobs at once (the job ids and the shared folder are printed):
#   scripts/backtest-slurm.sbatch --submit F.lsc N M [quorvel options: --seed S --log --jobs J]
# or each by hand:
#   sbatch --array=1-M scripts/backtest-slurm.sbatch F.lsc N M [options]     (one part a task)
#   sbatch --dependency=afterok:ARRAY_ID scripts/backtest-slurm.sbatch --merge FOLDER M
# --merge also runs directly, without sbatch.
#
# Environment (sbatch passes it on to the jobs): QUORVEL is the program ("quorvel" on PATH by
# default); QUORVEL_DATA_DIR the data directory (default: the directory sbatch was run from);
# QUORVEL_PARTS_DIR the shared folder of the parts (default: "quorvel-parts-ARRAY_ID" there, or a
# new "quorvel-backtest.XXXXXX" folder with --submit). Each task works in a scratch data directory
# of its own under TMPDIR (the shared folder when TMPDIR is not set). Partition, account, time
# limit and the like come from the SBATCH_* variables or sbatch options as usual.
set -euo pipefail

usage() {
  cat >&2 <<'EOF'
Usage: scripts/backtest-slurm.sbatch --submit F.lsc N M [quorvel options: --seed S --log --jobs J]
       sbatch --array=1-M scripts/backtest-slurm.sbatch F.lsc N M [quorvel options]
       scripts/backtest-slurm.sbatch --merge FOLDER M
Environment: QUORVEL (program, default "quorvel"), QUORVEL_DATA_DIR (default: current directory),
             QUORVEL_PARTS_DIR (shared folder of the parts)
EOF
  exit 2
}

fail() {
  echo "backtest-slurm: $*" >&2
  exit 2
}

# "F.lsc N M [options]": checks the arguments and sets scenario, tests, parts and options.
read_test_arguments() {
  [ $# -ge 3 ] || usage
  scenario=$1 tests=$2 parts=$3
  shift 3
  options=("$@")
  [[ $tests =~ ^[1-9][0-9]*$ ]] || usage
  [[ $parts =~ ^[1-9][0-9]*$ ]] || usage
  [ "$parts" -le "$tests" ] || fail "the number of parts ($parts) is more than the number of tests ($tests)"
  local option
  for option in "${options[@]}"; do
    case "$option" in
      --shard | --out | --tests) fail "$option is set by the script" ;;
    esac
  done
}

absolute() { # absolute PATH: the path from the root, for a file or folder that exists
  if [ -d "$1" ]; then (cd "$1" && pwd); else echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; fi
}

data=${QUORVEL_DATA_DIR:-.}
quorvel=${QUORVEL:-quorvel}
if [[ $quorvel == */* && $quorvel != /* ]]; then quorvel=$(absolute "$quorvel"); fi
inputs=(Quorvel_3r10.ldr Quorvel_3r10.ini Quorvel_3r10.frm Quorvel_3r10.flt Systems)

# The inputs of a part: the data directory's input files under data/ and the scenario beside it.
copy_inputs() { # copy_inputs FROM_DATA SCENARIO TO
  local file
  mkdir -p "$3/data"
  for file in "${inputs[@]}"; do
    if [ -e "$1/$file" ]; then cp -R "$1/$file" "$3/data/"; fi
  done
  cp "$2" "$3/"
}

part_files() { # part_files FOLDER M: the parts in pass order
  local part
  for ((part = 1; part <= $2; part++)); do echo "$1/part-$part.qpart"; done
}

case "${1:-}" in
  --submit)
    # On the login node: take a snapshot of the inputs into a new shared folder, so that every
    # part works from the same ones, then submit the array and the merge that waits for it.
    shift
    read_test_arguments "$@"
    command -v sbatch >/dev/null 2>&1 || fail "sbatch is not available here"
    [ -f "$scenario" ] || fail "no scenario file \"$scenario\""
    [ -f "$data/Quorvel_3r10.ldr" ] || fail "no draws file Quorvel_3r10.ldr in the data directory \"$data\""
    self=$(absolute "$0")
    QUORVEL_DATA_DIR=$(absolute "$data")
    export QUORVEL=$quorvel QUORVEL_DATA_DIR
    if [ -n "${QUORVEL_PARTS_DIR:-}" ]; then
      mkdir -p "$QUORVEL_PARTS_DIR"
      QUORVEL_PARTS_DIR=$(absolute "$QUORVEL_PARTS_DIR")
    else
      QUORVEL_PARTS_DIR=$(mktemp -d "$PWD/quorvel-backtest.XXXXXX")
    fi
    export QUORVEL_PARTS_DIR
    rm -rf "$QUORVEL_PARTS_DIR/input"
    copy_inputs "$QUORVEL_DATA_DIR" "$scenario" "$QUORVEL_PARTS_DIR/input"
    scenario=$QUORVEL_PARTS_DIR/input/$(basename "$scenario")
    # A part computed on J threads gets J cores.
    cores=()
    for ((i = 0; i < ${#options[@]}; i++)); do
      if [ "${options[i]}" = --jobs ] && [ $((i + 1)) -lt ${#options[@]} ]; then
        cores=(--cpus-per-task="${options[i + 1]}")
      fi
    done
    array=$(sbatch --parsable --array="1-$parts" "${cores[@]}" "$self" "$scenario" "$tests" "$parts" "${options[@]}")
    array=${array%%;*}
    merge=$(sbatch --parsable --dependency="afterok:$array" --kill-on-invalid-dep=yes \
      --job-name=quorvel-merge --output="quorvel-merge-%j.out" "$self" --merge "$QUORVEL_PARTS_DIR" "$parts")
    merge=${merge%%;*}
    echo "Parts: array job $array ($parts tasks), folder $QUORVEL_PARTS_DIR"
    echo "Merge: job $merge into $QUORVEL_DATA_DIR, summary in quorvel-merge-$merge.out"
    exit 0
    ;;

  --merge)
    # After the array: the parts into the data directory; the exit code is the merge's. The
    # shared folder goes once merged and is kept otherwise.
    if [ $# -ne 3 ] || ! [[ $3 =~ ^[1-9][0-9]*$ ]]; then usage; fi
    folder=$2 parts=$3
    [ -d "$folder" ] || fail "no folder of parts \"$folder\""
    mapfile -t files < <(part_files "$folder" "$parts")
    status=0
    "$quorvel" --data-dir "$data" scenario merge "${files[@]}" || status=$?
    if [ "$status" -eq 0 ]; then
      rm -f "${files[@]}"
      rm -rf "$folder/input"
      rmdir "$folder" 2>/dev/null || true
    else
      echo "backtest-slurm: nothing merged; the parts are kept in $folder" >&2
    fi
    exit "$status"
    ;;

  -h | --help) usage ;;
esac

# One task of the array: part SLURM_ARRAY_TASK_ID of M.
read_test_arguments "$@"
part=${SLURM_ARRAY_TASK_ID:-}
[ -n "$part" ] || fail "not an array task: submit with sbatch --array=1-$parts, or use --submit"
if ! [[ $part =~ ^[0-9]+$ ]] || [ "$part" -lt 1 ] || [ "$part" -gt "$parts" ]; then
  fail "array task $part is not one of 1-$parts (submit with --array=1-$parts)"
fi
folder=${QUORVEL_PARTS_DIR:-${SLURM_SUBMIT_DIR:-$PWD}/quorvel-parts-${SLURM_ARRAY_JOB_ID:-0}}
mkdir -p "$folder"
scratch=$(mktemp -d "${TMPDIR:-$folder}/quorvel-part-$part.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
# A scenario of the snapshot that --submit took comes with the snapshot's data files; otherwise the
# inputs are those of the data directory when the task starts.
[ -f "$scenario" ] || fail "no scenario file \"$scenario\""
from=$data
if [ "$(dirname "$scenario")" = "$folder/input" ]; then from=$folder/input/data; fi
[ -f "$from/Quorvel_3r10.ldr" ] || fail "no draws file Quorvel_3r10.ldr in the data directory \"$from\""
copy_inputs "$from" "$scenario" "$scratch"
# The part appears under its name only once whole, so a merge never reads half a file.
"$quorvel" --data-dir "$scratch/data" scenario test "$scratch/$(basename "$scenario")" --tests "$tests" \
  "${options[@]}" --shard "$part/$parts" --out "$folder/part-$part.qpart.tmp"
mv -f "$folder/part-$part.qpart.tmp" "$folder/part-$part.qpart"
