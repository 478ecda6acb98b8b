#!/usr/bin/env bash
# End-to-end: plays through the real program on a virtual X display with real
# mouse clicks. A generated game from the home screen: a digit placed through
# the number picker into an empty cell, a pencil mark with the right button,
# a check, the solution shown. Back home, a grid designed through the picker,
# graded, accepted and played: a digit placed, pause and resume, then the
# developer's name shortcut and a placement that wins, up to the win window.
# Finally the program is quit through its windows.
#
# usage: play_game.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail

program=${1:?usage: play_game.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

for tool in Xvfb xdotool convert import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
started=$SECONDS

cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  if [ -n "${KEEP_E2E_WORK:-}" ]; then
    echo "work folder kept: $work"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $* (after $((SECONDS - started)) s)"
  if [ -f "$work/game.log" ]; then
    echo "--- program output"
    cat "$work/game.log"
  fi
  exit 1
}

step() {
  echo "[$((SECONDS - started)) s] $*"
}

# ---- a virtual display on a free display number ----
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# ---- the program, with a home of its own ----
home="$work/home"
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$work/runtime"
chmod 700 "$work/runtime"
(
  export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
  export XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/runtime"
  export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
  if [ -n "$suppressions" ]; then
    export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
  fi
  exec "$program"
) >"$work/game.log" 2>&1 &
game_pid=$!

window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name '^Sudoku$' 2>/dev/null | head -n1)
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended at start-up"
  sleep 0.2
done
[ -n "$window" ] || fail "no Sudoku window appeared"

# ---- screen geometry of the game (window pixels) ----
board_left=298
board_top=140
cell=60
game_column_x=80   # in-game buttons, 150 by 38, every 40 pixels from y 140
home_column_x=450  # home buttons, from y 280
yes_x=$((262 + 50 + 75))
yes_y=$((200 + 300 + 19))
panel_left=871
panel_top=151

wx=0
wy=0
window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X
  wy=$Y
}

shot() {
  import -window root "$work/$1.png"
}

# The colour of one pixel of a picture as "r,g,b" (window coordinates for a shot).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Share of dark pixels of each cell of a shot, 0..255, as 81 lines "x y value"
# (rows from the top, each from the left). Empty cells stay near 10, cells
# holding a digit score far above.
cell_darkness() {
  convert "$1" -crop "540x540+$((wx + board_left))+$((wy + board_top))" +repage -colorspace gray \
    -threshold 45% -negate -scale '9x9!' -depth 8 txt:- |
    sed -n 's/^\([0-9]\),\([0-9]\): (\([0-9]*\).*/\1 \2 \3/p'
}

# Pixels that differ (by more than 8 %) between two shots inside a rectangle
# w h x y of the window.
area_change() {
  convert "$1" "$2" -crop "$3x$4+$((wx + $5))+$((wy + $6))" +repage -compose difference -composite \
    -colorspace gray -threshold 8% -format "%[fx:round(mean*w*h)]" info:
}

# The same inside cell (x, y), its border left out.
cell_change() {
  area_change "$1" "$2" $((cell - 8)) $((cell - 8)) $((board_left + $3 * cell + 4)) $((board_top + $4 * cell + 4))
}

# A click of button 1 (left) or 3 (right) at a window point.
click() {
  xdotool mousemove $((wx + $1)) $((wy + $2))
  sleep 0.05
  xdotool click "${3:-1}"
}

game_button() {
  click $((game_column_x + 75)) $((100 + $1 * 40 + 19))
}

home_button() {
  click $((home_column_x + 75)) $((240 + $1 * 40 + 19))
}

cell_x() { echo $((board_left + $1 * cell + cell / 2)); }
cell_y() { echo $((board_top + $1 * cell + cell / 2)); }

# Offsets of the picker items' centres from the point 10 pixels up and left of
# the cell's centre, once the picker has stopped spinning: item i (1 the
# eraser, 2..10 the digits) stands at i * 36 degrees on a circle of 60 pixels.
item_dx=(0 35 57 57 35 0 -35 -57 -57 -35 0)
item_dy=(0 49 19 -19 -49 -60 -49 -19 19 49 60)

