# shellcheck shell=bash
# The engines the cluster journeys run on, each started by hand inside $root with files of its own
# there and stopped by its pid: munged, slurmctld and slurmd for one node on 127.0.0.1, an sshd
# on 127.0.0.1 that shares this file system, and an sshd in a private mount namespace whose
# $root/tmp is a tmpfs of its own, standing in for a node with its own temporary folder.
# Sourced by run-cluster.sh, which sets root.

started_pids=()

# free_port: a TCP port on 127.0.0.1 that nothing listens on.
free_port() {
  local port
  for ((port = 20000 + RANDOM % 20000; ; port++)); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
}

# wait_until SECONDS COMMAND...: true once the command succeeds, false when the time is up.
wait_until() {
  local tries=$(($1 * 5))
  shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.2
  done
}

# remember_pid FILE: the daemon whose pid the file holds is stopped at the end.
remember_pid() {
  wait_until 10 test -s "$1" || return 1
  started_pids+=("$(cat "$1")")
}

stop_daemons() {
  local pid
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started_pids[@]}"; do
    wait_until 10 sh -c "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null || true
  done
  started_pids=()
}

start_munge() {
  mkdir -p "$root/munge"
  chmod 711 "$root/munge"
  dd if=/dev/urandom of="$root/munge/munge.key" bs=1024 count=1 status=none
  chmod 600 "$root/munge/munge.key"
  munged --force --socket="$root/munge/socket" --key-file="$root/munge/munge.key" \
    --pid-file="$root/munge/munged.pid" --seed-file="$root/munge/seed" --log-file="$root/munge/munged.log"
  remember_pid "$root/munge/munged.pid"
}

# start_slurm CPUS: a controller and one node of CPUS processors, both on 127.0.0.1.
start_slurm() {
  local node
  node=$(hostname -s)
  mkdir -p "$root/slurm/state" "$root/slurm/spool"
  cat >"$root/slurm/slurm.conf" <<EOF
ClusterName=quorvel-test
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$(free_port)
SlurmdPort=$(free_port)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$root/munge/socket
CredType=cred/munge
StateSaveLocation=$root/slurm/state
SlurmdSpoolDir=$root/slurm/spool
SlurmctldPidFile=$root/slurm/slurmctld.pid
SlurmdPidFile=$root/slurm/slurmd.pid
SlurmctldLogFile=$root/slurm/slurmctld.log
SlurmdLogFile=$root/slurm/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
MpiDefault=none
ReturnToService=2
MinJobAge=600
SchedulerParameters=kill_invalid_depend
NodeName=$node NodeAddr=127.0.0.1 CPUs=$1 State=UNKNOWN
PartitionName=test Nodes=$node Default=YES MaxTime=60 State=UP
EOF
  export SLURM_CONF=$root/slurm/slurm.conf
  slurmctld -f "$SLURM_CONF"
  remember_pid "$root/slurm/slurmctld.pid"
  slurmd -f "$SLURM_CONF"
  remember_pid "$root/slurm/slurmd.pid"
  wait_until 30 sh -c 'sinfo -h -o %t | grep -qx idle'
}

# start_sshd NAME PORT [PRIVATE]: an sshd for root on 127.0.0.1:PORT that takes the test's key
# alone; with PRIVATE it runs in a mount namespace of its own where $root/tmp is a fresh tmpfs.
start_sshd() {
  local name=$1 port=$2 private=${3:-}
  mkdir -p "$root/ssh" /run/sshd
  [ -f "$root/ssh/host_key" ] || ssh-keygen -q -t ed25519 -N '' -f "$root/ssh/host_key"
  [ -f "$root/ssh/key" ] || ssh-keygen -q -t ed25519 -N '' -f "$root/ssh/key"
  cp "$root/ssh/key.pub" "$root/ssh/authorized_keys"
  cat >"$root/ssh/$name.conf" <<EOF
ListenAddress 127.0.0.1
Port $port
HostKey $root/ssh/host_key
PidFile $root/ssh/$name.pid
AuthorizedKeysFile $root/ssh/authorized_keys
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
EOF
  echo "[127.0.0.1]:$port $(cat "$root/ssh/host_key.pub")" >>"$root/ssh/known_hosts"
  if [ -n "$private" ]; then
    unshare --mount --propagation private sh -c \
      "mount -t tmpfs tmpfs '$root/tmp' && exec /usr/sbin/sshd -f '$root/ssh/$name.conf' -E '$root/ssh/$name.log'"
  else
    /usr/sbin/sshd -f "$root/ssh/$name.conf" -E "$root/ssh/$name.log"
  fi
  remember_pid "$root/ssh/$name.pid"
}

# login PORT: the ssh command of a GNU parallel login to the sshd on PORT, with the test's own key
# and known hosts and no configuration of the user's.
login() {
  echo "ssh -F /dev/null -i $root/ssh/key -p $1 -o UserKnownHostsFile=$root/ssh/known_hosts" \
    "-o StrictHostKeyChecking=yes -o BatchMode=yes root@127.0.0.1"
}
