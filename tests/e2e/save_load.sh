#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X display, starts a game
# from the home screen, places a digit through the number picker and a pencil
# mark with the right button, saves the game, quits the program, starts it
# again, loads the game from the home screen (load button, the entry in the
# list window, yes) and checks that the board looks exactly as it did when it
# was saved, the digit and the mark included.
#
# usage: save_load.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: save_load.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

prepare_run compare

# Number of pixels that differ between two pictures of the same size.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# The board of a fresh screenshot, cropped into a file.
board_picture() {
  shot screen
  convert "$work/screen.png" -crop "${board_size}x${board_size}+$((wx + board_left))+$((wy + board_top))" +repage "$1"
}

# The board once two pictures in a row agree (nothing moves on it any more).
settled_board_picture() {
  local out=$1
  board_picture "$out"
  for _ in $(seq 25); do
    sleep 0.2
    board_picture "$work/board_next.png"
    [ "$(differing_pixels "$out" "$work/board_next.png")" -eq 0 ] && return 0
    mv "$work/board_next.png" "$out"
  done
  fail "the board kept changing"
}

pixel_is_not() {
  [ "$(pixel "$1" $((wx + $2)) $((wy + $3)))" != "$4" ]
}

# Runs the command given after the message (a click), moves the mouse out of
# the way, then waits until the window point (x, y) changes colour.
click_and_wait_change() {
  local x=$1 y=$2 what=$3
  shift 3
  shot before
  local before
  before=$(pixel "$work/before.png" $((wx + x)) $((wy + y)))
  "$@"
  park_mouse
  wait_for 75 "$what" pixel_is_not "$x" "$y" "$before"
}

# Quits: the in-game column's quit button (8th: play/pause is hidden), yes,
# then the home column's quit button (7th), yes.
quit_game() {
  click_and_wait_change 512 350 "the quit-game question did not appear" game_button 8
  answer_yes
  park_mouse
  wait_home_screen 75 "the home screen did not come back"
  click_and_wait_change 512 350 "the quit-program question did not appear" home_button 7
  answer_yes
  wait_program_end "the program did not end after the yes answer"
}

# ---- first run: a new game, a digit and a pencil mark, saved ----
start_program 1
wait_home_screen 100
games_folder="$home/.local/share/Sudoku/Parties"
home_button 1
park_mouse
wait_for 75 "no game started" board_drawn
cp "$work/current.png" "$work/dealt.png"
step "new game dealt with $(digit_count "$work/dealt.png") digits"

pick_two_empty_cells "$work/dealt.png"
place_digit "$ax" "$ay" 5 "$work/dealt.png"
cp "$work/current.png" "$work/placed.png"
step "digit 5 placed in cell ($ax, $ay)"
# A pencil mark is drawn with its digit's picture at the opacity that picture
# last received: with the same digit placed on the board, every frame of both
# runs gives it the placed digit's opacity before the compare.
put_mark "$bx" "$by" 5 "$work/placed.png"
step "pencil mark 5 in cell ($bx, $by)"

park_mouse
settled_board_picture "$work/board_saved.png"
convert "$home_picture" -crop "${board_size}x${board_size}+$((board_left - 1))+$((board_top - 1))" +repage \
  "$work/board_home.png"
[ "$(differing_pixels "$work/board_saved.png" "$work/board_home.png")" -gt 10000 ] \
  || fail "the board of the new game was not drawn"

game_button 7 # save
park_mouse
for _ in $(seq 50); do
  [ -s "$games_folder/Save.frd" ] && break
  sleep 0.2
done
[ -s "$games_folder/Save.frd" ] || fail "no index was written in $games_folder"
[ "$(wc -l <"$games_folder/Save.frd")" -eq 1 ] || fail "the index should hold one line: $(cat "$games_folder/Save.frd")"
line=$(head -n1 "$games_folder/Save.frd" | tr -d '\r')
[ "$(stat -c %s "$games_folder/$line")" = 999 ] || fail "the game file '$line' is not 999 bytes"
# The board is not changed by saving.
board_picture "$work/board_after_save.png"
[ "$(differing_pixels "$work/board_saved.png" "$work/board_after_save.png")" -eq 0 ] \
  || fail "saving changed the board"
step "saved as $line"

quit_game
step "program quit"

# ---- second run: load it from the home screen ----
start_program 2
wait_home_screen 100
# Load, 3rd in the home column: the chooser with the list window.
click_and_wait_change 512 300 "the load chooser did not appear" home_button 3
sleep 0.3
click 400 263 # the first (only) entry of the list window
sleep 0.3
answer_yes
park_mouse
home_left() {
  ! shows_home_pixel "$1" 100 100
}
wait_for 75 "the saved game was not loaded" home_left

same=no
for _ in $(seq 25); do
  board_picture "$work/board_loaded.png"
  if [ "$(differing_pixels "$work/board_saved.png" "$work/board_loaded.png")" -eq 0 ]; then
    same=yes
    break
  fi
  sleep 0.2
done
[ "$same" = yes ] || fail "the loaded board differs from the saved one in \
$(differing_pixels "$work/board_saved.png" "$work/board_loaded.png") pixels"
step "loaded board is the saved one"

quit_game
step "PASS"
exit 0
