#!/usr/bin/env bash
# What the real program costs while nobody touches it: CPU share of one core
# and resident memory over an idle stretch at the home screen, in a game with
# the clock running, with the options panel open, and with the options panel
# open and music playing. Runs on a virtual X display of its own with a home
# of its own (the end-to-end scripts' helpers) and the dummy sound driver.
#
# usage: bench/idle_cost.sh [sudoku program]
# Without a program, builds the Release program in build/bench and uses it.
# IDLE_SECONDS (10) sets the length of each measured stretch, IDLE_SETTLE (2)
# the pause after the last input before it starts.
# The machine should be quiet: the load average is printed beside each row.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tests/e2e/common.sh
source "$root/tests/e2e/common.sh"

program=${1:-}
if [ -z "$program" ]; then
  build="$root/build/bench"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUDOKU_BENCH=ON -DSUDOKU_TESTS=OFF \
    >/dev/null || exit 1
  cmake --build "$build" --target sudoku >/dev/null || exit 1
  program="$build/bin/sudoku"
fi
[ -x "$program" ] || { echo "no program at $program"; exit 1; }
suppressions=""
measure_seconds=${IDLE_SECONDS:-10}
settle_seconds=${IDLE_SETTLE:-2}
ticks_per_second=$(getconf CLK_TCK)

panel_left=871                      # the options panel
panel_top=151
title_x=$((panel_left + 5))         # its scrolling music title, 139 by 13
title_y=$((panel_top + 386))
play_x=$((panel_left + 5 + 10))     # its play button
control_y=$((panel_top + 496 + 8))

# User plus system time of every thread of the program, in clock ticks. The
# fields are counted after the command name, which ends with ") ".
cpu_ticks() {
  sed 's/.*) //' "/proc/$game_pid/stat" | awk '{print $12 + $13}'
}

resident_mb() {
  awk '/^VmRSS:/ {printf "%.1f", $2 / 1024}' "/proc/$game_pid/status"
}

# One row: the phase's name, CPU share of one core over the stretch, the
# resident memory at its end and the machine's load average.
measure() {
  local name=$1
  park_mouse
  sleep "$settle_seconds"
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended before: $name"
  local t0 c0 t1 c1
  t0=$(date +%s.%N)
  c0=$(cpu_ticks)
  sleep "$measure_seconds"
  t1=$(date +%s.%N)
  c1=$(cpu_ticks)
  printf '%-34s %7s %10s   %s\n' "$name" \
    "$(awk -v c="$((c1 - c0))" -v h="$ticks_per_second" -v a="$t0" -v b="$t1" 'BEGIN {printf "%.2f", 100 * c / h / (b - a)}')" \
    "$(resident_mb)" "$(cut -d' ' -f1 /proc/loadavg)"
}

title_shown() {
  [ "$(convert "$1" -crop "139x13+$((wx + title_x))+$((wy + title_y))" +repage -colorspace gray \
    -format "%[fx:round(100*(maxima-minima))]" info:)" -gt 40 ]
}

prepare_run
# The first stretches without music: the settings say it was paused.
mkdir -p "$work/home/.config/BRINDLEX"
printf '[Settings]\nMusique=1\n' >"$work/home/.config/BRINDLEX/Sudoku.conf"
start_program

echo "program: $program"
echo "idle stretches of $measure_seconds s, $(nproc) cores"
printf '%-34s %7s %10s   %s\n' "phase" "CPU %" "VmRSS MB" "load"

wait_home_screen 100
measure "home screen"

home_button 1
wait_for 40 "no game board after the new-game button" board_drawn
measure "game, clock running"

game_button 6
sleep 1
measure "game, options panel open"

# Saved as paused, the player's first play click only lifts the pause; the
# next one starts the track.
playing=no
for _ in 1 2 3; do
  click "$play_x" "$control_y"
  park_mouse
  sleep 1
  shot current
  if title_shown "$work/current.png"; then
    playing=yes
    break
  fi
done
[ "$playing" = yes ] || fail "the music did not start"
measure "options panel open, music playing"

stop_program
exit 0
