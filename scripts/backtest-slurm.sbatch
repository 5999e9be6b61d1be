#!/usr/bin/env bash
#SBATCH --job-name=quorvel-backtest
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
# Back-tests a scenario in M parts on a Slurm cluster: an array job works out one part per task,
# and a merge job that waits for the whole array puts the parts into the data directory as one
# whole "scenario test" would have left it. The data directory, the scenario and the shared folder
# of the parts must be on a file system that every node sees.
#
# On the login node, submit both jobs at once (the job ids and the shared folder are printed);
# with --wait the script waits for the merge and ends with its exit code:
#   scripts/backtest-slurm.sbatch --submit [--wait] F.lsc N M [quorvel options: --seed S --log --jobs J]
# --submit takes a snapshot of the inputs into the shared folder and records the test there, so
# the jobs need nothing from the environment. Submitting again with QUORVEL_PARTS_DIR set to the
# folder of a run that failed submits only the parts still missing, damaged or made from other
# inputs, then the merge. One part of such a folder again, by hand:
#   sbatch --array=K scripts/backtest-slurm.sbatch --part FOLDER
# The jobs by hand, reading the data directory when each task starts:
#   sbatch --array=1-M scripts/backtest-slurm.sbatch F.lsc N M [options]     (one part a task)
#   sbatch --dependency=afterok:ARRAY_ID scripts/backtest-slurm.sbatch --merge FOLDER M
# --merge also runs directly, without sbatch.
#
# Environment: QUORVEL is the program ("quorvel" on PATH by default); QUORVEL_DATA_DIR the data
# directory (default: the current directory); QUORVEL_PARTS_DIR the shared folder of the parts
# (default: a new "quorvel-backtest.XXXXXX" in the current directory with --submit,
# "quorvel-parts-ARRAY_ID" by hand). Each task works in a scratch data directory of its own under
# TMPDIR (the shared folder when TMPDIR is not set) and writes its output into the shared folder.
# Partition, account, time limit and the like come from the SBATCH_* variables or sbatch options
# as usual. QUORVEL_POLL_SECONDS is how often --wait asks Slurm (10 by default).
set -euo pipefail

usage() {
  cat >&2 <<'EOF'
Usage: scripts/backtest-slurm.sbatch --submit [--wait] F.lsc N M [quorvel options: --seed S --log --jobs J]
       sbatch --array=K[,K...] scripts/backtest-slurm.sbatch --part FOLDER
       sbatch --array=1-M scripts/backtest-slurm.sbatch F.lsc N M [quorvel options]
       scripts/backtest-slurm.sbatch --merge FOLDER [M]
--merge puts the parts of FOLDER into the data directory they were submitted from (--submit), or
else into QUORVEL_DATA_DIR, by default the current directory.
Environment: QUORVEL (program, default "quorvel"), QUORVEL_DATA_DIR (default: current directory),
             QUORVEL_PARTS_DIR (shared folder of the parts; a kept one given again resumes the run)
EOF
  exit 2
}

fail() {
  echo "backtest-slurm: $*" >&2
  exit 2
}