clamp() {
  local v=$1
  [ "$v" -lt "$2" ] && v=$2
  [ "$v" -gt "$3" ] && v=$3
  echo "$v"
}

# Opens the picker on cell (x, y) and clicks the item of a digit (0 the
# eraser) with button 1 (place) or 3 (pencil mark). The point aimed at stays
# where the open picker does not close when the mouse moves there: inside the
# board widened by 35 pixels up and left and by 20 down and right.
pick() {
  local x=$1 y=$2 digit=$3 button=${4:-1}
  local item=$((digit + 1))
  local cx cy
  cx=$(cell_x "$x")
  cy=$(cell_y "$y")
  click "$cx" "$cy" "$button"
  sleep 0.2
  local ix iy
  ix=$(clamp $((cx - 10 + item_dx[item])) $((board_left - 32)) $((board_left + 540 + 17)))
  iy=$(clamp $((cy - 10 + item_dy[item])) $((board_top - 32)) $((board_top + 540 + 17)))
  xdotool mousemove $((wx + ix)) $((wy + iy))
  # Two frames find the item under the mouse.
  sleep 0.15
  xdotool click "$button"
  sleep 0.05
}

# Waits until the check (a function taking a fresh shot's path) succeeds.
wait_for() {
  local what=$1 check=$2 tries=${3:-40}
  for _ in $(seq "$tries"); do
    shot current
    if "$check" "$work/current.png"; then
      return 0
    fi
    sleep 0.2
  done
  fail "$what"
}

# ---- the home screen ----
home_picture="$(dirname "$program")/graphisme/accueil.bmp"
[ -f "$home_picture" ] || fail "the data folder has no home picture: $home_picture"
# The home picture with the home column drawn over it (before the start-up
# step the window shows the bare picture).
home_drawn() {
  window_origin
  [ "$(pixel "$1" $((wx + 900)) $((wy + 600)))" = "$(pixel "$home_picture" 899 599)" ] &&
    [ "$(pixel "$1" $((wx + 525)) $((wy + 299)))" != "$(pixel "$home_picture" 524 298)" ]
}
# Most of the board's place no longer shows the home picture.
home_gone() {
  local changed
  changed=$(convert "$1" -crop "540x540+$((wx + board_left))+$((wy + board_top))" +repage \
    \( "$home_picture" -crop "540x540+$((board_left - 1))+$((board_top - 1))" +repage \) \
    -compose difference -composite -colorspace gray -threshold 8% -format "%[fx:round(mean*w*h)]" info:)
  [ "$changed" -gt 150000 ]
}
wait_for "the home screen was not drawn" home_drawn 100
step "home screen"

# ---- a generated game ----
home_button 1
board_drawn() {
  home_gone "$1" && [ "$(cell_darkness "$1" | awk '$3 > 20' | wc -l)" -ge 17 ]
}
wait_for "no game board after the new-game button" board_drawn
cp "$work/current.png" "$work/dealt.png"
filled=$(cell_darkness "$work/dealt.png" | awk '$3 > 20' | wc -l)
step "new game dealt with $filled digits"
[ "$filled" -lt 81 ] || fail "the dealt grid has no empty cell"

# Two empty cells away from the board's edges.
mapfile -t empties < <(cell_darkness "$work/dealt.png" | awk '$3 < 20 && $1 >= 1 && $1 <= 7 && $2 >= 1 && $2 <= 7 {print $1, $2}')
[ "${#empties[@]}" -ge 2 ] || fail "fewer than two empty cells inside the board"
read -r ax ay <<<"${empties[0]}"
read -r bx by <<<"${empties[1]}"

pick "$ax" "$ay" 5
digit_placed() {
  [ "$(cell_change "$work/dealt.png" "$1" "$ax" "$ay")" -gt 150 ] &&
    [ "$(cell_darkness "$1" | awk -v x="$ax" -v y="$ay" '$1 == x && $2 == y {print $3}')" -gt 20 ]
}
wait_for "no digit appeared in cell ($ax, $ay) after the picker" digit_placed 15
cp "$work/current.png" "$work/placed.png"
step "digit 5 placed in cell ($ax, $ay)"

