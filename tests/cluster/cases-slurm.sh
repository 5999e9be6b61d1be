# shellcheck shell=bash
# scripts/backtest-slurm.sbatch --submit --wait on the one-node Slurm: split runs, the two forms of
# --jobs, SBATCH_EXPORT=NONE, a failing task and a resumed run. Sourced by run-cluster.sh.

slurm_script=$source_dir/scripts/backtest-slurm.sbatch

# split_slurm NAME PROGRAM M [OPTION...]: a submitted run from its own submit directory into a fresh
# copy NAME of the data; its exit code in status.
split_slurm() {
  local name=$1 program=$2 parts=$3
  shift 3
  fresh "$root/$name"
  mkdir -p "$root/$name.submit"
  status=0
  (cd "$root/$name.submit" && QUORVEL=$program QUORVEL_DATA_DIR=$root/$name bounded "$slurm_script" \
    --submit --wait "$scenario" "$tests" "$parts" "${test_options[@]}" "$@") \
    >"$root/$name.out" 2>"$root/$name.err" || status=$?
}
only_the_summary_is_left() { # only_the_summary_is_left NAME: the submit directory holds the merge's output alone
  [ "$(cd "$root/$1.submit" && ls)" = "$(cd "$root/$1.submit" && ls quorvel-merge-*.out)" ]
}

echo "== Slurm"
counting_program "$root/slurm-counting" "$root/slurm-jobs.count"
split_slurm slurm-3 "$quorvel" 3
split_slurm slurm-6 "$root/slurm-counting" 6 --jobs=2
for name in slurm-3 slurm-6; do
  check "$name: exit code 0" [ "$status" -eq 0 ]
  check "$name: the files of one whole test" same_as_whole "$root/$name"
  check "$name: the merge's summary is printed" grep -q "^Ставок: " "$root/$name.out"
  check "$name: the submit directory keeps the summary alone" only_the_summary_is_left "$name"
  [ "$status" -eq 0 ] || sed 's/^/  /' "$root/$name.err" >&2
done
check "slurm, --jobs=2: every task had two CPUs" [ "$(sort -u "$root/slurm-jobs.count.cpus")" = 2 ]

split_slurm slurm-too-many "$quorvel" 3 --jobs 3
check "slurm, --jobs 3 on a node of 2 CPUs: refused with exit code 2" [ "$status" -eq 2 ]
check "slurm, --jobs 3: says why" grep -q "no node has more than 2" "$root/slurm-too-many.err"
check "slurm, --jobs 3: nothing was submitted" [ -z "$(squeue -h -o %i)" ]

# The site passes no environment to the jobs: the program and data directory still reach them.
SBATCH_EXPORT=NONE split_slurm slurm-export-none "$quorvel" 3
check "slurm, SBATCH_EXPORT=NONE: exit code 0" [ "$status" -eq 0 ]
check "slurm, SBATCH_EXPORT=NONE: the files of one whole test" same_as_whole "$root/slurm-export-none"
[ "$status" -eq 0 ] || sed 's/^/  /' "$root/slurm-export-none.err" >&2

# A failing task: --wait ends with an error naming the task and its output; nothing is merged.
failing_program "$root/slurm-fails-2" 2/3
split_slurm slurm-failed "$root/slurm-fails-2" 3
folder=$(sed -n 's/^Parts: .*, folder //p' "$root/slurm-failed.out")
check "slurm, a failing task: --wait ends with an error" [ "$status" -ne 0 ]
check "slurm, a failing task: the data directory is untouched" untouched "$root/slurm-failed"
check "slurm, a failing task: part 2 and its output are named" \
  grep -q "part 2 failed; its output: $folder/slurm-[0-9]*_2.out" "$root/slurm-failed.err"
check "slurm, a failing task: its output says why" grep -q "part 2/3 fails on purpose" "$folder"/slurm-*_2.out
check "slurm, a failing task: the other parts are kept" [ -f "$folder/part-1.qpart" ] && [ -f "$folder/part-3.qpart" ]

# Submitted again with the kept folder: only the failed part is worked out, then the merge.
counting_program "$root/slurm-resume-counting" "$root/slurm-resumed.count"
QUORVEL_PARTS_DIR=$folder split_slurm slurm-resumed "$root/slurm-resume-counting" 3
check "slurm, resumed: exit code 0" [ "$status" -eq 0 ]
check "slurm, resumed: only the failed part was worked out" [ "$(counted "$root/slurm-resumed.count")" = "2 " ]
check "slurm, resumed: the files of one whole test" same_as_whole "$root/slurm-resumed"
check "slurm, resumed: the folder of the parts is gone" [ ! -e "$folder" ]
[ "$status" -eq 0 ] || sed 's/^/  /' "$root/slurm-resumed.err" >&2

# A merge by hand says where it merges to.
status=0
"$slurm_script" --merge 2>"$root/slurm-usage.err" || status=$?
check "slurm, --merge without a folder: the usage, exit code 2" [ "$status" -eq 2 ]
check "slurm, --merge usage: names the default data directory" grep -q "by default the current directory" \
  "$root/slurm-usage.err"
