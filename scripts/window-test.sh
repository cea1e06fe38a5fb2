#!/bin/sh
# Builds the Linux window with its tests and runs them (they start Xvfb themselves);
# with --screenshot, also saves docs/screenshot-linux.png: the window after the same two
# steps as the Wine screenshot (2 typed into the lollipop quantity, the first gift).
#   scripts/window-test.sh [--screenshot]   (build folder: $BUILD_DIR, default build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target scoreboard window_tests pictures_tests -j2
ctest --test-dir "$build" --output-on-failure -R '(^|/)(Window|Pictures)'

if [ "${1:-}" = "--screenshot" ]; then
  display=:77
  Xvfb $display -screen 0 1280x1024x24 -br -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  run=$(mktemp -d)
  trap 'kill $xvfb 2>/dev/null; rm -rf "$run"' EXIT
  cp "$build/scoreboard" "$run/"
  sleep 1
  DISPLAY=$display "$run/scoreboard" &
  app=$!
  sleep 2
  id=$(DISPLAY=$display xdotool search --name TobrikV2.4 | head -n 1)
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$id")"
  DISPLAY=$display xdotool mousemove $((X + 416)) $((Y + 20)) click 1 type 2  # 编辑框3
  DISPLAY=$display xdotool mousemove $((X + 324)) $((Y + 56)) click 1         # 按钮7
  sleep 4  # the start-up progress runs its course
  DISPLAY=$display import -window "$id" "$root/docs/screenshot-linux.png"
  kill $app
  echo "saved docs/screenshot-linux.png"
fi
