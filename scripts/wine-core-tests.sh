#!/usr/bin/env bash
# The Windows build proves the core: every cross-built unit test program
# (build-win/tests/*_tests.exe, as build-win/windows-tests.txt lists them) and every replay
# script (tests/replay/NAME.script against NAME.expected, byte for byte, through
# build-win/scoreboard-replay.exe) run under Wine, in a fresh prefix, without a display.
# The test folders and cases that Windows cannot run are printed with their reasons.
#
# Last line: "wine-core: N passed, M failed" (N and M count programs and scripts).
# Exit status: 0 passed, 1 failed, 77 skipped (no Wine or mingw-w64).
# Environment:
#   SCOREBOARD_WIN_BUILD               the Windows build folder (default build-win)
#   SCOREBOARD_WINE_NO_BUILD=1         use the build folder as it is
#   SCOREBOARD_ENDURANCE_MINUTES       length of the endurance stream (default 30 here)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCOREBOARD_WIN_BUILD:-$root/build-win}

wine=$(command -v wine || command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || true)
wineserver=$(command -v wineserver || { [ -x /usr/lib/wine/wineserver ] && echo /usr/lib/wine/wineserver; } || true)
if [ -z "$wine" ] || [ -z "$wineserver" ] || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  echo "wine-core: SKIPPED: Wine or mingw-w64 is not installed (scripts/install-windows-deps.sh)"
  echo "wine-core: 0 passed, 0 failed"
  exit 77
fi

if [ "${SCOREBOARD_WINE_NO_BUILD:-0}" != 1 ]; then
  SCOREBOARD_WIN_BUILD=$build "$root/scripts/build-windows.sh" >/dev/null || {
    echo "wine-core: FAILED: the Windows build failed" >&2
    echo "wine-core: 0 passed, 1 failed"
    exit 1
  }
fi
manifest=$build/windows-tests.txt
replay=$build/scoreboard-replay.exe
for needed in "$manifest" "$replay"; do
  if [ ! -f "$needed" ]; then
    echo "wine-core: FAILED: no $needed; run scripts/build-windows.sh" >&2
    echo "wine-core: 0 passed, 1 failed"
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/wine-core.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
# Console programs only: no display, so Wine opens no window either.
unset DISPLAY WAYLAND_DISPLAY
export SCOREBOARD_ENDURANCE_MINUTES=${SCOREBOARD_ENDURANCE_MINUTES:-30}
cleanup() {
  set +e
  "$wineserver" -k >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

started=$SECONDS
timeout 300 "$wine" wineboot -i >"$work/wineboot.log" 2>&1 || {
  cat "$work/wineboot.log" >&2
  echo "wine-core: FAILED: wineboot failed" >&2
  echo "wine-core: 0 passed, 1 failed"
  exit 1
}
timeout 120 "$wineserver" -w || true

# A Linux path as the Windows programs see it: Wine's drive Z: is the root.
windows_path() {
  local path
  path=$(realpath "$1")
  printf 'Z:%s' "${path//\//\\}"
}

passed=0
failed=0
tests_run=0
tests_passed=0
tests_failed=0
tests_skipped=0

# --- the unit test programs -----------------------------------------------------------
while IFS= read -r line; do
  case "$line" in
    "excluded "* | "cases left out in "*) echo "wine-core: ${line}" ;;
  esac
done <"$manifest"

mapfile -t programs < <(sed -n 's/^run //p' "$manifest")
for program in "${programs[@]}"; do
  exe=$build/tests/$program.exe
  log=$work/$program.log
  if [ ! -f "$exe" ]; then
    echo "wine-core: FAILED $program: no $exe" >&2
    failed=$((failed + 1))
    continue
  fi
  run_dir=$work/run-$program
  mkdir -p "$run_dir"
  status=0
  (cd "$run_dir" && timeout 900 "$wine" "$exe" --gtest_color=no) >"$log" 2>&1 || status=$?
  tr -d '\r' <"$log" >"$log.txt"
  ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' "$log.txt" | tail -n1)
  ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log.txt" | tail -n1)
  skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below:.*/\1/p' "$log.txt" | tail -n1)
  bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below:.*/\1/p' "$log.txt" | tail -n1)
  ran=${ran:-0} ok=${ok:-0} skipped=${skipped:-0} bad=${bad:-0}
  tests_run=$((tests_run + ran))
  tests_passed=$((tests_passed + ok))
  tests_skipped=$((tests_skipped + skipped))
  tests_failed=$((tests_failed + bad))
  if [ "$status" -eq 0 ] && [ "$ran" -gt 0 ] && [ "$bad" -eq 0 ] && [ -n "$(grep -x '\[  PASSED  \].*' "$log.txt")" ]; then
    passed=$((passed + 1))
    echo "wine-core: ok     $program: $ran ran, $ok passed, $skipped skipped"
  else
    failed=$((failed + 1))
    why="exit status $status"
    [ "$ran" -eq 0 ] && why="$why, no test ran"
    echo "wine-core: FAILED $program: $ran ran, $ok passed, $bad failed, $skipped skipped ($why)"
    grep -E '^\[  FAILED  \] [A-Za-z]|Failure|error' "$log.txt" | head -n 40 | sed 's/^/    /'
    tail -n 20 "$log.txt" | sed 's/^/    | /'
  fi
  # Each skipped test with the reason gtest printed for it.
  awk -v program="$program" '
    /^\[ RUN      \] / { name = $4; reason = ""; next }
    /: Skipped$/ { getline reason; next }
    /^\[  SKIPPED \] .*\(/ { print "wine-core: skipped in " program ": " name ": " reason }
  ' "$log.txt"
done

# --- the replay scripts -----------------------------------------------------------------
replay_win=$(windows_path "$replay")
for script in "$root"/tests/replay/*.script; do
  name=$(basename "$script" .script)
  expected=${script%.script}.expected
  run_dir=$work/replay-$name
  mkdir -p "$run_dir"
  status=0
  "$wine" "$replay_win" --dir "$(windows_path "$run_dir")" --now "2016-05-03 14:05:09" \
    "$(windows_path "$script")" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  if [ "$status" -eq 0 ] && cmp -s "$work/$name.out" "$expected"; then
    passed=$((passed + 1))
    echo "wine-core: ok     replay $name"
  else
    failed=$((failed + 1))
    echo "wine-core: FAILED replay $name (exit status $status): output differs from $(basename "$expected")"
    diff <(cat -A "$expected") <(cat -A "$work/$name.out") | head -n 30 | sed 's/^/    /' || true
    head -n 10 "$work/$name.err" | sed 's/^/    stderr: /'
  fi
done

echo "wine-core: unit tests under Wine: $tests_run ran, $tests_passed passed," \
  "$tests_failed failed, $tests_skipped skipped ($((SECONDS - started)) s)"
echo "wine-core: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
