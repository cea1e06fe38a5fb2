#!/usr/bin/env bash
# End-to-end test of the Windows program under Wine: builds build-win/scoreboard.exe,
# starts it in a fresh Wine prefix on a private Xvfb display, plays tests/wine/session.script
# with real mouse clicks and key presses at the catalogue's coordinates, and checks that
# the record file it saves has exactly the bytes the Linux replay driver writes for the
# same session (all but the time line, which follows the clock). A colour picked from a
# palette is checked on the screen: the team line it colours must show that colour after
# its next edit, and none of it before. Group box captions must show in their catalogue
# colours. With scoreboard-options.txt beside it turning the overlay on, its board.json
# must equal the replay driver's. Escape and Enter must leave the window open;
# Alt+F4 then closes it with exit code 0.
#
# Session lines the Wine driver plays (the replay driver reads the same lines):
#   click NAME           a mouse click on the control's centre
#   type NAME TEXT       click, select the box's whole text, type TEXT over it; digits are
#                        typed on the numeric keypad, everything else with the main keys
#   key NAME 13          Enter on the numeric keypad, into the control clicked before
#   pick NAME #rrggbb    click the picker, then the palette's cell of that colour
#
# Before that, build-win/win32_checks.exe checks the front end and the Windows file
# services in-process (platform/win32/tests/win32_checks.cpp).
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Wine, mingw-w64, Xvfb or xdotool).
# Environment:
#   SCOREBOARD_REPLAY            the Linux replay driver (default build/scoreboard-replay,
#                                else built into build-winhost)
#   SCOREBOARD_WINE_SCREENSHOT   a PNG path: keep a screenshot of the window there
#   SCOREBOARD_WINE_NO_BUILD=1   use build-win/scoreboard.exe as it is
#   SCOREBOARD_WINE_LOGPIXELS    the display's dpi in the prefix (96 by default; 144 and 192
#                                are the scales 1.5 and 2): clicks land at the scaled places
#   SCOREBOARD_WINE_KEEP         a folder: keep the checks' report and the record there
#   SCOREBOARD_WINE_SCREEN       the display's size, WIDTHxHEIGHTxDEPTH (1280x1024x24)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
session=$root/tests/wine/session.script

skip() {
  echo "wine-test: SKIPPED: $*"
  echo "wine-test: 0 passed, 0 failed, 1 skipped"
  exit 77
}
fail() {
  echo "wine-test: FAILED: $*" >&2
  echo "wine-test: 0 passed, 1 failed"
  exit 1
}

# shellcheck source=scripts/wine-common.sh
. "$root/scripts/wine-common.sh"
# shellcheck source=scripts/wine-chinese-prefix.sh
. "$root/scripts/wine-chinese-prefix.sh"
logpixels=${SCOREBOARD_WINE_LOGPIXELS:-96}
scale=$(awk -v d="$logpixels" 'BEGIN { print d / 96 }')
keep=${SCOREBOARD_WINE_KEEP:-}
screen=${SCOREBOARD_WINE_SCREEN:-1280x1024x24}
[ -n "$wine" ] && [ -n "$wineserver" ] || skip "Wine is not installed (scripts/install-windows-deps.sh)"
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || skip "mingw-w64 is not installed"
command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"

# --- the two programs ---------------------------------------------------------------
if [ "${SCOREBOARD_WINE_NO_BUILD:-0}" != 1 ]; then
  "$root/scripts/build-windows.sh" >/dev/null || fail "the Windows build failed"
fi
exe=$root/build-win/scoreboard.exe
[ -f "$exe" ] || fail "no $exe"
[ -f "$root/build-win/win32_checks.exe" ] || fail "no build-win/win32_checks.exe"

replay=$(replay_driver "$root") || fail "cannot build the Linux replay driver"

# --- a private display and Wine prefix ----------------------------------------------
wine_work wine-test

wine_display "$work" "$screen" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
wine_prefix "$work" || fail "wineboot failed"
# Wine's own fonts have no Chinese: the prefix draws the faces of a Chinese Windows.
wine_chinese_prefix "$work" "$logpixels" || fail "the Chinese prefix could not be set up"

