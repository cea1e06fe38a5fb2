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
  . "$root/scripts/display-common.sh"
  run=$(mktemp -d)
  app=""
  trap '[ -z "$app" ] || kill "$app" 2>/dev/null; stop_private_display; rm -rf "$run"' EXIT
  start_private_display "$run" || { echo "Xvfb did not start" >&2; exit 1; }
  controls=$run/controls.txt
  dump_controls "$build/scoreboard-replay" "$controls" || { echo "no controls dump" >&2; exit 1; }
  cp "$build/scoreboard" "$run/"
  # The board's own test dump (on SIGUSR1) says when the start-up progress is over.
  SCOREBOARD_TEST_DUMP=$run/board.txt "$run/scoreboard" &
  app=$!
  find_window TobrikV2.4 30 "$app" || exit 1
  client_origin "$window"
  click_control 编辑框3
  xdotool type 2
  click_control 按钮7
  started_up() {
    rm -f "$run/board.txt"
    kill -USR1 "$app"
    for _ in $(seq 20); do [ -s "$run/board.txt" ] && break; sleep 0.05; done
    grep -qx '进度条1.position=100' "$run/board.txt" 2>/dev/null &&
      grep -q '^透明标签4.text=.' "$run/board.txt"
  }
  tries=0
  until started_up; do
    tries=$((tries + 1))
    [ "$tries" -lt 150 ] || { echo "the start-up progress never ended: $(cat "$run/board.txt")" >&2; exit 1; }
    sleep 0.2
  done
  import -window "$window" "$root/docs/screenshot-linux.png"
  echo "saved docs/screenshot-linux.png"
fi
