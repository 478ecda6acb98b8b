#!/usr/bin/env bash
# End-to-end: two copies of the real program on one virtual X display, each
# with a home of its own, play a network game over the loopback address.
# A hosts a battle from the home screen's Multiplayer button; B adds
# 127.0.0.1, sees A's game listed and joins it; A's hosting dialog lists B and
# A starts the game. Both boards show the same givens. B saves the game to
# read the solution, places a right digit, and A's scores window and A's
# window of B's progress change. Then both start again: B joins A's new game
# and A cancels it, which B is told in an error box over B's own window.
#
# Every datagram goes to 127.0.0.1: the only address typed is 127.0.0.1.
#
# usage: network_game.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: network_game.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

require_tools Xvfb xdotool convert compare
sample_tool="$(dirname "$program")/e2e_message_box"
[ -x "$sample_tool" ] || { echo "SKIP: $sample_tool is not built"; exit 77; }
make_work_folder
pid_a=""
pid_b=""
window_a=""
window_b=""
stop_copies() {
  end_process "$pid_a"
  end_process "$pid_b"
  pid_a=""
  pid_b=""
}
trap 'stop_copies; cleanup' EXIT

# A display wide and high enough for both main windows side by side, B's
# lower than A's, with room for the game windows beside each. Without RandR
# the copies cannot switch the screen to 1024 x 768, which they try at
# start-up.
start_xvfb 2400x1700x24 -extension RANDR
find_data_pictures

# ---- two copies ----

# Starts copy A or B with its own home and waits for its window.
start_copy() {
  local name=$1 run=$2
  launch_program "$work/home-$name" "$work/game-$name$run.log"
  local pid=$launched_pid
  local found=""
  for _ in $(seq 150); do
    found=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Sudoku$' 2>/dev/null | head -n1)
    [ -n "$found" ] && break
    kill -0 "$pid" 2>/dev/null || fail "copy $name ended at start-up"
    sleep 0.2
  done
  [ -n "$found" ] || fail "no window of copy $name appeared"
  if [ "$name" = A ]; then
    pid_a=$pid
    window_a=$found
  else
    pid_b=$pid
    window_b=$found
  fi
}

# The main window of a process: the visible window titled "Sudoku" that is
# at least 1000 pixels wide (a message box has the same title). The window
# may be made anew during the start-up, so it is looked up each time.
main_window_of() {
  local pid=$1 candidate
  for _ in $(seq 50); do
    for candidate in $(xdotool search --all --onlyvisible --pid "$pid" --name '^Sudoku$' 2>/dev/null); do
      local WIDTH=0 X Y HEIGHT SCREEN WINDOW
      eval "$(xdotool getwindowgeometry --shell "$candidate" 2>/dev/null)"
      if [ "$WIDTH" -ge 1000 ]; then
        echo "$candidate"
        return 0
      fi
    done
    sleep 0.2
  done
  return 1
}

# Makes copy A or B the one the helpers of common.sh act on. (Nothing is
# raised: without a window manager a raised dialog can end up below.)
use_copy() {
  if [ "$1" = A ]; then
    window_a=$(main_window_of "$pid_a") || fail "copy A has no main window"
    window=$window_a
    game_pid=$pid_a
  else
    window_b=$(main_window_of "$pid_b") || fail "copy B has no main window"
    window=$window_b
    game_pid=$pid_b
  fi
  window_origin
  sleep 0.3
}

# A visible window of a copy's process whose title matches a pattern; empty
# when there is none.
copy_window() {
  local pid=$1 title=$2
  xdotool search --all --onlyvisible --pid "$pid" --name "$title" 2>/dev/null | head -n1
}

# Waits for such a window and sets dialog, dx, dy (its id and origin).
wait_window() {
  local pid=$1 title=$2 what=$3
  dialog=""
  for _ in $(seq 100); do
    dialog=$(copy_window "$pid" "$title")
    [ -n "$dialog" ] && break
    sleep 0.2
  done
  [ -n "$dialog" ] || fail "$what"
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  dx=$X
  dy=$Y
  sleep 0.3
}

# A click at a point of the last window waited for.
click_dialog() {
  xdotool mousemove $((dx + $1)) $((dy + $2))
  sleep 0.1
  press
  sleep 0.2
}

# Types a name into the name prompt and confirms it.
enter_name() {
  local pid=$1 name=$2
  wait_window "$pid" '^Enter [Nn]ame$' "the name prompt did not open"
  click_dialog 100 58
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 40 "$name"
  xdotool key Return
}

# Picture of one window into a file.
window_picture() {
  sleep 0.3
  import -window "$1" "$2" 2>/dev/null || fail "no picture of window $1"
}

differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# Pixels of a window's picture that are neither white nor the light greys of
# an empty list, inside a rectangle w h x y.
ink_in() {
  convert "$1" -crop "$2x$3+$4+$5" +repage -colorspace gray -threshold 60% -negate \
    -format "%[fx:round(mean*w*h)]" info:
}

