#!/usr/bin/env bash
# Writes the manual page of the command line from its own help text, so the two never differ:
# manpage.sh PROGRAM OUTPUT.
set -euo pipefail
program=$1
output=$2
version=$("$program" --version | awk '{print $2}')
help=$("$program" --language en --help)
# roff reads a leading "." or "'" and every backslash as its own; the help text keeps neither.
escape() { sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"; }
{
  echo ".TH QUORVEL 1 \"\" \"quorvel $version\" \"Quorvel 3r10\""
  echo ".SH NAME"
  echo "quorvel \\- command line of Quorvel 3r10, the analyzer of a daily three-digit numbers lottery"
  echo ".SH SYNOPSIS"
  echo ".B quorvel"
  echo "[\\fB\\-\\-data\\-dir\\fR \\fIDIR\\fR] [\\fB\\-\\-language\\fR \\fIru\\fR|\\fIen\\fR] [\\fB\\-\\-yes\\fR|\\fB\\-\\-no\\fR] \\fICOMMAND\\fR [\\fIOPTIONS\\fR]"
  echo ".SH DESCRIPTION"
  echo "Works on the same data directory as the desktop program \\fBquorvel\\-3r10\\fR(1): the draw archive,"
  echo "statistics, combination lists, stakes, rating, systems and scenarios. Installed, it keeps each"
  echo "user's data in \\fI\$XDG_DATA_HOME/Quorvel_3r10\\fR (\\fI~/.local/share/Quorvel_3r10\\fR)."
  echo "Every command ends with code 0, or non-zero with its message on the error stream."
  echo ".PP"
  echo "Help, messages and table captions are in the interface language the desktop program uses for"
  echo "the data directory (Russian unless English was chosen there); \\fB\\-\\-language en\\fR or"
  echo "\\fB\\-\\-language ru\\fR chooses one for a single run."
  echo ".SH COMMANDS"
  echo "The program's own help text (\\fBquorvel \\-\\-help\\fR):"
  echo ".PP"
  echo ".nf"
  escape <<<"$help"
  echo ".fi"
  echo ".SH EXAMPLES"
  echo ".nf"
  echo "quorvel import draws.csv"
  echo "quorvel stats \\-\\-method NUMS \\-\\-window 1000"
  echo "quorvel scenario test my.lsc \\-\\-tests 100 \\-\\-jobs 2"
  echo "quorvel rating significance"
  echo ".fi"
  echo ".SH SEE ALSO"
  echo "\\fBquorvel\\-3r10\\fR(1)"
} >"$output"
