#!/bin/sh
# Starts an installed program on the user's own data folder: the folder the program is
# installed in is not writable, and every user keeps an archive of their own.
here=$(dirname "$(readlink -f "$0")")
program="$here/../lib/quorvel-3r10/@PROGRAM@"
data="${XDG_DATA_HOME:-$HOME/.local/share}/Quorvel_3r10"
for argument in "$@"; do
  case "$argument" in
    --data-dir|--data-dir=*) exec "$program" "$@" ;;
  esac
done
# The program makes the folder on first use and says in its interface language when it cannot.
exec "$program" --data-dir "$data" "$@"
