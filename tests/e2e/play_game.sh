#!/usr/bin/env bash
# End-to-end: plays through the real program on a virtual X display with real
# mouse clicks. A generated game from the home screen: a digit placed through
# the number picker into an empty cell, a pencil mark with the right button,
# a check, the solution shown. Back home, a grid designed through the picker,
# graded, accepted and played: a digit placed, pause and resume, then the
# developer's name shortcut and a quick click that places the winning digit:
# the win window stays open until its yes is clicked.
# Finally the program is quit through its windows.
#
# usage: play_game.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: play_game.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

prepare_run
start_program

panel_left=871     # the options panel
panel_top=151
status_y=$((768 - 20))

# ---- the home screen ----
wait_home_screen 100
step "home screen"

# ---- a generated game ----
home_button 1
wait_for 40 "no game board after the new-game button" board_drawn
cp "$work/current.png" "$work/dealt.png"
filled=$(digit_count "$work/dealt.png")
step "new game dealt with $filled digits"
[ "$filled" -lt 81 ] || fail "the dealt grid has no empty cell"

pick_two_empty_cells "$work/dealt.png"

place_digit "$ax" "$ay" 5 "$work/dealt.png"
cp "$work/current.png" "$work/placed.png"
step "digit 5 placed in cell ($ax, $ay)"

put_mark "$bx" "$by" 3 "$work/placed.png"
cp "$work/current.png" "$work/marked.png"
step "pencil mark 3 in cell ($bx, $by)"

# Check: the status bar's message panel shows its line, the clock jumps.
message_shown() {
  [ "$(area_change "$work/marked.png" "$1" 280 18 462 $((status_y + 1)))" -gt 20 ]
}
checked=no
for _ in 1 2 3; do
  game_button 3
  for _ in $(seq 10); do
    shot current
    if message_shown "$work/current.png"; then
      checked=yes
      break 2
    fi
    sleep 0.1
  done
done
[ "$checked" = yes ] || fail "the check showed no message"
step "checked"

game_button 1
solved() {
  [ "$(digit_count "$1")" -eq 81 ]
}
wait_for 20 "the solution did not fill the board" solved
step "solved"

# ---- back home, then design a grid ----
# The generated game's column: solve, new game, check, print, load, options,
# save, quit.
game_button 8
sleep 0.3
answer_yes
wait_home_screen 20 "the quit answer did not bring the home screen back"
home_button 2
empty_board() {
  home_gone "$1" && [ "$(digit_count "$1")" -eq 0 ]
}
wait_for 20 "design mode did not show an empty board" empty_board
step "design mode"

# A grid of 22 digits that the hardest techniques solve (rows from the top,
# "_" for an empty cell).
design="4_1__6___+_____32_9+2____9_7_+__5_____1+________6+___9_2__3+______4__+__3_45___+8_2_1____"
typed=0
for y in $(seq 0 8); do
  row=${design:$((y * 10)):9}
  for x in $(seq 0 8); do
    c=${row:$x:1}
    if [ "$c" != "_" ]; then
      pick "$x" "$y" "$c"
      typed=$((typed + 1))
    fi
  done
done
expected_cells=$(for y in $(seq 0 8); do for x in $(seq 0 8); do
  [ "${design:$((y * 10 + x)):1}" != "_" ] && printf "%s,%s " "$x" "$y"; done; done)
designed() {
  local got
  got=$(cell_darkness "$1" | awk '$3 > 20 {printf "%s,%s ", $1, $2}')
  [ "$got" = "$expected_cells" ]
}
wait_for 10 "the typed grid is not on the board" designed
step "$typed digits typed"

# Play: the grid is graded and the window asks to play it.
# Design mode's column: solve, check, print, options, play, quit.
game_button 5
wait_for 20 "no window after play on the designed grid" window_open
answer_yes
wait_for 20 "the grading window did not close" window_closed
step "designed grid accepted"

shot accepted
pick_two_empty_cells "$work/accepted.png"
place_digit "$ax" "$ay" 7 "$work/accepted.png"
step "digit 7 placed in the designed game"

# Pause and resume: the clock (status panel 1) stands still while paused.
clock_area() {
  area_change "$1" "$2" 240 18 102 $((status_y + 1))
}
game_button 5
sleep 0.4
shot paused1
sleep 1.3
shot paused2
[ "$(clock_area "$work/paused1.png" "$work/paused2.png")" -eq 0 ] || fail "the clock ran while paused"
[ "$(area_change "$work/current.png" "$work/paused2.png" 96 18 358 $((status_y + 1)))" -gt 20 ] ||
  fail "the status bar does not show the pause"
game_button 5
sleep 1.3
shot resumed
[ "$(clock_area "$work/paused2.png" "$work/resumed.png")" -gt 0 ] || fail "the clock did not run again after resume"
step "paused and resumed"

# ---- the developer's name, then a placement that wins ----
game_button 4
sleep 0.4
xdotool windowfocus --sync "$window" 2>/dev/null || true
click $((panel_left + 26 + 60)) $((panel_top + 90 + 9))
sleep 0.2
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 60 "Térovine"
sleep 0.2
# Away from the name field (into the read-only difficulty box) before the key.
click $((panel_left + 24 + 50)) $((panel_top + 217 + 9))
sleep 0.2
xdotool key 1
sleep 0.2
game_button 4
sleep 0.3
# The last digit goes into cell (1, 5) with a quick click on the picker's 9,
# which stands over the place of the win window's yes button: the winning
# press must not answer the window it opens.
[ "${design:$((5 * 10 + 1)):1}" = "_" ] || fail "cell (1, 5) is not empty in the designed grid"
quick_pick 1 5 9
wait_for 20 "the quick click on the last digit opened no win window" window_open
step "won: the win window is open"
sleep 0.5
shot still_open
window_open "$work/still_open.png" || fail "the winning click answered the win window"
answer_yes
wait_for 20 "the win window did not close after yes" window_closed
step "the win window stayed open until yes"

# ---- quit the game, then the program ----
game_button 6
sleep 0.3
answer_yes
wait_home_screen 20 "no home screen after quitting the game"
home_button 7
sleep 0.3
answer_yes
wait_program_end "the program did not end after the quit answer"
grep -q '^Joueur=' "$home/.config/BRINDLEX/Sudoku.conf" || fail "no player name saved"
step "PASS"
exit 0
