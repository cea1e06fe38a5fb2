#!/bin/sh
# Start-up, memory and idle CPU of the scoreboard window against a bare FLTK window
# with one button, both on the same Xvfb display, one after the other, several rounds.
#   bench/window_startup.sh [BUILD_DIR] [ROUNDS]
# The yardstick is the bare window with its button captioned in Chinese in the CJK face
# (every caption of ours is Chinese); the bare window in Latin text is shown beside it.
# The pointer is parked away from the windows (window_probe). CPU is the share of one
# core over the first 4 s after the first frame (our start-up progress runs) and over
# 10 s from 6 s after it (only the clock runs).
# Targets against the Chinese bare window: first frame within 1.45x, peak memory within
# 1.35x, idle CPU after the progress under 0.1 % of one core. The board started with the
# local server on (--serve 0) is measured in the same rounds against the board without
# it: at most 1.5 MB more memory, and still no measurable idle CPU.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
rounds=${2:-3}
cmake --build "$build" --target scoreboard bare_fltk_window window_probe -j2 >/dev/null 2>&1

# A display number nobody else on the machine holds.
display=
for n in $(seq 78 120); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=:$n
    break
  fi
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
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
: >"$run/served.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
  "$build/window_probe" "LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版" 10 "$run/scoreboard" >>"$run/board.txt"
  "$build/window_probe" "bare FLTK window" 10 "$build/bare_fltk_window" >>"$run/bare.txt"
  "$build/window_probe" "bare FLTK window" 10 "$build/bare_fltk_window" --chinese \
    >>"$run/bare_cjk.txt"
  "$build/window_probe" "LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版" 10 "$run/scoreboard" \
    --serve 0 >>"$run/served.txt"
  i=$((i + 1))
done

row() {
  board=$(field "$1" <"$run/board.txt" | median)
  bare=$(field "$1" <"$run/$2.txt" | median)
  ratio=$(awk -v a="$board" -v b="$bare" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')
  printf '%-18s scoreboard %10s   %-15s %10s   ratio %s\n' "$1" "$board" "$3" "$bare" "$ratio"
}
for what in first_frame_ms peak_rss_kb progress_cpu_percent idle_cpu_percent; do
  row $what bare_cjk "bare, Chinese"
done
for what in first_frame_ms peak_rss_kb; do
  row $what bare "bare, Latin"
done
served_row() {
  served=$(field "$1" <"$run/served.txt" | median)
  board=$(field "$1" <"$run/board.txt" | median)
  more=$(awk -v a="$served" -v b="$board" 'BEGIN { printf "%+g", a - b }')
  printf '%-18s with --serve 0 %10s   without %10s   difference %s\n' "$1" "$served" "$board" "$more"
}
for what in peak_rss_kb idle_cpu_percent; do
  served_row $what
done