# --- the in-process checks of the front end and the Windows services ------------------------
checks_dir=$work/checks
mkdir -p "$checks_dir"
cp "$root/build-win/win32_checks.exe" "$checks_dir/"
(cd "$checks_dir" && timeout 120 "$wine" win32_checks.exe) >"$work/checks.log" 2>&1 || {
  cat "$work/checks.log" >&2
  fail "win32_checks.exe failed"
}
grep '^FAIL' "$work/checks.log" >&2 && fail "win32_checks.exe reported failures"
echo "wine-test: $(tail -n1 "$work/checks.log" | tr -d '\r')"
[ -n "$keep" ] && cp "$work/checks.log" "$keep/checks.log"
# The client area the checks measured at this display's scale.
read -r client_width client_height < <(tr -d '\r' <"$work/checks.log" |
  sed -n 's/^ *scale [0-9.]*: client \([0-9]*\)x\([0-9]*\),.*/\1 \2/p')
[ -n "${client_height:-}" ] || fail "the checks reported no client size"

# --- where each control sits: the catalogue, as the replay driver dumps it --------------
controls=$work/controls.txt
dump_controls "$replay" "$controls" || fail "replay dump failed"
control_scale=$scale

# --- the program under Wine --------------------------------------------------------------
run_dir=$work/run
mkdir -p "$run_dir"
cp "$exe" "$run_dir/scoreboard.exe"
# The overlay switched on as a host would, by the options file beside the exe.
mkdir -p "$run_dir/overlay"
printf '\357\273\277# the streaming software reads this folder\r\noverlay-dir overlay\r\n' \
  >"$run_dir/scoreboard-options.txt"
(cd "$run_dir" && exec "$wine" scoreboard.exe >"$work/exe.log" 2>&1) &
exe_pid=$!

find_window Orvane 120 "$exe_pid" 2>"$work/find.log" ||
  fail "$(cat "$work/find.log"); its output: $(cat "$work/exe.log")"
client_origin "$window" "$client_width" "$client_height"
echo "wine-test: window $window at $X,$Y size ${WIDTH}x$HEIGHT, client origin $origin_x,$origin_y"

# A click, then the pause a host leaves before the next input: the session's keys go to
# the control the click focused.
click() {
  click_control "$1" || fail "no control $1 in the catalogue"
  sleep 0.4
}

# Screen rectangle "WxH+X+Y" of a control, group box offsets included.
screen_rect_of() {
  local rect
  rect=$(control_rect "$1" "$controls") || return 1
  set -- $rect
  echo "${3}x$4+$((origin_x + $1))+$((origin_y + $2))"
}

