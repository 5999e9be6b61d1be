#!/usr/bin/env bash
# make test-desktop: the desktop journeys, each screen size on a virtual X server (Xvfb) of its
# own with openbox as the window manager. Both are stopped however the run ends.
# Usage: run-journeys.sh BUILD_DIR [OUT_DIR]   (screenshots and data under OUT_DIR/<journey>/)
set -uo pipefail
build=$(cd "${1:?usage: run-journeys.sh BUILD_DIR [OUT_DIR]}" && pwd)
out=${2:-$build/journeys}
here=$(cd "$(dirname "$0")" && pwd)
program=$build/desktop_journeys
# The journeys choose their language in the data directory: the system's must not choose it.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LC_MESSAGES

for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "run-journeys: $tool is missing; scripts/setup.sh installs it" >&2; exit 1; }
done
[ -x "$program" ] || { echo "run-journeys: $program is not built" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"

xvfb_pid=
wm_pid=
stop_session() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  wm_pid=
  xvfb_pid=
}
trap stop_session EXIT
trap 'exit 130' INT TERM

# Starts a screen of the size (WxH) and its window manager; DISPLAY names it afterwards.
start_session() {
  local size=$1 displayfile="$out/display-$1"
  : >"$displayfile"
  # Xvfb picks a free display itself and writes its number.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$displayfile" >"$out/xvfb-$size.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
  [ -s "$displayfile" ] || { echo "run-journeys: Xvfb did not start (see $out/xvfb-$size.log)" >&2; return 1; }
  export DISPLAY=:$(tr -d '[:space:]' <"$displayfile")
  openbox --sm-disable --config-file "$here/openbox-rc.xml" >"$out/openbox-$size.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "run-journeys: openbox did not take the screen (see $out/openbox-$size.log)" >&2
  return 1
}

passed=0
failed=0
status=0
# Runs the journeys named (comma-separated) on a screen of the size.
run_on() {
  local size=$1 journeys=$2 log="$out/journeys-$1.log" code
  echo "== screen $size: $journeys"
  if ! start_session "$size"; then
    failed=$((failed + 1))
    status=1
    stop_session
    return
  fi
  QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 timeout 300 "$program" --out "$out" --journeys "$journeys" 2>&1 | tee "$log"
  code=${PIPESTATUS[0]}
  stop_session
  local counts
  counts=$(sed -n 's/^journeys: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$log" | tail -n 1)
  if [ -z "$counts" ]; then
    echo "run-journeys: the journeys on $size ended with code $code before reporting" >&2
    failed=$((failed + 1))
    status=1
    return
  fi
  passed=$((passed + ${counts% *}))
  failed=$((failed + ${counts#* }))
  [ "$code" -eq 0 ] || status=1
}

start=$(date +%s)
run_on 1240x720 first_start,import_ru,import_en,draw_letters_ru,draw_letters_en,stakes_restart,test_stop,settings_keyboard
run_on 1024x700 every_tab_ru,every_tab_en
echo "Screenshots: $out ($(($(date +%s) - start)) s)"
echo "desktop-journeys: $passed passed, $failed failed"
exit $status
