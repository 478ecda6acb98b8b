#!/usr/bin/env bash
# End-to-end: two copies of the real program on one virtual X display, each
# with a home of its own, play a network game over the loopback address.
# A hosts a battle from the home screen's Multiplayer button under a name
# made of its UDP port (which no other copy on the machine holds at the same
# time); B adds 127.0.0.1, finds the row of that name among the games listed
# (other copies of the game on the machine may host too) and joins it; A's
# hosting dialog lists B and A starts the game. Both boards show the same
# givens. B saves the game to read the solution, places a right digit, and
# A's scores window and A's window of B's progress change. Then both start again: B joins A's new game
# and A cancels it, which B is told in an error box over B's own window.
#
# Every copy is ended with SIGTERM and must end by itself with status 0 (a
# sanitizer's report at exit fails the script); its output is printed once
# it has ended. B is started first and moved aside before A starts, so the
# two windows never share a place on the display while one is checked.
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
list_tool="$(dirname "$program")/e2e_game_list"
[ -x "$list_tool" ] || { echo "SKIP: $list_tool is not built"; exit 77; }
make_work_folder
pid_a=""
pid_b=""
log_a=""
log_b=""
window_a=""
window_b=""
sample_pid=""
# On the way out, whatever still runs is ended unchecked.
end_all() {
  end_process "$pid_a"
  end_process "$pid_b"
  end_process "$sample_pid"
  pid_a=""
  pid_b=""
  sample_pid=""
  # game_pid is one of the two copies: once they have ended, the exit
  # trap's stop_program must not signal that number again (the system may
  # have given it to another process by then).
  game_pid=""
}
trap 'end_all; cleanup' EXIT
end_before_report() {
  end_all
}

# Ends both copies of a run and checks how they ended.
stop_copies() {
  local run=$1 pid
  pid=$pid_a
  pid_a=""
  stop_and_check "$pid" "$log_a" "copy A (run $run)"
  pid=$pid_b
  pid_b=""
  game_pid=""
  stop_and_check "$pid" "$log_b" "copy B (run $run)"
}

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
  local log="$work/game-$name$run.log"
  launch_program "$work/home-$name" "$log"
  local pid=$launched_pid
  if [ "$name" = A ]; then
    pid_a=$pid
    log_a=$log
  else
    pid_b=$pid
    log_b=$log
  fi
  local found="" deadline=$((SECONDS + 30))
  while [ "$SECONDS" -lt "$deadline" ]; do
    found=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Sudoku$' 2>/dev/null | head -n1)
    [ -n "$found" ] && break
    kill -0 "$pid" 2>/dev/null || fail "copy $name ended at start-up"
    sleep 0.2
  done
  [ -n "$found" ] || fail "no window of copy $name appeared"
  if [ "$name" = A ]; then
    window_a=$found
  else
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

# B's main window goes below and right of where A's will stand, so that no
# click meant for one lands on the other. (xdotool's --sync would wait
# without end for a window that does not move, or that its program puts
# back.) B's start-up is over by then: its home screen was seen where no
# other window stood.
move_b_aside() {
  use_copy B
  local deadline=$((SECONDS + 10))
  while :; do
    xdotool windowmove "$window_b" 1100 850 2>/dev/null
    sleep 0.5
    window_origin
    [ "$wx" -eq 1100 ] && [ "$wy" -eq 850 ] && break
    [ "$SECONDS" -lt "$deadline" ] || fail "B's window stayed at $wx,$wy"
  done
  wait_until 20 "B's home screen was not drawn after the move" home_drawn
  window_origin
  [ "$wx" -eq 1100 ] && [ "$wy" -eq 850 ] || fail "B's window went back to $wx,$wy"
}

