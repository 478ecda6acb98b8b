#!/usr/bin/env bash
# End-to-end: the program ended by a signal closes as if the player had quit.
# Starts the real program twice on a virtual X display; once the home screen
# is drawn (the display switched to 1024x768) it sends SIGTERM, then SIGHUP,
# and checks each time that the program ended with status 0, put the
# display back and wrote its settings (the volume grows by one per start).
#
# usage: signal_close.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: signal_close.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

prepare_run

volume=501
run=0
for signal in TERM HUP; do
  run=$((run + 1))
  start_program "$run"
  wait_home_screen 100
  geometry=$(xdotool getdisplaygeometry)
  [ "$geometry" = "1024 768" ] || fail "run $run: the display was not switched: $geometry"

  kill -s "$signal" "$game_pid"
  wait_program_end "the program did not end on SIG$signal"
  geometry=$(xdotool getdisplaygeometry)
  [ "$geometry" = "1280 1024" ] || fail "SIG$signal left the display at $geometry"
  settings="$home/.config/BRINDLEX/Sudoku.conf"
  grep -q "^Volume=$volume$" "$settings" 2>/dev/null \
    || fail "SIG$signal: the settings were not written (Volume=$volume expected): $(cat "$settings" 2>&1)"
  step "SIG$signal closed the game"
  volume=$((volume + 1))
done
step "PASS"
exit 0