pick "$bx" "$by" 3 3
mark_drawn() {
  local changed
  changed=$(cell_change "$work/placed.png" "$1" "$bx" "$by")
  [ "$changed" -gt 20 ] && [ "$changed" -lt 600 ]
}
wait_for "no pencil mark in cell ($bx, $by) after a right click" mark_drawn 15
cp "$work/current.png" "$work/marked.png"
step "pencil mark 3 in cell ($bx, $by)"

# Check: the status bar's message panel shows its line, the clock jumps.
status_y=$((768 - 20))
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
  [ "$(cell_darkness "$1" | awk '$3 > 20' | wc -l)" -eq 81 ]
}
wait_for "the solution did not fill the board" solved 20
step "solved"

# ---- back home, then design a grid ----
# The generated game's column: solve, new game, check, print, load, options,
# save, quit.
game_button 8
sleep 0.3
click "$yes_x" "$yes_y"
wait_for "the quit answer did not bring the home screen back" home_drawn 20
home_button 2
empty_board() {
  home_gone "$1" && [ "$(cell_darkness "$1" | awk '$3 > 20' | wc -l)" -eq 0 ]
}
wait_for "design mode did not show an empty board" empty_board 20
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
designed() {
  local got
  got=$(cell_darkness "$1" | awk '$3 > 20 {printf "%s,%s ", $1, $2}')
  [ "$got" = "$expected_cells" ]
}
expected_cells=$(for y in $(seq 0 8); do for x in $(seq 0 8); do
  [ "${design:$((y * 10 + x)):1}" != "_" ] && printf "%s,%s " "$x" "$y"; done; done)
wait_for "the typed grid is not on the board" designed 10
step "$typed digits typed"

# Play: the grid is graded and the window asks to play it.
fenetre="$(dirname "$program")/graphisme/fenetre.bmp"
window_open() {
  [ "$(pixel "$1" $((wx + 262 + 480)) $((wy + 200 + 180)))" = "$(pixel "$fenetre" 480 180)" ]
}
window_closed() {
  ! window_open "$1"
}
# Design mode's column: solve, check, print, options, play, quit.
game_button 5
wait_for "no window after play on the designed grid" window_open 20
click "$yes_x" "$yes_y"
wait_for "the grading window did not close" window_closed 20
step "designed grid accepted"

shot accepted
mapfile -t empties < <(cell_darkness "$work/accepted.png" | awk '$3 < 20 && $1 >= 1 && $1 <= 7 && $2 >= 1 && $2 <= 7 {print $1, $2}')
[ "${#empties[@]}" -ge 2 ] || fail "fewer than two empty cells in the designed game"
read -r ax ay <<<"${empties[0]}"
read -r bx by <<<"${empties[1]}"
pick "$ax" "$ay" 7
digit_in_designed_game() {
  [ "$(cell_change "$work/accepted.png" "$1" "$ax" "$ay")" -gt 150 ]
}
wait_for "no digit placed in the designed game" digit_in_designed_game 15
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
pick "$bx" "$by" 2
wait_for "the winning placement opened no window" window_open 20
step "won: the win window is open"
click "$yes_x" "$yes_y"
wait_for "the win window did not close" window_closed 20

# ---- quit the game, then the program ----
game_button 6
sleep 0.3
click "$yes_x" "$yes_y"
wait_for "no home screen after quitting the game" home_drawn 20
home_button 6
sleep 0.3
click "$yes_x" "$yes_y"

ended=no
for _ in $(seq 100); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    ended=yes
    break
  fi
  sleep 0.2
done
[ "$ended" = yes ] || fail "the program did not end after the quit answer"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
grep -q '^Joueur=' "$home/.config/BRINDLEX/Sudoku.conf" || fail "no player name saved"
step "PASS"
exit 0
