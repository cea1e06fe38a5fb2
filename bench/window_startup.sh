#!/bin/sh
# Start-up, memory and idle CPU of the scoreboard window against a bare FLTK window
# with one button, both on the same Xvfb display, one after the other, several rounds.
#   bench/window_startup.sh [BUILD_DIR] [ROUNDS]
# Targets: first frame within 1.5x of the bare window, peak memory within 1.5x,
# idle CPU (both timers running) under 1 % of one core over 10 s.
# The bare window draws Latin text only; the extra rows compare with the same window
# whose button is captioned in Chinese in the CJK face, to show what that face costs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
rounds=${2:-3}
cmake --build "$build" --target scoreboard bare_fltk_window window_probe -j2 >/dev/null 2>&1

display=:78
Xvfb $display -screen 0 1280x1024x24 -br -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
run=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$run"' EXIT
cp "$build/scoreboard" "$run/"
export DISPLAY=$display
tries=0
until xdpyinfo >/dev/null 2>&1; do
  tries=$((tries + 1))
  [ "$tries" -lt 100 ] || { echo "Xvfb did not start on $display" >&2; exit 1; }
  sleep 0.1
done

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

: >"$run/board.txt"
: >"$run/bare.txt"
: >"$run/bare_cjk.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
  "$build/window_probe" "LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版" 10 "$run/scoreboard" >>"$run/board.txt"
  "$build/window_probe" "bare FLTK window" 10 "$build/bare_fltk_window" >>"$run/bare.txt"
  "$build/window_probe" "bare FLTK window" 10 "$build/bare_fltk_window" --chinese \
    >>"$run/bare_cjk.txt"
  i=$((i + 1))
done

row() {
  board=$(field "$1" <"$run/board.txt" | median)
  bare=$(field "$1" <"$run/$2.txt" | median)
  ratio=$(awk -v a="$board" -v b="$bare" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')
  printf '%-18s scoreboard %10s   %-15s %10s   ratio %s\n' "$1" "$board" "$3" "$bare" "$ratio"
}
for what in first_frame_ms peak_rss_kb idle_cpu_percent; do
  row $what bare "bare window"
done
for what in first_frame_ms peak_rss_kb; do
  row $what bare_cjk "bare, Chinese"
done