# Waits until a list of a window shows a row: more than 40 ink pixels in
# the rectangle w h x y of the window's picture, looked at every 0.3 s.
# usage: wait_for_rows window picture w h x y tries failure-text
wait_for_rows() {
  local window=$1 picture=$2 tries=$7
  for _ in $(seq "$tries"); do
    window_picture "$window" "$picture"
    [ "$(ink_in "$picture" "$3" "$4" "$5" "$6")" -gt 40 ] && return 0
    sleep 0.3
  done
  fail "$8"
}

# The board of the copy in use, from a fresh shot.
board_crop() {
  shot screen
  convert "$work/screen.png" -crop "${board_size}x${board_size}+$((wx + board_left))+$((wy + board_top))" +repage "$1"
}

# B's main window goes below and right of A's, so that no click meant for
# one lands on the other.
move_b_aside() {
  use_copy B
  xdotool windowmove --sync "$window_b" 1100 850 2>/dev/null || xdotool windowmove "$window_b" 1100 850
  sleep 0.5
  window_origin
  [ "$wx" -eq 1100 ] && [ "$wy" -eq 850 ] || fail "B's window stayed at $wx,$wy"
  wait_home_screen 50 "B's home screen was not drawn after the move"
}

# ---- steps shared by both runs ----

# A: Multiplayer, Host, the name, a battle chosen in the hosting dialog.
host_battle() {
  use_copy A
  park_mouse
  home_button 6
  wait_window "$pid_a" '^Multiplayer Setup$' "A's setup window did not open"
  setup_a=$dialog
  click_dialog $((220 + 37)) $((260 + 12)) # Host
  enter_name "$pid_a" Ann
  wait_window "$pid_a" '^Host a game$' "A's hosting dialog did not open"
  hosting_a=$dialog
  hx=$dx
  hy=$dy
  click_dialog $((12 + 80)) $((16 + 10)) # the game type list opens
  xdotool key Down Return
  sleep 0.5
}

# B: Multiplayer, 127.0.0.1 added, waits until A's game is listed, joins.
join_from_b() {
  use_copy B
  park_mouse
  home_button 6
  wait_window "$pid_b" '^Multiplayer Setup$' "B's setup window did not open"
  setup_b=$dialog
  sx=$dx
  sy=$dy
  # The edit's own text is erased key by key before the address is typed.
  click_dialog $((8 + 50)) $((252 + 10))
  xdotool windowfocus --sync "$setup_b" 2>/dev/null || true
  xdotool key End
  for _ in $(seq 24); do xdotool key BackSpace; done
  xdotool type --delay 40 "127.0.0.1"
  click_dialog $((116 + 20)) $((252 + 10)) # Add
  wait_for_rows "$setup_b" "$work/setup_b.png" 230 120 224 60 40 "A's game was not listed in B's setup window"
  step "B lists A's game"
  # The first game row, under the list's header.
  xdotool mousemove $((sx + 280)) $((sy + 28 + 36))
  sleep 0.1
  press
  sleep 0.3
  click_dialog $((304 + 37)) $((260 + 12)) # Join
  enter_name "$pid_b" Bea
}

# Waits until A's hosting dialog lists a player.
wait_b_listed_at_a() {
  wait_for_rows "$hosting_a" "$work/hosting_a.png" 280 40 16 71 50 "B did not appear in A's hosting dialog"
}

# ---- first run: a battle started by A ----
start_copy A 1
start_copy B 1
use_copy A
wait_home_screen 100 "A's home screen was not drawn"
use_copy B
wait_home_screen 100 "B's home screen was not drawn"
move_b_aside
step "two copies on their home screens"

host_battle
step "A hosts a battle"
join_from_b
wait_b_listed_at_a
step "A's hosting dialog lists B"

# Start is enabled by the dialog's next one-second tick with a second player.
sleep 1.5
dx=$hx
dy=$hy
click_dialog $((148 + 37)) $((208 + 12)) # Start

use_copy B
park_mouse
wait_for 40 "B's board did not come" board_drawn
use_copy A
park_mouse
wait_for 75 "A's board did not come" board_drawn
sleep 0.5
board_crop "$work/board_a.png"
use_copy B
park_mouse
sleep 0.5
board_crop "$work/board_b.png"
[ "$(differing_pixels "$work/board_a.png" "$work/board_b.png")" -lt 50 ] \
  || fail "the two boards differ: $(differing_pixels "$work/board_a.png" "$work/board_b.png") pixels"
step "both boards show the same $(digit_count "$work/screen.png") givens"

# A's windows of the game: the scores and B's progress.
scores_a=$(copy_window "$pid_a" '^Scores$')
progress_a=$(copy_window "$pid_a" '^Bea$')
[ -n "$scores_a" ] || fail "A shows no scores window"
[ -n "$progress_a" ] || fail "A shows no window of B's progress"
window_picture "$scores_a" "$work/scores_before.png"
window_picture "$progress_a" "$work/progress_before.png"

