# shellcheck shell=bash
# Shared by the end-to-end scripts: a virtual X display, the real program
# started with a home of its own, screenshots read with ImageMagick, mouse
# input with xdotool, and the screen geometry of the game.
#
# A script sets `program` (the program's path) and `suppressions` (an lsan
# suppressions file, may be empty), then calls prepare_run (or its steps
# one by one) before start_program. Points given to click, pixel checks and crops are window
# coordinates; wx and wy hold the window's origin on the screen.
#
# Set KEEP_E2E_WORK=1 to keep the work folder (shots, logs, home) after a run.

set -uo pipefail

started=$SECONDS
work=""
xvfb_pid=""
monitor_pid=""
game_pid=""
window=""
wx=0
wy=0

# ---- screen geometry of the game (window pixels) ----
board_left=298
board_top=140
board_size=540
cell=60
game_column_x=80   # in-game buttons, 150 by 38, every 40 pixels from y 140
home_column_x=450  # home buttons, from y 280
yes_x=$((262 + 50 + 75))
yes_y=$((200 + 300 + 19))
park_x=20          # a point away from the board and the buttons
park_y=650

# ---- set-up and tear-down ----

# Exits 77 (skipped) unless every tool named is installed, and unless a way
# to take screenshots (import or xwd) is.
require_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
  if ! command -v import >/dev/null 2>&1 && ! command -v xwd >/dev/null 2>&1; then
    echo "SKIP: neither import nor xwd is installed"
    exit 77
  fi
}

make_work_folder() {
  work=$(mktemp -d)
  trap cleanup EXIT
}

