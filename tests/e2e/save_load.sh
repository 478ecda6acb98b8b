#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X display, starts a game
# from the home screen, saves it, quits the program, starts it again, loads
# the game from the home screen (load button, the entry in the list window,
# yes) and checks that the board looks exactly as it did when it was saved.
#
# usage: save_load.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail

program=${1:?usage: save_load.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}
data_folder=$(dirname "$program")

for tool in Xvfb xdotool convert compare; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done
if ! command -v import >/dev/null 2>&1 && ! command -v xwd >/dev/null 2>&1; then
  echo "SKIP: neither import nor xwd is installed"
  exit 77
fi

work=$(mktemp -d)
xvfb_pid=""
game_pid=""

stop_game() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  game_pid=""
}

cleanup() {
  stop_game
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  for log in "$work"/game*.log; do
    [ -f "$log" ] || continue
    echo "--- program output ($log)"
    cat "$log"
  done
  exit 1
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

screenshot() {
  if command -v import >/dev/null 2>&1; then
    import -window root "$1"
  else
    xwd -root -silent | convert xwd:- "$1"
  fi
}

# The colour of one pixel of a picture as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Number of pixels that differ between two pictures of the same size.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

home="$work/home"
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$work/runtime"
chmod 700 "$work/runtime"
games_folder="$home/.local/share/Sudoku/Parties"
home_picture="$data_folder/graphisme/accueil.bmp"
[ -f "$home_picture" ] || fail "the data folder has no home picture: $home_picture"

window=""
wx=0
wy=0

# Starts the program with its own home and waits for its home screen.
start_game() {
  (
    export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    export XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/runtime"
    export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
    if [ -n "$suppressions" ]; then
      export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
    fi
    exec "$program"
  ) >"$work/game$1.log" 2>&1 &
  game_pid=$!

  window=""
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Sudoku$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the program ended at start-up"
    sleep 0.2
  done
  [ -n "$window" ] || fail "no Sudoku window appeared"

  local drawn=no
  for _ in $(seq 100); do
    screenshot "$work/home.png"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wx=$X
    wy=$Y
    if [ "$(pixel "$work/home.png" $((wx + 100)) $((wy + 100)))" = "$(pixel "$home_picture" 99 99)" ] \
       && [ "$(pixel "$work/home.png" $((wx + 525)) $((wy + 299)))" != "$(pixel "$home_picture" 524 298)" ]; then
      drawn=yes
      break
    fi
    sleep 0.2
  done
  [ "$drawn" = yes ] || fail "the home screen was not drawn"
}

click() {
  xdotool mousemove $((wx + $1)) $((wy + $2))
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  # Out of the way of the board and the buttons before any screenshot.
  xdotool mousemove $((wx + 20)) $((wy + 650))
}

# Waits until the screen point (x, y) of the window shows the home picture's
# pixel (showing = yes) or no longer does (showing = no).
wait_home_pixel() {
  local x=$1 y=$2 showing=$3 what=$4
  for _ in $(seq 75); do
    screenshot "$work/wait.png"
    if [ "$(pixel "$work/wait.png" $((wx + x)) $((wy + y)))" = "$(pixel "$home_picture" $((x - 1)) $((y - 1)))" ]; then
      [ "$showing" = yes ] && return 0
    else
      [ "$showing" = no ] && return 0
    fi
    sleep 0.2
  done
  fail "$what"
}

# Clicks (x, y), then waits until the point (px, py) of the window changes.
click_and_wait_change() {
  local x=$1 y=$2 px=$3 py=$4 what=$5
  screenshot "$work/before.png"
  local before
  before=$(pixel "$work/before.png" $((wx + px)) $((wy + py)))
  click "$x" "$y"
  for _ in $(seq 75); do
    screenshot "$work/wait.png"
    [ "$(pixel "$work/wait.png" $((wx + px)) $((wy + py)))" != "$before" ] && return 0
    sleep 0.2
  done
  fail "$what"
}

# The yes answer of the message window.
answer_yes() {
  click $((262 + 50 + 75)) $((200 + 300 + 19))
}

# The board: 540 by 540 at (298, 140) of the screen.
board_picture() {
  screenshot "$work/screen.png"
  convert "$work/screen.png" -crop "540x540+$((wx + 298))+$((wy + 140))" +repage "$1"
}

# Quits: the in-game column's quit button (8th: play/pause is hidden), yes,
# then the home column's quit button (6th), yes.
quit_game() {
  click_and_wait_change 155 439 512 350 "the quit-game question did not appear"
  answer_yes
  wait_home_pixel 100 100 yes "the home screen did not come back"
  click_and_wait_change 525 499 512 350 "the quit-program question did not appear"
  answer_yes
  for _ in $(seq 150); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the program did not end after the yes answer"
  wait "$game_pid"
  local status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# ---- first run: a new game, saved ----
start_game 1
click_and_wait_change 525 299 100 100 "no game started" # new game, first in the home column
sleep 0.5
board_picture "$work/board_saved.png"
convert "$home_picture" -crop 540x540+297+139 +repage "$work/board_home.png"
[ "$(differing_pixels "$work/board_saved.png" "$work/board_home.png")" -gt 10000 ] \
  || fail "the board of the new game was not drawn"

click 155 399 # save, 7th in the in-game column
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

quit_game

# ---- second run: load it from the home screen ----
start_game 2
# Load, 3rd in the home column: the chooser with the list window.
click_and_wait_change 525 379 512 300 "the load chooser did not appear"
sleep 0.3
click 400 263 # the first (only) entry of the list window
sleep 0.3
answer_yes
wait_home_pixel 100 100 no "the saved game was not loaded"

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

quit_game
echo "PASS"
exit 0