# B saves the game and reads the solution and an empty cell from the file:
# the grids are 81 bytes each at x * 9 + y, the current grid first (255 an
# empty cell), the solution next.
use_copy B
park_mouse
games_folder="$work/home-B/.local/share/Sudoku/Parties"
game_button 7 # save
park_mouse
for _ in $(seq 50); do
  [ -s "$games_folder/Save.frd" ] && break
  sleep 0.2
done
saved=$(head -n1 "$games_folder/Save.frd" 2>/dev/null | tr -d '\r')
[ -n "$saved" ] && [ -s "$games_folder/$saved" ] || fail "B's game was not saved"
mapfile -t bytes < <(od -An -v -tu1 -w1 -N162 "$games_folder/$saved" | tr -d ' ')
free=""
for y in 1 2 3 4 5 6 7; do
  for x in 1 2 3 4 5 6 7; do
    if [ "${bytes[$((x * 9 + y))]}" = 255 ]; then
      free="$x $y"
      break 2
    fi
  done
done
[ -n "$free" ] || fail "no empty cell inside B's board"
read -r fx fy <<<"$free"
digit=$((bytes[81 + fx * 9 + fy] + 1))
step "B's saved game: cell ($fx, $fy) takes $digit"

use_copy B
park_mouse
board_crop "$work/before_b.png"
pick "$fx" "$fy" "$digit"
park_mouse
sleep 0.5
changed=""
for _ in $(seq 25); do
  window_picture "$scores_a" "$work/scores_after.png"
  window_picture "$progress_a" "$work/progress_after.png"
  if [ "$(differing_pixels "$work/scores_before.png" "$work/scores_after.png")" -gt 0 ] \
    && [ "$(differing_pixels "$work/progress_before.png" "$work/progress_after.png")" -gt 0 ]; then
    changed=yes
    break
  fi
  sleep 0.3
done
[ -n "$changed" ] || fail "A's scores or B's progress window on A did not change after B's digit"
step "B's digit reached A's scores and progress windows"

stop_copies
step "both copies stopped"

# ---- second run: A cancels, B is told ----
start_copy A 2
start_copy B 2
use_copy A
wait_home_screen 100 "A's home screen was not drawn again"
use_copy B
wait_home_screen 100 "B's home screen was not drawn again"
move_b_aside

host_battle
join_from_b
wait_b_listed_at_a
dx=$hx
dy=$hy
click_dialog $((244 + 37)) $((212 + 10)) # Cancel
step "A cancelled the game"

# B's message box: a second window titled like the main window.
box=""
for _ in $(seq 50); do
  for candidate in $(xdotool search --all --onlyvisible --pid "$pid_b" --name '^Sudoku$' 2>/dev/null); do
    [ "$candidate" != "$window_b" ] && box=$candidate
  done
  [ -n "$box" ] && break
  sleep 0.2
done
[ -n "$box" ] || fail "B was not told that the game was cancelled"
# The box opens over B's own window (centred on it), not over A's.
eval "$(xdotool getwindowgeometry --shell "$window_b")"
b_centre_x=$((X + WIDTH / 2))
b_centre_y=$((Y + HEIGHT / 2))
eval "$(xdotool getwindowgeometry --shell "$box")"
[ $((X + WIDTH / 2 - b_centre_x)) -ge -5 ] && [ $((X + WIDTH / 2 - b_centre_x)) -le 5 ] \
  && [ $((Y + HEIGHT / 2 - b_centre_y)) -ge -5 ] && [ $((Y + HEIGHT / 2 - b_centre_y)) -le 5 ] \
  || fail "B's message box (centre $((X + WIDTH / 2)),$((Y + HEIGHT / 2))) is not over B's window (centre $b_centre_x,$b_centre_y)"
# The text is read by comparing the box with one of the same text shown by a
# sample program (same class, style and fonts): the pictures agree.
park_mouse
sleep 0.3
window_picture "$box" "$work/box_b.png"
QT_QPA_PLATFORM=xcb "$sample_tool" --error "The game was cancelled by the host." >"$work/sample.log" 2>&1 &
sample_pid=$!
sample=""
for _ in $(seq 50); do
  sample=$(xdotool search --all --onlyvisible --pid "$sample_pid" --name '^Sudoku$' 2>/dev/null | head -n1)
  [ -n "$sample" ] && break
  sleep 0.2
done
[ -n "$sample" ] || fail "the sample message box did not open"
sleep 0.5
window_picture "$sample" "$work/box_sample.png"
end_process "$sample_pid"
size_b=$(identify -format "%wx%h" "$work/box_b.png")
size_sample=$(identify -format "%wx%h" "$work/box_sample.png")
[ "$size_b" = "$size_sample" ] || fail "B's message box ($size_b) is not the cancelled game's ($size_sample)"
box_diff=$(differing_pixels "$work/box_b.png" "$work/box_sample.png")
[ "$box_diff" -lt 20 ] || fail "B's message box differs from the cancelled game's in $box_diff pixels"
step "B: The game was cancelled by the host."
xdotool key Return
stop_copies
step "done"
