#!/usr/bin/env bash
# The back-test scripts on real engines: scripts/backtest-parallel over GNU parallel with real ssh
# logins, and scripts/backtest-slurm.sbatch on a real one-node Slurm, both on the sample archive.
# Every split run must leave the stakes, the rating and the log (without its time stamps) of one
# whole test, byte for byte; failing, tampered and resumed runs must lose nothing.
#
#   run-cluster.sh BUILD_DIR
# Everything lives in BUILD_DIR/cluster: the daemons' files, the test's ssh key, known hosts and
# configuration (~/.ssh is never read nor written), and the temporary folders. Every daemon
# started is stopped by its pid at the end, also on failure. Skips, saying why, only where this
# machine cannot start the daemons.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
quorvel=$build/quorvel
root=$build/cluster

skip() {
  echo "test-cluster: skipped: $*"
  exit 0
}
[ -x "$quorvel" ] || { echo "test-cluster: no program $quorvel (build first)" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "slurmd and an sshd in a private mount namespace need root, and this is $(id -un)"
for tool in munged slurmctld slurmd sbatch sinfo scontrol /usr/sbin/sshd ssh-keygen parallel rsync unshare; do
  command -v "$tool" >/dev/null 2>&1 || { echo "test-cluster: $tool is missing (scripts/setup.sh cluster)" >&2; exit 1; }
done
unshare --mount true 2>/dev/null || skip "this machine allows no private mount namespace (unshare --mount failed)"

rm -rf "$root"
mkdir -p "$root/tmp"
export TMPDIR=$root/tmp PARALLEL_HOME=$root/parallel-home QUORVEL_POLL_SECONDS=1
# shellcheck source=tests/cluster/daemons.sh
source "$here/daemons.sh"
ssh_before=$(ls -la --time-style=full-iso ~/.ssh 2>&1 || true)
cleanup() {
  local status=$?
  stop_daemons
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

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
# bounded COMMAND...: the command, stopped after five minutes.
bounded() { timeout --kill-after=10 300 "$@"; }

echo "== starting munged, slurmctld, slurmd and two sshd on 127.0.0.1"
start_munge
start_slurm 2
shared_port=$(free_port)
start_sshd shared "$shared_port"
private_port=$(free_port)
start_sshd private "$private_port" private
shared_login=$(login "$shared_port")
private_login=$(login "$private_port")
# shellcheck disable=SC2086 # the ssh command and its options, a word each
bounded $shared_login true || { echo "test-cluster: no ssh login to 127.0.0.1:$shared_port" >&2; exit 1; }

# The sample archive, a scenario of two lines (one of them with random stakes), and one whole test.
scenario=$root/two.lsc
printf '%s\r\n' 'FULL:0#RAND|TSD1#NUMS:5-8;1#LNO:#ST:2| | | | | | |r' \
  'EXCL:3#ALL|TSD1#SUMS:2-3;1#LNO:#ST:4| | | | | | |a' >"$scenario"
mkdir "$root/base"
"$quorvel" --data-dir "$root/base" import "$source_dir/samples/cash3.csv" >/dev/null
tests=20
test_options=(--seed 7 --log)
fresh() { rm -rf "$1" && cp -R "$root/base" "$1"; }
fresh "$root/whole"
"$quorvel" --data-dir "$root/whole" scenario test "$scenario" --tests "$tests" "${test_options[@]}" >/dev/null

log_without_times() { cut -c 24- "$(ls "$1"/ScriptLog_*.txt | head -n 1)"; }
same_as_whole() { # same_as_whole DIR: the stakes, rating and log of the whole test
  cmp "$root/whole/Quorvel_3r10.lsk" "$1/Quorvel_3r10.lsk" &&
    cmp "$root/whole/Quorvel_3r10.lrt" "$1/Quorvel_3r10.lrt" &&
    cmp <(log_without_times "$root/whole") <(log_without_times "$1")
}
untouched() { # untouched DIR: the data directory as it was before the test
  cmp "$root/base/Quorvel_3r10.lsk" "$1/Quorvel_3r10.lsk" && [ ! -e "$1/Quorvel_3r10.lrt" ]
}
nothing_left() { [ -z "$(ls -A "$TMPDIR")" ]; }

# A program that fails part K of its test, and one that notes which parts it works out.
failing_program() { # failing_program FILE K/M
  cat >"$1" <<EOF
#!/bin/sh
case " \$* " in
  *" --shard $2 "*) echo "part $2 fails on purpose" >&2; exit 3 ;;
esac
exec "$quorvel" "\$@"
EOF
  chmod +x "$1"
}
counting_program() { # counting_program FILE LOG: notes K of each part in LOG, its CPUs in LOG.cpus
  cat >"$1" <<EOF
#!/bin/sh
case " \$* " in
  *" --shard "*)
    echo "\$*" | sed 's/.*--shard \([0-9]*\).*/\1/' >>"$2"
    echo "\${SLURM_CPUS_PER_TASK:-}" >>"$2.cpus" ;;
esac
exec "$quorvel" "\$@"
EOF
  chmod +x "$1"
}
counted() { sort -n "$1" | tr '\n' ' '; }

# shellcheck source=tests/cluster/cases-parallel.sh
source "$here/cases-parallel.sh"
# shellcheck source=tests/cluster/cases-slurm.sh
source "$here/cases-slurm.sh"

check "the user's ~/.ssh is as it was" [ "$ssh_before" = "$(ls -la --time-style=full-iso ~/.ssh 2>&1 || true)" ]
if [ "$failures" -ne 0 ]; then
  echo "test-cluster: $failures check(s) failed; the daemons' logs are in $root" >&2
  exit 1
fi
echo "test-cluster: all checks passed"