# Ends a process this script started: TERM, then KILL when it is still there
# after 3 s.
end_process() {
  local pid=$1
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
  kill "$pid" 2>/dev/null
  for _ in $(seq 30); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# Ends a process this script started with SIGTERM, as a user's session
# would, and checks that it ends by itself with status 0 within the seconds
# given (default 30: a sanitized program checks its memory at exit).
# Afterwards its output is printed under the title given, so what it wrote
# at exit is seen. Fails when it ends otherwise.
# usage: stop_and_check pid log title [seconds]
stop_and_check() {
  local pid=$1 log=$2 title=$3 seconds=${4:-30}
  local deadline=$((SECONDS + seconds)) status
  kill "$pid" 2>/dev/null
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    fail "$title did not end within $seconds s of SIGTERM"
  fi
  wait "$pid"
  status=$?
  echo "--- output of $title"
  cat "$log"
  echo "--- end of output of $title (status $status)"
  [ "$status" -eq 0 ] || fail "$title ended with status $status"
}

# Ends the program if it still runs.
stop_program() {
  end_process "$game_pid"
  game_pid=""
}

cleanup() {
  stop_program
  end_process "$monitor_pid"
  monitor_pid=""
  end_process "$xvfb_pid"
  xvfb_pid=""
  if [ -n "${KEEP_E2E_WORK:-}" ]; then
    echo "work folder kept: $work"
  else
    rm -rf "$work"
  fi
}

elapsed() {
  echo "$((SECONDS - started)) s"
}

step() {
  echo "[$(elapsed)] $*"
}

# Reports a failure with the program's output of every run, then exits 1.
# A script may define end_before_report to end its programs first, so that
# what they write at exit is in their output.
fail() {
  echo "FAIL: $* (after $(elapsed))"
  if declare -F end_before_report >/dev/null; then
    end_before_report
  fi
  local log
  for log in "$work"/game*.log; do
    [ -f "$log" ] || continue
    echo "--- program output ($(basename "$log"))"
    cat "$log"
  done
  exit 1
}

# A virtual display on a free display number, exported as DISPLAY. Its
# output lists 1280x1024 (the desktop) and, like a usual monitor,
# 1024x768 at 60 and 75 Hz (monitor_modes.py).
start_xvfb() {
  local screen=${1:-1280x1024x24}
  shift $(($# > 0 ? 1 : 0))
  Xvfb -displayfd 3 -screen 0 "$screen" "$@" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
}

# The usual display: 1280 x 1024 whose output lists the game's modes.
start_display() {
  start_xvfb
  command -v python3 >/dev/null 2>&1 || { echo "SKIP: python3 is not installed"; exit 77; }
  python3 "$(dirname "${BASH_SOURCE[0]}")/monitor_modes.py" >"$work/monitor" 2>&1 &
  monitor_pid=$!
  for _ in $(seq 100); do
    grep -q ready "$work/monitor" 2>/dev/null && break
    kill -0 "$monitor_pid" 2>/dev/null || break
    sleep 0.1
  done
  grep -q ready "$work/monitor" || fail "the monitor modes were not added: $(cat "$work/monitor")"
}

# The pictures of the program's data folder the checks compare with.
find_data_pictures() {
  home_picture="$(dirname "$program")/graphisme/accueil.bmp"
  window_picture="$(dirname "$program")/graphisme/fenetre.bmp"
  [ -f "$home_picture" ] || fail "the data folder has no home picture: $home_picture"
  [ -f "$window_picture" ] || fail "the data folder has no window picture: $window_picture"
}

# Starts the program with a home of its own under the work folder (the same
# home for every run of a script) and waits for its window. Its output goes
# to game<run>.log.
# The usual first steps of a script: the tools it needs (Xvfb, xdotool and
# convert, and any named), a work folder, a display and the data pictures.
prepare_run() {
  require_tools Xvfb xdotool convert "$@"
  make_work_folder
  start_display
  find_data_pictures
}

# Starts the program in the background with a home of its own, its output
# in a log; its process id in launched_pid.
launch_program() {
  local program_home=$1 log=$2
  mkdir -p "$program_home/.config" "$program_home/.local/share" "$program_home/.cache" "$program_home/runtime"
  chmod 700 "$program_home/runtime"
  (
    export HOME="$program_home" XDG_CONFIG_HOME="$program_home/.config" XDG_DATA_HOME="$program_home/.local/share"
    export XDG_CACHE_HOME="$program_home/.cache" XDG_RUNTIME_DIR="$program_home/runtime"
    export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
    if [ -n "$suppressions" ]; then
      export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
    fi
    exec "$program"
  ) >"$log" 2>&1 &
  launched_pid=$!
}

start_program() {
  local run=${1:-}
  home="$work/home"
  launch_program "$home" "$work/game$run.log"
  game_pid=$launched_pid

  window=""
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Sudoku$' 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the program ended at start-up"
    sleep 0.2
  done
  [ -n "$window" ] || fail "no Sudoku window appeared"
  window_origin
}

# Waits until the program has ended by itself, and checks its exit status.
wait_program_end() {
  local what=$1
  for _ in $(seq 150); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$game_pid" 2>/dev/null && fail "$what"
  wait "$game_pid"
  local status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# ---- the screen ----

# The window's top-left corner on the screen into wx, wy (the window moves
# to 0,0 at start-up).
window_origin() {
  # shellcheck disable=SC2034 # only X and Y are used
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X
  wy=$Y
}

# A picture of the whole screen into a file.
screenshot() {
  if command -v import >/dev/null 2>&1; then
    import -window root "$1"
  else
    xwd -root -silent | convert xwd:- "$1"
  fi
}

# A picture of the whole screen into <work>/<name>.png.
shot() {
  screenshot "$work/$1.png"
}

# The colour of one pixel of a picture as "r,g,b" (screen coordinates for a
# shot, the picture's own for a data picture).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# True when the window point (x, y) of a shot shows the home picture, which
# the program draws at (1, 1).
shows_home_pixel() {
  [ "$(pixel "$1" $((wx + $2)) $((wy + $3)))" = "$(pixel "$home_picture" $(($2 - 1)) $(($3 - 1)))" ]
}

# Waits until the check (a function taking a fresh shot's path, then the
# arguments given after it) succeeds; fails with the message otherwise.
wait_for() {
  local tries=$1 what=$2 check=$3
  shift 3
  for _ in $(seq "$tries"); do
    shot current
    if "$check" "$work/current.png" "$@"; then
      return 0
    fi
    sleep 0.2
  done
  fail "$what"
}

# Like wait_for, with a time limit in seconds instead of a number of tries:
# a slow shot cannot stretch the wait past it.
wait_until() {
  local seconds=$1 what=$2 check=$3
  shift 3
  local deadline=$((SECONDS + seconds))
  while :; do
    shot current
    if "$check" "$work/current.png" "$@"; then
      return 0
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "$what (after $seconds s)"
    sleep 0.2
  done
}

# ---- the mouse ----

# Presses and releases mouse button 1 (left, the default) or 3 (right)
# where the mouse is.
press() {
  xdotool mousedown "${1:-1}"
  sleep 0.1
  xdotool mouseup "${1:-1}"
}

# A click at a window point, with button 1 or 3.
click() {
  xdotool mousemove $((wx + $1)) $((wy + $2))
  sleep 0.1
  press "${3:-1}"
}

# Moves the mouse out of the way of the board and the buttons.
park_mouse() {
  xdotool mousemove $((wx + park_x)) $((wy + park_y))
}

# The n-th button (from 1) of the in-game column.
game_button() {
  click $((game_column_x + 75)) $((100 + $1 * 40 + 19))
}

# The n-th button (from 1) of the home column.
home_button() {
  click $((home_column_x + 75)) $((240 + $1 * 40 + 19))
}

# The yes answer of the message window.
answer_yes() {
  click "$yes_x" "$yes_y"
}

# ---- the home screen and the message window ----

# The home picture with the home column drawn over it (before the start-up
# step the window shows the bare picture).
home_drawn() {
  window_origin
  shows_home_pixel "$1" 100 100 && shows_home_pixel "$1" 900 600 && ! shows_home_pixel "$1" 525 299
}

# Waits until the home screen is drawn; fails with the message otherwise.
wait_home_screen() {
  local tries=$1 what=${2:-the home screen was not drawn}
  wait_for "$tries" "$what" home_drawn
}

# The message window (its picture drawn at (262, 200)) is open.
window_open() {
  [ "$(pixel "$1" $((wx + 262 + 480)) $((wy + 200 + 180)))" = "$(pixel "$window_picture" 480 180)" ]
}

window_closed() {
  ! window_open "$1"
}

# ---- the board ----

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

# Share of dark pixels in the middle of each cell of a shot (36 by 44, where
# a digit stands, away from the grid lines and the wood's darker grain),
# 0..255, as 81 lines "x y value" (rows from the top, each from the left).
# Empty cells score 0, the thinnest digit (a 1) above 40; pencil marks also
# count there, so read digits only where no mark is shown.
cell_darkness() {
  convert "$1" -crop "${board_size}x${board_size}+$((wx + board_left))+$((wy + board_top))" +repage \
    -crop "${cell}x${cell}" +repage -gravity center -crop 36x44+0+0 +repage \
    -colorspace gray -threshold 45% -negate -format "%[fx:round(255*mean)]\n" info: |
    awk '{print (NR - 1) % 9, int((NR - 1) / 9), $1}'
}

# The darkness of cell (x, y) of a shot.
darkness_of_cell() {
  cell_darkness "$1" | awk -v x="$2" -v y="$3" '$1 == x && $2 == y {print $3}'
}

# How many cells of a shot hold a digit.
digit_count() {
  cell_darkness "$1" | awk '$3 > 20' | wc -l
}

# The empty cells of a shot away from the board's edges, one "x y" a line.
inner_empty_cells() {
  cell_darkness "$1" | awk '$3 < 20 && $1 >= 1 && $1 <= 7 && $2 >= 1 && $2 <= 7 {print $1, $2}'
}

# Sets ax ay and bx by to two empty cells of a shot, away from the board's edges.
pick_two_empty_cells() {
  local empties
  mapfile -t empties < <(inner_empty_cells "$1")
  [ "${#empties[@]}" -ge 2 ] || fail "fewer than two empty cells inside the board"
  read -r ax ay <<<"${empties[0]}"
  read -r bx by <<<"${empties[1]}"
}

# Most of the board's place no longer shows the home picture.
home_gone() {
  local changed
  changed=$(convert "$1" -crop "${board_size}x${board_size}+$((wx + board_left))+$((wy + board_top))" +repage \
    \( "$home_picture" -crop "${board_size}x${board_size}+$((board_left - 1))+$((board_top - 1))" +repage \) \
    -compose difference -composite -colorspace gray -threshold 8% -format "%[fx:round(mean*w*h)]" info:)
  [ "$changed" -gt 150000 ]
}

# A dealt board: no home picture behind it and at least 17 digits.
board_drawn() {
  home_gone "$1" && [ "$(digit_count "$1")" -ge 17 ]
}

# Cell (x, y) of a shot shows a digit it did not show in the earlier shot.
digit_placed() {
  local now=$1 before=$2 x=$3 y=$4
  [ "$(cell_change "$before" "$now" "$x" "$y")" -gt 150 ] && [ "$(darkness_of_cell "$now" "$x" "$y")" -gt 20 ]
}

# Cell (x, y) of a shot shows a pencil mark more than in the earlier shot: a
# small change, far less than a digit.
mark_drawn() {
  local changed
  changed=$(cell_change "$2" "$1" "$3" "$4")
  [ "$changed" -gt 20 ] && [ "$changed" -lt 600 ]
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
  ix=$(clamp $((cx - 10 + item_dx[item])) $((board_left - 32)) $((board_left + board_size + 17)))
  iy=$(clamp $((cy - 10 + item_dy[item])) $((board_top - 32)) $((board_top + board_size + 17)))
  xdotool mousemove $((wx + ix)) $((wy + iy))
  # Two frames find the item under the mouse.
  sleep 0.15
  press "$button"
  sleep 0.05
}

# Opens the picker on cell (x, y) and, once it has come to rest, moves onto
# the item of a digit and clicks it in one go, with no pause between the
# move and the press: the press comes before any frame has seen the mouse
# over the item, as with a quick hand.
quick_pick() {
  local x=$1 y=$2 digit=$3
  local item=$((digit + 1))
  local cx cy
  cx=$(cell_x "$x")
  cy=$(cell_y "$y")
  click "$cx" "$cy"
  sleep 0.3
  xdotool mousemove $((wx + cx - 10 + item_dx[item])) $((wy + cy - 10 + item_dy[item])) click 1
}

# Places a digit into the empty cell (x, y) through the picker and waits until
# the board shows it; the shot taken before is the reference.
place_digit() {
  local x=$1 y=$2 digit=$3 before=$4
  pick "$x" "$y" "$digit"
  wait_for 15 "no digit appeared in cell ($x, $y) after the picker" digit_placed "$before" "$x" "$y"
}

# Puts a pencil mark into the empty cell (x, y) with the right button and waits
# until the board shows it; the shot taken before is the reference.
put_mark() {
  local x=$1 y=$2 digit=$3 before=$4
  pick "$x" "$y" "$digit" 3
  wait_for 15 "no pencil mark in cell ($x, $y) after a right click" mark_drawn "$before" "$x" "$y"
}
