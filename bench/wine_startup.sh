#!/usr/bin/env bash
# Start-up to first frame under Wine: scoreboard.exe against a bare Win32 window with one
# button (bench/win32/bare_window.cpp), side by side in one run, alternating, on a private
# Xvfb display with a warm Wine server. "First frame" is the moment the program's window
# is mapped and visible on the X display, polled every 5 ms. Then, for each program left
# running idle, its peak resident memory and the CPU it and the Wine server use: over the
# first 4 s after the window shows (the scoreboard's start-up progress runs for 5 s) and
# over 10 s from 6 s after it (only the clock runs). The pointer is parked in the
# screen's corner first: over a window, Wine polls it. The bare window's button is
# captioned in Chinese, so that both programs open a CJK font.
# Usage: bench/wine_startup.sh [ROUNDS]   (default 7; builds with scripts/build-windows.sh)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-7}
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[ -x "$wine" ] || { echo "wine_startup: Wine is not installed" >&2; exit 77; }

if [ "${SCOREBOARD_WINE_NO_BUILD:-0}" != 1 ]; then
  "$root/scripts/build-windows.sh" >/dev/null
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/wine-bench.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
xvfb_pid=""
cleanup() {
  set +e
  "$wineserver" -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq 141 190); do
  if [ ! -e "/tmp/.X$n-lock" ]; then
    export DISPLAY=:$n
    break
  fi
done
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w
# Keep the server up between runs: we time the program, not the start of Wine itself.
"$wineserver" -p || true
cp "$root/build-win/scoreboard.exe" "$root/build-win/bare_window.exe" "$work/"

now_ms() { date +%s%3N; }

# Milliseconds from launch until the window is visible; the program is then ended.
measure() {
  local exe=$1 title=$2 start pid shown=""
  start=$(now_ms)
  (cd "$work" && exec "$wine" "$exe" >/dev/null 2>&1) &
  pid=$!
  for _ in $(seq 1 6000); do
    if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
      shown=$(now_ms)
      break
    fi
    sleep 0.005
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  # Let Wine forget the process before the next start.
  sleep 0.5
  [ -n "$shown" ] && echo $((shown - start)) || echo "timeout"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

measure bare_window.exe BareWindow >/dev/null  # warm the file cache and the server
measure scoreboard.exe Orvane >/dev/null
bare=()
board=()
for i in $(seq 1 "$rounds"); do
  bare+=("$(measure bare_window.exe BareWindow)")
  board+=("$(measure scoreboard.exe Orvane)")
  echo "round $i: bare_window ${bare[-1]} ms, scoreboard ${board[-1]} ms"
done
size=$(stat -c %s "$root/build-win/scoreboard.exe")
bare_size=$(stat -c %s "$root/build-win/bare_window.exe")
printf 'median of %d: bare_window %s ms (%d bytes), scoreboard %s ms (%d bytes)\n' "$rounds" \
  "$(printf '%s\n' "${bare[@]}" | median)" "$bare_size" \
  "$(printf '%s\n' "${board[@]}" | median)" "$size"

# Peak resident memory (kB) and CPU (% of one core, the program plus the Wine server)
# of a program left idle after its window shows.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
both_ticks() { echo $(($(cpu_ticks "$1") + $(cpu_ticks "$2"))); }
steady() {
  local exe=$1 title=$2 pid program server start mid progress idle hwm
  xdotool mousemove 0 0
  (cd "$work" && exec "$wine" "$exe" >/dev/null 2>&1) &
  pid=$!
  for _ in $(seq 1 6000); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
    sleep 0.005
  done
  program=$(pgrep -f "$exe" | tail -n 1)
  server=$(pgrep -n -f wineserver)  # the newest: this run's prefix
  start=$(both_ticks "$program" "$server")
  sleep 4
  mid=$(both_ticks "$program" "$server")
  progress=$((mid - start))
  sleep 2
  start=$(both_ticks "$program" "$server")
  sleep 10
  idle=$(($(both_ticks "$program" "$server") - start))
  hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$program/status")
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  sleep 0.5
  awk -v p="$progress" -v t="$idle" -v hz="$(getconf CLK_TCK)" -v hwm="$hwm" -v name="$exe" \
    'BEGIN { printf "%s: peak memory %d kB, CPU during the progress %.2f %%, idle CPU %.2f %%\n", name, hwm, 100 * p / hz / 4, 100 * t / hz / 10 }'
}
set +e  # a measurement that cannot be taken is reported, not fatal
steady bare_window.exe BareWindow
steady scoreboard.exe Orvane