# "F.lsc N M [options]": checks the arguments and sets scenario, tests, parts, options and jobs.
read_test_arguments() {
  [ $# -ge 3 ] || usage
  scenario=$1 tests=$2 parts=$3
  shift 3
  options=("$@")
  [[ $tests =~ ^[1-9][0-9]*$ ]] || usage
  [[ $parts =~ ^[1-9][0-9]*$ ]] || usage
  [ "$parts" -le "$tests" ] || fail "the number of parts ($parts) is more than the number of tests ($tests)"
  jobs=1
  local i option
  for ((i = 0; i < ${#options[@]}; i++)); do
    option=${options[i]}
    case "$option" in
      --shard | --shard=* | --out | --out=* | --tests | --tests=* | --shards | --shards=* | --pending | --pending=*)
        fail "${option%%=*} is set by the script"
        ;;
      --jobs=*) jobs=${option#--jobs=} ;;
      --jobs) if [ $((i + 1)) -lt ${#options[@]} ]; then jobs=${options[i + 1]}; fi ;;
    esac
  done
  [[ $jobs =~ ^[1-9][0-9]*$ ]] || fail "--jobs needs a whole number of threads, not \"$jobs\""
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

# pending FOLDER: the numbers of the parts the folder still lacks for its recorded test, checked
# in a scratch copy of its snapshot; why a file there is not taken goes to the error stream.
pending() {
  local check status=0
  check=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-check.XXXXXX")
  cp -R "$1/input/." "$check/"
  "$quorvel" --data-dir "$check/data" scenario test "$check/$scenario_name" --tests "$tests" "${options[@]}" \
    --shards "$parts" --pending "$1" || status=$?
  rm -rf "$check"
  return "$status"
}

# ranges K...: the numbers in Slurm's array form, "1-3,5".
ranges() {
  local spec='' first='' last='' n
  for n in "$@" ''; do
    if [ -n "$n" ] && [ -n "$last" ] && [ "$n" -eq $((last + 1)) ]; then
      last=$n
      continue
    fi
    if [ -n "$first" ]; then
      spec+=${spec:+,}$first
      if [ "$last" != "$first" ]; then spec+=-$last; fi
    fi
    first=$n last=$n
  done
  echo "$spec"
}

# The most CPUs one node of the partition the jobs go to has.
largest_node() {
  sinfo -h ${SBATCH_PARTITION:+--partition="$SBATCH_PARTITION"} -o %c | tr -c '0-9\n' ' ' |
    awk '{ if ($1 + 0 > most) most = $1 + 0 } END { print most + 0 }'
}

# job_state ID: "STATE EXIT" of a job, or nothing once Slurm no longer knows it.
job_state() {
  local line
  line=$(scontrol show job -o "$1" 2>/dev/null) || {
    sacct -n -X -P -j "$1" -o State,ExitCode 2>/dev/null | head -n 1 | tr '|' ' '
    return 0
  }
  printf '%s %s\n' "$(sed -n 's/.*JobState=\([A-Z_]*\).*/\1/p' <<<"$line")" \
    "$(sed -n 's/.*[^a-zA-Z]ExitCode=\([0-9]*\).*/\1/p' <<<"$line")"
}

# wait_for_merge MERGE ARRAY FOLDER OUT: waits until the merge job ends; prints its summary and
# ends with its exit code, or names the parts that failed and their output files.
wait_for_merge() {
  local merge=$1 array=$2 folder=$3 out=$4 state='' code=''
  echo "Waiting for the merge (Ctrl+C stops waiting; the jobs go on)..." >&2
  while :; do
    read -r state code <<<"$(job_state "$merge")" || true
    case "$state" in
      PENDING | RUNNING | CONFIGURING | COMPLETING | SUSPENDED | REQUEUED | RESIZING | SIGNALING) ;;
      *) break ;;
    esac
    sleep "${QUORVEL_POLL_SECONDS:-10}"
  done
  # A merge that succeeded removed the folder, which tells also once Slurm has forgotten the job.
  if [ -f "$out" ] && { [ "$state" = COMPLETED ] || { [ -z "$state" ] && [ ! -e "$folder" ]; }; }; then
    cat "$out"
    return 0
  fi
  local part failed
  failed=$(pending "$folder" 2>/dev/null) || failed=''
  for part in $failed; do
    echo "backtest-slurm: part $part failed; its output: $folder/slurm-${array}_$part.out" >&2
  done
  if [ -f "$out" ]; then
    echo "backtest-slurm: the merge ended ${state:-with code $code}; its output: $out" >&2
    sed 's/^/  /' "$out" >&2
  else
    echo "backtest-slurm: the merge did not run (${state:-gone}); nothing was merged" >&2
  fi
  echo "backtest-slurm: the parts are kept in $folder; submit again with QUORVEL_PARTS_DIR=$folder" \
    "to work out only what is missing" >&2
  [ -n "$code" ] && [ "$code" != 0 ] && return "$code"
  return 1
}

submit() {
  local wait=false
  if [ "${1:-}" = --wait ]; then
    wait=true
    shift
  fi
  read_test_arguments "$@"
  command -v sbatch >/dev/null 2>&1 || fail "sbatch is not available here"
  [ -f "$scenario" ] || fail "no scenario file \"$scenario\""
  [ -f "$data/Quorvel_3r10.ldr" ] || fail "no draws file Quorvel_3r10.ldr in the data directory \"$data\""
  quorvel=$(command -v "$quorvel") || fail "no program \"${QUORVEL:-quorvel}\" here (set QUORVEL)"
  local most
  most=$(largest_node 2>/dev/null) || most=0
  if [ "$most" -gt 0 ] && [ "$jobs" -gt "$most" ]; then
    fail "--jobs $jobs asks for $jobs CPUs a task, but no node${SBATCH_PARTITION:+ of $SBATCH_PARTITION} has more than $most"
  fi
  local self folder
  self=$(absolute "$0")
  data=$(absolute "$data")
  if [ -n "${QUORVEL_PARTS_DIR:-}" ]; then
    mkdir -p "$QUORVEL_PARTS_DIR"
    folder=$(absolute "$QUORVEL_PARTS_DIR")
  else
    folder=$(mktemp -d "$PWD/quorvel-backtest.XXXXXX")
  fi
  # The snapshot every part works from, and the test, recorded for the jobs.
  rm -rf "$folder/input"
  copy_inputs "$data" "$scenario" "$folder/input"
  scenario_name=$(basename "$scenario")
  declare -p quorvel data scenario_name tests parts options jobs >"$folder/test.tmp"
  mv -f "$folder/test.tmp" "$folder/test"

  local todo array='' merge out
  todo=$(pending "$folder") || fail "the folder of the parts could not be checked"
  # shellcheck disable=SC2086 # the part numbers, one word each
  if [ -n "$todo" ]; then
    array=$(sbatch --parsable --array="$(ranges $todo)" --cpus-per-task="$jobs" \
      --output="$folder/slurm-%A_%a.out" "$self" --part "$folder")
    array=${array%%;*}
    echo "Parts: array job $array ($(wc -w <<<"$todo") of $parts tasks), folder $folder"
  else
    echo "Parts: all $parts are in $folder already"
  fi
  merge=$(sbatch --parsable ${array:+--dependency=afterok:$array --kill-on-invalid-dep=yes} \
    --job-name=quorvel-merge --output="$PWD/quorvel-merge-%j.out" "$self" --merge "$folder")
  merge=${merge%%;*}
  out=$PWD/quorvel-merge-$merge.out
  echo "Merge: job $merge into $data, summary in $out"
  if $wait; then wait_for_merge "$merge" "$array" "$folder" "$out"; fi
}

# One task of a submitted array: part SLURM_ARRAY_TASK_ID of the test recorded in FOLDER.
work_part() {
  [ $# -eq 1 ] || usage
  local folder=$1 part=${SLURM_ARRAY_TASK_ID:-}
  [ -f "$folder/test" ] || fail "no test recorded in \"$folder\" (made by --submit)"
  # shellcheck disable=SC1091 # written by submit
  source "$folder/test"
  [ -n "$part" ] || fail "not an array task: submit with sbatch --array=K"
  if ! [[ $part =~ ^[0-9]+$ ]] || [ "$part" -lt 1 ] || [ "$part" -gt "$parts" ]; then
    fail "array task $part is not one of 1-$parts"
  fi
  run_part "$folder" "$folder/input/data" "$folder/input/$scenario_name" "$part"
}

# run_part FOLDER FROM_DATA SCENARIO K: part K worked out in a scratch copy of the inputs.
run_part() {
  local folder=$1 from=$2 scenario=$3 part=$4
  [ -f "$scenario" ] || fail "no scenario file \"$scenario\""
  [ -f "$from/Quorvel_3r10.ldr" ] || fail "no draws file Quorvel_3r10.ldr in the data directory \"$from\""
  scratch=$(mktemp -d "${TMPDIR:-$folder}/quorvel-part-$part.XXXXXX")
  trap 'rm -rf "${scratch:-}"' EXIT
  copy_inputs "$from" "$scenario" "$scratch"
  # The part appears under its name only once whole, so a merge never reads half a file.
  "$quorvel" --data-dir "$scratch/data" scenario test "$scratch/$(basename "$scenario")" --tests "$tests" \
    "${options[@]}" --shard "$part/$parts" --out "$folder/part-$part.qpart.tmp"
  mv -f "$folder/part-$part.qpart.tmp" "$folder/part-$part.qpart"
}

# After the array: the parts into the data directory; the exit code is the merge's. The shared
# folder goes once merged and is kept otherwise.
merge_parts() {
  [ $# -eq 1 ] || [ $# -eq 2 ] || usage
  local folder=$1 status=0
  [ -d "$folder" ] || fail "no folder of parts \"$folder\""
  if [ -f "$folder/test" ]; then
    # shellcheck disable=SC1091 # written by submit
    source "$folder/test"
    if [ $# -eq 2 ] && [ "$2" != "$parts" ]; then fail "the test in \"$folder\" has $parts parts, not $2"; fi
  else
    if [ $# -ne 2 ] || ! [[ $2 =~ ^[1-9][0-9]*$ ]]; then usage; fi
    parts=$2
  fi
  mapfile -t files < <(part_files "$folder" "$parts")
  "$quorvel" --data-dir "$data" scenario merge "${files[@]}" || status=$?
  if [ "$status" -eq 0 ]; then
    rm -f "${files[@]}" "$folder/test" "$folder"/slurm-*.out
    rm -rf "$folder/input"
    rmdir "$folder" 2>/dev/null || true
  else
    echo "backtest-slurm: nothing merged; the parts are kept in $folder" >&2
  fi
  return "$status"
}

case "${1:-}" in
  --submit)
    shift
    submit "$@"
    exit
    ;;
  --part)
    shift
    work_part "$@"
    exit
    ;;
  --merge)
    shift
    merge_parts "$@"
    exit
    ;;
  -h | --help) usage ;;
esac

# One task of an array submitted by hand: part SLURM_ARRAY_TASK_ID of M, from the data directory
# as it is when the task starts.
read_test_arguments "$@"
part=${SLURM_ARRAY_TASK_ID:-}
[ -n "$part" ] || fail "not an array task: submit with sbatch --array=1-$parts, or use --submit"
if ! [[ $part =~ ^[0-9]+$ ]] || [ "$part" -lt 1 ] || [ "$part" -gt "$parts" ]; then
  fail "array task $part is not one of 1-$parts (submit with --array=1-$parts)"
fi
folder=${QUORVEL_PARTS_DIR:-${SLURM_SUBMIT_DIR:-$PWD}/quorvel-parts-${SLURM_ARRAY_JOB_ID:-0}}
mkdir -p "$folder"
run_part "$(absolute "$folder")" "$data" "$scenario" "$part"
