#!/usr/bin/env bash
# End-to-end: the background music of the real program on a virtual X display
# (SDL's dummy audio driver: it plays at real speed without a sound card).
# In a generated game the options panel is opened: its track list holds the
# three tracks of the data folder, the title of the playing track scrolls,
# stop empties the title, play brings it back, and the program then quits
# cleanly with the music playing.
#
# usage: music.sh <sudoku program> [lsan suppressions file]
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"

program=${1:?usage: music.sh <sudoku program> [lsan suppressions]}
suppressions=${2:-}

prepare_run
start_program

panel_left=871     # the options panel
panel_top=151
title_x=$((panel_left + 5))    # the scrolling title, 139 by 13
title_y=$((panel_top + 386))
list_x=$((panel_left + 3))     # the track list, 140 by 21
list_y=$((panel_top + 425))
control_y=$((panel_top + 496 + 8))
play_x=$((panel_left + 5 + 10))
stop_x=$((panel_left + 69 + 10))

# Contrast in the title's place of a shot, 0..100: the panel's picture
# behind it is nearly plain, a title's letters stand out in any theme.
title_contrast() {
  convert "$1" -crop "139x13+$((wx + title_x))+$((wy + title_y))" +repage -colorspace gray \
    -format "%[fx:round(100*(maxima-minima))]" info:
}

title_shown() {
  [ "$(title_contrast "$1")" -gt 40 ]
}

title_empty() {
  [ "$(title_contrast "$1")" -lt 20 ]
}

# The title's place changes within a second.
title_scrolls() {
  local what=$1
  shot "$what-1"
  sleep 1
  shot "$what-2"
  [ "$(area_change "$work/$what-1.png" "$work/$what-2.png" 139 13 "$title_x" "$title_y")" -gt 10 ] ||
    fail "the title did not scroll ($what)"
}

# Rows of text inside a rectangle w h x y of a shot (screen coordinates),
# its frame left out: runs of pixel rows whose grey levels spread widely.
text_rows() {
  convert "$1" -crop "$(($2 - 8))x$(($3 - 2))+$(($4 + 4))+$(($5 + 1))" +repage -colorspace gray -depth 8 txt:- |
    awk -F'[,: ]+' 'NR > 1 {
        y = $2; v = $4 + 0
        if (!(y in lo) || v < lo[y]) lo[y] = v
        if (!(y in hi) || v > hi[y]) hi[y] = v
      }
      END {
        n = 0; prev = 0
        for (y = 0; y in lo; y++) { t = hi[y] - lo[y] > 80; if (t && !prev) n++; prev = t }
        print n
      }'
}

# ---- a generated game, and its options panel ----
wait_home_screen 100
home_button 1
wait_for 40 "no game board after the new-game button" board_drawn
# The generated game's column: solve, new game, check, print, load, options,
# save, quit.
game_button 6
park_mouse
wait_for 20 "no scrolling title on the options panel" title_shown
step "options panel open, a title shown"

# ---- the track list drops down with three tracks ----
click $((list_x + 130)) $((list_y + 10))
popup=""
for _ in $(seq 20); do
  sleep 0.2
  for candidate in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$candidate" = "$window" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$candidate" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | sed 's/^/popup_/')"
    # The list drops below the box, as wide as it.
    if [ "$popup_WIDTH" -ge 100 ] && [ "$popup_WIDTH" -le 200 ] && [ "$popup_Y" -ge $((wy + list_y + 15)) ] &&
      [ "$popup_Y" -le $((wy + list_y + 30)) ]; then
      popup=$candidate
      break
    fi
  done
  [ -n "$popup" ] && break
done
[ -n "$popup" ] || fail "the track list did not drop down"
shot list
rows=$(text_rows "$work/list.png" "$popup_WIDTH" "$popup_HEIGHT" "$popup_X" "$popup_Y")
[ "$rows" -eq 3 ] || fail "the track list shows $rows tracks instead of 3"
xdotool key Escape
sleep 0.3
park_mouse
step "the track list holds 3 tracks"

# ---- the title scrolls; stop empties it, play brings it back ----
title_scrolls playing
step "the title scrolls"

click "$stop_x" "$control_y"
park_mouse
wait_for 20 "stop did not empty the title" title_empty
sleep 1
shot stopped
title_empty "$work/stopped.png" || fail "the title came back without play"
step "stop empties the title"

click "$play_x" "$control_y"
park_mouse
wait_for 20 "play did not bring the title back" title_shown
title_scrolls replaying
step "play brings the title back"

# ---- quit with the music playing ----
game_button 8
sleep 0.3
answer_yes
wait_home_screen 20 "the quit answer did not bring the home screen back"
home_button 7
sleep 0.3
answer_yes
wait_program_end "the program did not end after the quit answer with music playing"
grep -q '^Musique=0$' "$home/.config/BRINDLEX/Sudoku.conf" || fail "the music was not saved as playing"
step "PASS"
exit 0
