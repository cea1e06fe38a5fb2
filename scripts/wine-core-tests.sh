#!/usr/bin/env bash
# The Windows build proves the core: every cross-built unit test program
# (build-win/tests/*_tests.exe, as build-win/windows-tests.txt lists them) and every replay
# script (tests/replay/NAME.script against NAME.expected, byte for byte, through
# build-win/scoreboard-replay.exe) run under Wine, in a fresh prefix, without a display.
# The record files each script saves, and those of a session that types every character
# into the team lines and saves 50 records, must be the bytes the Linux replay driver
# writes for the same script. The test folders and cases that Windows cannot run are
# printed with their reasons.
#
# Last line: "wine-core: N passed, M failed" (N and M count programs and scripts).
# Exit status: 0 passed, 1 failed, 77 skipped (no Wine or mingw-w64).
# Environment:
#   SCOREBOARD_WIN_BUILD               the Windows build folder (default build-win)
#   SCOREBOARD_WINE_NO_BUILD=1         use the build folder as it is
#   SCOREBOARD_REPLAY                  the Linux replay driver (default build/scoreboard-replay,
#                                      else built into build-winhost)
#   SCOREBOARD_ENDURANCE_MINUTES       length of the endurance stream (default 120 here)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCOREBOARD_WIN_BUILD:-$root/build-win}

# shellcheck source=scripts/wine-common.sh
. "$root/scripts/wine-common.sh"
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
linux_replay=$(replay_driver "$root") || {
  echo "wine-core: FAILED: cannot build the Linux replay driver" >&2
  echo "wine-core: 0 passed, 1 failed"
  exit 1
}

wine_work wine-core
# Console programs only: no display, so Wine opens no window either.
unset DISPLAY WAYLAND_DISPLAY
export SCOREBOARD_ENDURANCE_MINUTES=${SCOREBOARD_ENDURANCE_MINUTES:-120}

started=$SECONDS
wine_prefix "$work" || {
  cat "$work/wineboot.log" >&2
  echo "wine-core: FAILED: wineboot failed" >&2
  echo "wine-core: 0 passed, 1 failed"
  exit 1
}

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
now="2016-05-03 14:05:09"

# Plays SCRIPT under Wine into $work/NAME/windows and on Linux into $work/NAME/linux;
# answers what differs, or nothing. Standard output lands in $work/NAME/windows.out.
play_both() {
  local name=$1 script=$2 status=0 file
  mkdir -p "$work/$name/windows" "$work/$name/linux"
  "$wine" "$replay_win" --dir "$(windows_path "$work/$name/windows")" --now "$now" \
    "$(windows_path "$script")" >"$work/$name/windows.out" 2>"$work/$name/windows.err" || status=$?
  [ "$status" -eq 0 ] || { echo "the Windows driver ended with status $status: $(head -c 300 "$work/$name/windows.err")"; return; }
  "$linux_replay" --dir "$work/$name/linux" --now "$now" "$script" >"$work/$name/linux.out" 2>&1 ||
    { echo "the Linux driver failed: $(head -c 300 "$work/$name/linux.out")"; return; }
  # The same files, each with the same bytes.
  if [ "$(cd "$work/$name/windows" && ls -A | sort)" != "$(cd "$work/$name/linux" && ls -A | sort)" ]; then
    echo "the files differ: Windows has $(cd "$work/$name/windows" && ls -A | tr '\n' ' ')," \
      "Linux has $(cd "$work/$name/linux" && ls -A | tr '\n' ' ')"
    return
  fi
  for file in "$work/$name/linux"/*; do
    [ -e "$file" ] || continue
    cmp -s "$file" "$work/$name/windows/$(basename "$file")" ||
      { echo "$(basename "$file") differs: $(cmp "$file" "$work/$name/windows/$(basename "$file")" 2>&1 | head -n1)"; return; }
  done
}

for script in "$root"/tests/replay/*.script; do
  name=$(basename "$script" .script)
  expected=${script%.script}.expected
  problem=$(play_both "replay-$name" "$script")
  # The records alone: the journal of the host's actions lies beside them (and is compared too).
  records=$(find "$work/replay-$name/windows" -type f -name '游戏数据保存*' | wc -l)
  if [ -z "$problem" ] && cmp -s "$work/replay-$name/windows.out" "$expected"; then
    passed=$((passed + 1))
    echo "wine-core: ok     replay $name ($records record files the same bytes as Linux)"
  else
    failed=$((failed + 1))
    echo "wine-core: FAILED replay $name: ${problem:-output differs from $(basename "$expected")}"
    diff <(cat -A "$expected") <(cat -A "$work/replay-$name/windows.out") | head -n 30 | sed 's/^/    /' || true
  fi
done

# Every character the team lines can hold, through the records: the BMP in 100 slices
# across 50 saves (two team lines a save), and a spread of the planes beyond. The folder
# and the script have Chinese names, which reach the Windows driver only as UTF-16.
every_character=$work/每个字符.script
# perl, not python: perl is part of every Debian system.
perl - "$every_character" <<'PL'
use strict;
use warnings;
no warnings 'nonchar';  # U+FFFE and its kind are characters a team line can hold too
my @chars = grep { !($_ <= 0x20 || $_ == 0x5C || $_ == 0x7F || ($_ >= 0xD800 && $_ <= 0xDFFF)) }
  0 .. 0xFFFF;
for (my $c = 0x10000; $c < 0x110000; $c += 4099) { push @chars, $c; }
my @slices;
push @{ $slices[$_ % 100] }, chr($chars[$_]) for 0 .. $#chars;
my $box = "\x{7F16}\x{8F91}\x{6846}";                  # 编辑框
my $save_button = "\x{8D85}\x{7EA7}\x{6309}\x{94AE}1";  # 超级按钮1
open(my $out, ">:utf8", $ARGV[0]) or die "cannot write $ARGV[0]: $!";
for my $save (0 .. 49) {
  print $out "type ${box}1 ", join("", @{ $slices[2 * $save] }), "\n";
  print $out "type ${box}2 ", join("", @{ $slices[2 * $save + 1] }), "\n";
  print $out "click $save_button\n";
}
close($out) or die "cannot write $ARGV[0]: $!";
PL
problem=$(play_both 每个字符 "$every_character")
records=$(find "$work/每个字符/windows" -type f -name '游戏数据保存*' | wc -l)
if [ -z "$problem" ] && [ "$records" -eq 50 ]; then
  passed=$((passed + 1))
  echo "wine-core: ok     every character through 50 records: the same bytes as Linux"
else
  failed=$((failed + 1))
  echo "wine-core: FAILED every character through the records: ${problem:-$records record files, not 50}"
fi

echo "wine-core: unit tests under Wine: $tests_run ran, $tests_passed passed," \
  "$tests_failed failed, $tests_skipped skipped; $((SECONDS - started)) s under Wine in all"
echo "wine-core: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