# The UDP port (decimal) of the game's range 12000..12010 that a process has
# bound, read from its sockets in /proc; empty when it has none.
udp_port_of() {
  local pid=$1 fd link inodes=" " sl address rest inode port
  for fd in /proc/"$pid"/fd/*; do
    link=$(readlink "$fd" 2>/dev/null) || continue
    case $link in socket:\[*\]) inodes+="${link//[^0-9]/} " ;; esac
  done
  while read -r sl address _ _ _ _ _ _ _ inode rest; do
    [ "$sl" = "sl" ] && continue
    port=$((16#${address#*:}))
    if [ "$port" -ge 12000 ] && [ "$port" -le 12010 ] && [[ $inodes == *" $inode "* ]]; then
      echo "$port"
      return 0
    fi
  done </proc/net/udp
}

# The first row's host cell of a setup window that lists one game hosted by
# a name, as the sample program shows it: its picture (inside the grid
# lines, the host's name at its left) into <work>/row_sample.png, its place
# in the window into row_x row_y, its height into row_h and the distance
# from one row to the next into row_pitch.
sample_game_row() {
  local name=$1 window=""
  QT_QPA_PLATFORM=xcb "$list_tool" "$name" >"$work/list_sample.out" 2>"$work/list_sample.log" &
  sample_pid=$!
  local deadline=$((SECONDS + 20))
  while [ "$SECONDS" -lt "$deadline" ]; do
    window=$(xdotool search --all --onlyvisible --pid "$sample_pid" --name '^Multiplayer Setup$' 2>/dev/null | head -n1)
    [ -n "$window" ] && [ -s "$work/list_sample.out" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || fail "the sample setup window did not open"
  local width
  read -r row_x row_y width row_h row_pitch <"$work/list_sample.out"
  [ -n "$row_pitch" ] && [ "$width" -gt "$row_width" ] || fail "the sample's row cell is $width by $row_h"
  sleep 0.5
  window_picture "$window" "$work/list_sample.png"
  end_process "$sample_pid"
  sample_pid=""
  convert "$work/list_sample.png" -crop "${row_width}x$((row_h - 2))+$((row_x + 1))+$((row_y + 1))" +repage \
    "$work/row_sample.png"
}
# The width of a host cell compared: the names used here fit in it, and the
# narrowest column the list gives the host (beside a head-to-head game's
# type) is wider.
row_width=66

# ---- steps shared by both runs ----

# A: Multiplayer, Host, the name, a battle chosen in the hosting dialog.
host_battle() {
  use_copy A
  park_mouse
  home_button 6
  wait_window "$pid_a" '^Multiplayer Setup$' "A's setup window did not open"
  setup_a=$dialog
  local port
  port=$(udp_port_of "$pid_a")
  [ -n "$port" ] || fail "copy A holds no port of 12000..12010"
  host_name="Ann$port"
  sample_game_row "$host_name"
  click_dialog $((220 + 37)) $((260 + 12)) # Host
  enter_name "$pid_a" "$host_name"
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
  # A's row: the one whose host cell shows A's name as the sample does.
  local found="" row deadline=$((SECONDS + 20))
  while [ -z "$found" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "A's game ($host_name) was not listed in B's setup window"
    sleep 0.3
    window_picture "$setup_b" "$work/setup_b.png"
    for row in 0 1 2 3 4 5; do
      [ $((row_y + row * row_pitch + row_h)) -le 247 ] || break
      convert "$work/setup_b.png" -crop "${row_width}x$((row_h - 2))+$((row_x + 1))+$((row_y + 1 + row * row_pitch))" \
        +repage "$work/row_b.png"
      if [ "$(differing_pixels "$work/row_b.png" "$work/row_sample.png")" = 0 ]; then
        found=$row
        break
      fi
    done
  done
  step "B lists A's game ($host_name) in row $((found + 1))"
  xdotool mousemove $((sx + row_x + 20)) $((sy + row_y + found * row_pitch + row_h / 2))
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

# Starts B, moves it aside once its start-up is over, then starts A.
start_both() {
  local run=$1
  start_copy B "$run"
  use_copy B
  wait_until 40 "B's home screen was not drawn (run $run)" home_drawn
  move_b_aside
  start_copy A "$run"
  use_copy A
  wait_until 40 "A's home screen was not drawn (run $run)" home_drawn
}

# ---- first run: a battle started by A ----
start_both 1
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

stop_copies 1
step "both copies stopped"

# ---- second run: A cancels, B is told ----
start_both 2
step "two copies on their home screens again"

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
sample_pid=""
size_b=$(identify -format "%wx%h" "$work/box_b.png")
size_sample=$(identify -format "%wx%h" "$work/box_sample.png")
[ "$size_b" = "$size_sample" ] || fail "B's message box ($size_b) is not the cancelled game's ($size_sample)"
box_diff=$(differing_pixels "$work/box_b.png" "$work/box_sample.png")
[ "$box_diff" -lt 20 ] || fail "B's message box differs from the cancelled game's in $box_diff pixels"
step "B: The game was cancelled by the host."
xdotool key Return
sleep 0.5
stop_copies 2
step "done"
