#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X display, checks that the
# home screen is drawn, quits through the home screen's quit button and the
# yes answer, and checks that the program ended, put the display back and
# wrote its six settings.
#
# usage: home_quit.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail

program=${1:?usage: home_quit.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}
data_folder=$(dirname "$program")

for tool in Xvfb xdotool convert; do
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

cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  if [ -f "$work/game.log" ]; then
    echo "--- program output"
    cat "$work/game.log"
  fi
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

# The window's top-left corner on the screen (it moves to 0,0 at start-up).
window_origin() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y"
}

# ---- the home screen is drawn ----
# Away from the buttons the screen shows the home picture, drawn at (1, 1).
home_picture="$data_folder/graphisme/accueil.bmp"
[ -f "$home_picture" ] || fail "the data folder has no home picture: $home_picture"
drawn=no
for _ in $(seq 100); do
  screenshot "$work/home.png"
  read -r wx wy < <(window_origin)
  if [ "$(pixel "$work/home.png" $((wx + 100)) $((wy + 100)))" = "$(pixel "$home_picture" 99 99)" ] \
     && [ "$(pixel "$work/home.png" $((wx + 900)) $((wy + 600)))" = "$(pixel "$home_picture" 899 599)" ] \
     && [ "$(pixel "$work/home.png" $((wx + 525)) $((wy + 299)))" != "$(pixel "$home_picture" 524 298)" ]; then
    drawn=yes
    break
  fi
  sleep 0.2
done
[ "$drawn" = yes ] || fail "the home screen was not drawn (see pixels of $work/home.png)"
[ "$(pixel "$work/home.png" $((wx + 512)) $((wy + 100)))" != "0,0,0" ] || fail "the screen is black"

click() {
  xdotool mousemove "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# ---- quit: the home column's sixth button, then the yes answer ----
read -r wx wy < <(window_origin)
click $((wx + 450 + 75)) $((wy + 480 + 19))
asked=no
for _ in $(seq 50); do
  screenshot "$work/question.png"
  # The message window covers the home picture around its middle.
  if [ "$(pixel "$work/question.png" $((wx + 512)) $((wy + 350)))" != "$(pixel "$home_picture" 511 349)" ]; then
    asked=yes
    break
  fi
  sleep 0.2
done
[ "$asked" = yes ] || fail "the quit question did not appear"
click $((wx + 262 + 50 + 75)) $((wy + 200 + 300 + 19))

ended=no
for _ in $(seq 150); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    ended=yes
    break
  fi
  sleep 0.2
done
[ "$ended" = yes ] || fail "the program did not end after the yes answer"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# ---- the display is back and the settings are written ----
geometry=$(xdotool getdisplaygeometry)
[ "$geometry" = "1280 1024" ] || fail "the display was left at $geometry"

settings="$home/.config/BRINDLEX/Sudoku.conf"
[ -f "$settings" ] || fail "no settings file at $settings"
for key in Volume Joueur Theme Difficulte Affichage Musique; do
  grep -q "^$key=" "$settings" || fail "the settings lack $key: $(cat "$settings")"
done
grep -q '^Volume=501$' "$settings" || fail "first start should save volume 501: $(cat "$settings")"
echo "PASS"
exit 0
