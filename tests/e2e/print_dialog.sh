#!/usr/bin/env bash
# End-to-end: in a generated game with the default theme, the in-game
# column's print button opens the system's print dialog; Escape closes it,
# nothing is printed, and the game goes on as it was: the board is unchanged
# and a digit can still be placed.
#
# usage: print_dialog.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: print_dialog.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

prepare_run
start_program

wait_home_screen 100
home_button 1
wait_for 40 "no game board after the new-game button" board_drawn
park_mouse
sleep 0.3
shot dealt
step "new game dealt"

# The generated game's column: solve, new game, check, print, ...
print_dialog() {
  xdotool search --onlyvisible --name '^Print$' 2>/dev/null | head -n1
}
game_button 4
dialog=""
for _ in $(seq 100); do
  dialog=$(print_dialog)
  [ -n "$dialog" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended after the print button"
  sleep 0.1
done
[ -n "$dialog" ] || fail "no print dialog appeared after the print button"
step "print dialog shown"

xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key Escape
for _ in $(seq 50); do
  [ -z "$(print_dialog)" ] && break
  sleep 0.1
done
[ -z "$(print_dialog)" ] || fail "Escape did not close the print dialog"
kill -0 "$game_pid" 2>/dev/null || fail "the program ended with the print dialog"
step "print dialog closed"

# The board as dealt, then a placement still works.
park_mouse
sleep 0.3
shot after
changed=$(area_change "$work/dealt.png" "$work/after.png" "$board_size" "$board_size" "$board_left" "$board_top")
[ "$changed" -eq 0 ] || fail "the board changed after the cancelled print ($changed pixels)"
pick_two_empty_cells "$work/after.png"
place_digit "$ax" "$ay" 5 "$work/after.png"
step "digit placed after the print dialog"

find "$work/home" "$(dirname "$program")" -maxdepth 1 -name '*.pdf' | grep -q . && fail "a cancelled print wrote a file"
step "PASS"
exit 0
