#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X display, checks that the
# home screen is drawn, quits through the home screen's quit button and the
# yes answer, and checks that the program ended, put the display back and
# wrote its six settings.
#
# usage: home_quit.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: home_quit.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

prepare_run
start_program

# ---- the home screen is drawn ----
wait_home_screen 100
[ "$(pixel "$work/current.png" $((wx + 512)) $((wy + 100)))" != "0,0,0" ] || fail "the screen is black"
geometry=$(xdotool getdisplaygeometry)
[ "$geometry" = "1024 768" ] || fail "the display was not switched to the game's mode: $geometry"
step "home screen"

# ---- quit: the home column's seventh button, then the yes answer ----
# The message window covers the home picture around its middle.
question_shown() {
  ! shows_home_pixel "$1" 512 350
}
home_button 7
wait_for 50 "the quit question did not appear" question_shown
answer_yes
wait_program_end "the program did not end after the yes answer"
step "program ended"

# ---- the display is back and the settings are written ----
geometry=$(xdotool getdisplaygeometry)
[ "$geometry" = "1280 1024" ] || fail "the display was left at $geometry"

settings="$home/.config/BRINDLEX/Sudoku.conf"
[ -f "$settings" ] || fail "no settings file at $settings"
for key in Volume Joueur Theme Difficulte Affichage Musique; do
  grep -q "^$key=" "$settings" || fail "the settings lack $key: $(cat "$settings")"
done
grep -q '^Volume=501$' "$settings" || fail "first start should save volume 501: $(cat "$settings")"
step "PASS"
exit 0