# Pixels of one colour (#rrggbb, each channel within 60) in a screen rectangle.
count_colour() {
  local hex=${2#\#}
  import -window root -crop "$1" +repage -depth 8 txt:- 2>/dev/null |
    awk -v r=$((16#${hex:0:2})) -v g=$((16#${hex:2:2})) -v b=$((16#${hex:4:2})) '
      function near(a, c) { return (a - c) * (a - c) <= 3600 }
      BEGIN { n = 0 }
      /^[0-9]/ {
        v = $2; gsub(/[()]/, "", v); split(v, c, ",")
        if (near(c[1], r) && near(c[2], g) && near(c[3], b)) n++
      }
      END { print n }'
}

# Visible top-level X windows other than the program's own and the root.
other_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | grep -vx "$window" |
    while read -r w; do
      [ "$(xdotool getwindowgeometry "$w" 2>/dev/null | awk '/Geometry/ { print $2 }')" = "${screen%x*}" ] || echo "$w"
    done || true
}

pick_colour() {
  local name=$1 colour=$2 palette="" at
  case "$colour" in
    \#[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F]) ;;
    *) fail "pick needs a colour #rrggbb, not \"$colour\"" ;;
  esac
  click "$name"
  for _ in $(seq 1 25); do
    palette=$(other_windows | head -n1)
    [ -n "$palette" ] && break
    sleep 0.2
  done
  [ -n "$palette" ] || fail "no palette opened for $name"
  # The cell is wherever the palette paints that exact colour.
  at=$(import -window "$palette" -depth 8 txt:- 2>/dev/null | awk -v want="$colour" '
    tolower(substr($3, 1, 7)) == tolower(want) { split($1, p, /[,:]/); print p[1] + 3, p[2] + 3; exit }' || true)
  [ -n "$at" ] || fail "the palette of $name shows no $colour cell"
  eval "$(xdotool getwindowgeometry --shell "$palette" | sed 's/^/PALETTE_/')"
  set -- $at
  xdotool mousemove --sync $((PALETTE_X + $1)) $((PALETTE_Y + $2)) click 1 2>/dev/null
  for _ in $(seq 1 25); do
    [ -z "$(other_windows)" ] && break
    sleep 0.2
  done
  [ -z "$(other_windows)" ] || fail "the palette of $name stayed open after a click on $colour"
}

# Group box captions in their catalogue colours (a themed group box would draw them
# black): in the top strip of each box, where its caption sits, pixels whose red (or
# blue) channel stands well above the other two. Thin strokes are blended with the
# face colour, so the test asks for the hue, not the exact colour. The window may still
# be painting its first frame: the count is taken again until it is reached, for 30 s.
caption_colour_check() {
  local name=$1 channel=$2 rect strip count=0 end=$((SECONDS + 30))
  rect=$(screen_rect_of "$name") || fail "no $name in the catalogue"
  strip=$(awk -v s="$scale" 'BEGIN { print int(14 * s + 0.5) }')
  rect=$(echo "$rect" | sed -E "s/^([0-9]+)x[0-9]+/\\1x$strip/")
  while :; do
    count=$(import -window root -crop "$rect" +repage -depth 8 txt:- 2>/dev/null |
      awk -v want="$channel" '
        BEGIN { n = 0 }
        /^[0-9]/ {
          v = $2; gsub(/[()]/, "", v); split(v, c, ",")
          main = want == "red" ? c[1] : c[3]; other1 = c[2]; other2 = want == "red" ? c[3] : c[1]
          if (main > 150 && main - other1 > 80 && main - other2 > 80) n++
        }
        END { print n }')
    [ "$count" -ge 15 ] && break
    [ "$SECONDS" -lt "$end" ] || fail "the caption of $name is not drawn in $channel ($count pixels after 30 s)"
    sleep 0.2
  done
  echo "wine-test: the caption of $name is drawn in $channel ($count pixels)"
}
caption_colour_check 分组框1 red
caption_colour_check 分组框3 blue
caption_colour_check 分组框7 red

shots=${SCOREBOARD_WINE_SCREENSHOT:-}
picked_colour=""
line_rect=$(screen_rect_of 编辑框1) || fail "no 编辑框1 in the catalogue"
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "" | \#*) continue ;;
  esac
  set -- $line
  command=$1
  name=$2
  case "$command" in
    click)
      click "$name"
      ;;
    type)
      text=${line#type "$name" }
      click "$name"
      # Without a window manager xdotool warns about the input focus; the keys still go.
      xdotool key ctrl+Home ctrl+shift+End 2>/dev/null
      if [[ "$text" =~ ^[0-9]+$ ]]; then
        keys=()
        for ((i = 0; i < ${#text}; i++)); do keys+=("KP_${text:i:1}"); done
        xdotool key --delay 60 "${keys[@]}" 2>/dev/null
      else
        xdotool type --delay 60 "$text" 2>/dev/null
      fi
      sleep 0.4
      ;;
    key)
      [ "${3:-}" = 13 ] || fail "the Wine driver presses only Enter (13), not \"${3:-}\""
      xdotool key KP_Enter 2>/dev/null
      sleep 0.4
      ;;
    pick)
      pick_colour "$name" "${3:-}"
      picked_colour=$3
      ;;
    *) fail "the Wine driver knows no \"$command\" ($line)" ;;
  esac
  # The board with a credited gift makes the better picture.
  if [ -n "$shots" ] && [ "$command" = click ] && [ "$name" = 按钮7 ]; then
    # The start-up progress has run its course: the board is signed (dark strokes in
    # the signature's place) and nothing on it moves any more.
    signature=$(screen_rect_of 透明标签4) || fail "no 透明标签4 in the catalogue"
    end=$((SECONDS + 30))
    last=""
    signed=0
    while :; do
      signed=$(import -window root -crop "$signature" +repage -depth 8 txt:- 2>/dev/null |
        awk -F'[(),]' '/^[0-9]/ { if ($3 + $4 + $5 < 360) n++ } END { print n + 0 }')
      now=$(import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -depth 8 rgb:- \
        2>/dev/null | md5sum)
      [ "$signed" -ge 30 ] && [ "$now" = "$last" ] && break
      [ "$SECONDS" -lt "$end" ] ||
        fail "the board was not signed and still within 30 s ($signed dark pixels in 透明标签4)"
      last=$now
      sleep 0.5
    done
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots" 2>/dev/null ||
      echo "wine-test: no screenshot (ImageMagick's import missing?)"
  fi
  # The lollipop team line: not red before its colour is picked and the line edited.
  if [ "$command" = pick ] && [ "$name" = 颜色选择器1 ]; then
    before=$(count_colour "$line_rect" "$picked_colour")
    [ "$before" -eq 0 ] || fail "编辑框1 showed $before pixels of $picked_colour before its edit"
  fi
done <"$session"

if [ -n "$picked_colour" ]; then
  end=$((SECONDS + 15))
  until after=$(count_colour "$line_rect" "$picked_colour") && [ "$after" -ge 20 ]; do
    [ "$SECONDS" -lt "$end" ] ||
      fail "编辑框1 is not drawn in $picked_colour after its edit ($after pixels after 15 s)"
    sleep 0.2
  done
  echo "wine-test: the lollipop team line is drawn in $picked_colour ($after pixels)"
fi

# --- the same session on Linux ----------------------------------------------------------
record_name=游戏数据保存.txt
replay_dir=$work/replay
mkdir -p "$replay_dir"
mkdir -p "$replay_dir/overlay"
"$replay" --dir "$replay_dir" --now "2016-05-03 14:05:09" --overlay-dir "$replay_dir/overlay" \
  "$session" >"$work/replay.out" ||
  fail "the replay driver failed: $(cat "$work/replay.out")"
linux_record=$replay_dir/$record_name
[ -s "$linux_record" ] || fail "the replay driver wrote no $record_name"

time_key=$(printf '时间=' | iconv -f UTF-8 -t GB18030)
grep -a -v "^$time_key" "$linux_record" >"$work/linux.cmp" || true
# The Windows record, once written whole: the same bytes as the Linux one (the time aside).
wine_record=$run_dir/$record_name
wine_record_whole() {
  [ -s "$wine_record" ] || return 1
  grep -a -v "^$time_key" "$wine_record" >"$work/wine.cmp" || true
  cmp -s "$work/wine.cmp" "$work/linux.cmp"
}
for _ in $(seq 1 150); do
  wine_record_whole && break
  sleep 0.2
done
[ -s "$wine_record" ] || fail "scoreboard.exe wrote no $record_name (run folder: $(ls "$run_dir"))"

# Escape and Enter close nothing: the window must outlive them.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
xdotool key --window "$window" Escape Return KP_Enter 2>/dev/null
sleep 0.8  # nothing to wait for: the window must still be there after this while
kill -0 "$exe_pid" 2>/dev/null && xdotool search --onlyvisible --name 'Orvane' >/dev/null 2>&1 ||
  fail "the window closed on Escape or Enter"

# Close as a host would; the program ends with exit code 0.
xdotool key --window "$window" alt+F4 2>/dev/null
status=""
for _ in $(seq 1 150); do
  if ! kill -0 "$exe_pid" 2>/dev/null; then
    set +e
    wait "$exe_pid"
    status=$?
    set -e
    break
  fi
  sleep 0.2
done
exe_pid_was=$exe_pid
exe_pid=""
[ -n "$status" ] || { kill "$exe_pid_was" 2>/dev/null; fail "the window did not close on Alt+F4"; }
[ "$status" = 0 ] || fail "scoreboard.exe ended with status $status"

# --- the record against the Linux one -----------------------------------------------------
grep -a -v "^$time_key" "$wine_record" >"$work/wine.cmp" || true
grep -a -q "^$time_key" "$wine_record" || fail "the Windows record has no time line"
if ! cmp -s "$work/wine.cmp" "$work/linux.cmp"; then
  echo "--- Windows record (UTF-8 view)" >&2
  iconv -f GB18030 -t UTF-8 "$wine_record" | cat -A >&2 || true
  echo "--- Linux record (UTF-8 view)" >&2
  iconv -f GB18030 -t UTF-8 "$linux_record" | cat -A >&2 || true
  fail "the record files differ"
fi
[ -n "$keep" ] && cp "$wine_record" "$keep/record.txt"
echo "wine-test: record matches the Linux replay ($(stat -c %s "$wine_record") bytes):"
iconv -f GB18030 -t UTF-8 "$wine_record" | sed 's/^/    /' || true
cmp -s "$run_dir/overlay/board.json" "$replay_dir/overlay/board.json" ||
  fail "the overlay's board.json differs: $(cat "$run_dir/overlay/board.json" 2>&1) against $(cat "$replay_dir/overlay/board.json")"
echo "wine-test: the overlay's board.json matches the Linux replay: $(cat "$run_dir/overlay/board.json")"
echo "wine-test: 1 passed, 0 failed"
