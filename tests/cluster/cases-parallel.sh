# shellcheck shell=bash
# scripts/backtest-parallel with ":" (this machine), a login in a private mount namespace (a node
# with its own temporary folder) and a login that shares this machine's file system. Sourced by
# run-cluster.sh.

parallel_script=$source_dir/scripts/backtest-parallel

# split_parallel NAME PROGRAM M HOSTLINE...: a run into a fresh copy NAME; its exit code in status.
split_parallel() {
  local name=$1 program=$2 parts=$3
  shift 3
  printf '%s\n' "$@" >"$root/$name.hosts"
  fresh "$root/$name"
  status=0
  QUORVEL=$program QUORVEL_DATA_DIR=$root/$name bounded "$parallel_script" "$root/$name.hosts" "$scenario" \
    "$tests" "$parts" "${test_options[@]}" >"$root/$name.out" 2>"$root/$name.err" || status=$?
}

echo "== GNU parallel"
for name in here private shared; do
  case "$name" in
    here) split_parallel parallel-here "$quorvel" 3 : ;;
    private) split_parallel parallel-private "$quorvel" 3 "2/$private_login" ;;
    shared) split_parallel parallel-shared "$quorvel" 3 "2/$shared_login" ;;
  esac
  check "parallel, $name: exit code 0" [ "$status" -eq 0 ]
  check "parallel, $name: the files of one whole test" same_as_whole "$root/parallel-$name"
  check "parallel, $name: no temporary folder is left" nothing_left
  [ "$status" -eq 0 ] || sed 's/^/  /' "$root/parallel-$name.err" >&2
done

# A part that fails: nothing is merged, the parts made are kept and their folder named.
failing_program "$root/fails-2" 2/4
split_parallel parallel-failed "$root/fails-2" 4 : "2/$shared_login"
kept=$(sed -n 's/^backtest-parallel: the parts are kept in //p' "$root/parallel-failed.err")
check "parallel, a failing part: exit code 1" [ "$status" -eq 1 ]
check "parallel, a failing part: the data directory is untouched" untouched "$root/parallel-failed"
check "parallel, a failing part: the folder of the kept parts is named" [ -n "$kept" ]
check "parallel, a failing part: part 2 is not among them" [ ! -e "$kept/part-2.qpart" ]

# A tampered part is refused by the merge; a run resumed from the kept folder after one part was
# deleted and one tampered with works out just those and the missing one.
for part in 1 3 4; do
  [ -f "$kept/part-$part.qpart" ] || "$quorvel" --data-dir "$root/base" scenario test "$scenario" --tests "$tests" \
    "${test_options[@]}" --shard "$part/4" --out "$kept/part-$part.qpart" >/dev/null
done
printf '\x01' | dd of="$kept/part-3.qpart" bs=1 seek=200 conv=notrunc status=none
fresh "$root/parallel-tampered"
status=0
"$quorvel" --data-dir "$root/parallel-tampered" scenario merge "$kept"/part-{1,3,4}.qpart \
  >/dev/null 2>"$root/parallel-tampered.err" || status=$?
check "parallel, a tampered part: the merge refuses it" [ "$status" -eq 1 ]
check "parallel, a tampered part: the data directory is untouched" untouched "$root/parallel-tampered"
rm "$kept/part-1.qpart"
counting_program "$root/counting" "$root/parallel-resumed.count"
status=0
QUORVEL_PARTS_DIR=$kept split_parallel parallel-resumed "$root/counting" 4 : "2/$shared_login"
check "parallel, resumed: exit code 0" [ "$status" -eq 0 ]
check "parallel, resumed: only the deleted, failed and tampered parts are worked out" \
  [ "$(counted "$root/parallel-resumed.count")" = "1 2 3 " ]
check "parallel, resumed: the files of one whole test" same_as_whole "$root/parallel-resumed"
check "parallel, resumed: the tampered part was named" grep -q "part-3.qpart" "$root/parallel-resumed.err"
check "parallel, resumed: the parts are gone once merged" [ ! -e "$kept" ]
