#!/usr/bin/env bash
# Checks the Windows download as a host meets it: the checksum file matches the zip, the
# zip holds the exe, the read-me, the sample hotkey file and the libraries' licences, and
# the unpacked exe runs under Wine (fresh prefix, private Xvfb) with that sample, saves its
# record beside itself when "保存游戏数据" is clicked, and saves the next one on the
# sample's Ctrl+Alt+S while another Wine window has the focus.
#   packaging/tests/windows-zip-under-wine.sh [ZIP]
# (default: the zip of the version build-win was configured with)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
if [ $# -ge 1 ]; then
  zip_path=$1
else
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build-win/CMakeCache.txt" 2>/dev/null || true)
  zip_path=$root/build-win/scoreboard-$version-windows-x64.zip
fi

fail() {
  echo "windows-zip: FAILED: $*" >&2
  exit 1
}
[ -f "$zip_path" ] || fail "no $zip_path; run scripts/build-windows.sh"
# shellcheck source=scripts/wine-common.sh
. "$root/scripts/wine-common.sh"
{ [ -n "$wine" ] && [ -n "$wineserver" ]; } || fail "Wine is not installed (scripts/install-windows-deps.sh)"

(cd "$(dirname "$zip_path")" && sha256sum --quiet -c "$(basename "$zip_path").sha256") ||
  fail "the checksum file does not match the zip"
entries=$(unzip -Z1 "$zip_path" | LC_ALL=C sort | tr '\n' ' ')
[ "$entries" = "LICENSE-civetweb.txt LICENSE-libjpeg-turbo.txt README.txt hotkeys-sample.txt scoreboard.exe 恢复上一场.cmd " ] ||
  fail "unexpected zip contents: $entries"
# Each library inside the exe comes with its own licence terms.
for licence in "LICENSE-civetweb.txt|Civetweb License" \
  "LICENSE-libjpeg-turbo.txt|Independent JPEG Group" \
  "LICENSE-libjpeg-turbo.txt|The Modified (3-clause) BSD License"; do
  unzip -p "$zip_path" "${licence%%|*}" | grep -qF "${licence#*|}" ||
    fail "${licence%%|*} in the zip does not hold \"${licence#*|}\""
done

wine_work windows-zip

# Unpacked into a folder whose name has Chinese in it, as a host's desktop folder may.
unpacked=$work/计分板
mkdir -p "$unpacked"
unzip -q "$zip_path" -d "$unpacked"

wine_display "$work" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
wine_prefix "$work" || fail "wineboot failed"

# Where each control is: the catalogue as the Linux replay driver dumps it.
replay=$(replay_driver "$root") || fail "cannot build the Linux replay driver"
controls=$work/controls.txt
dump_controls "$replay" "$controls" || fail "the replay driver dumped no controls"

(cd "$unpacked" && exec "$wine" scoreboard.exe --hotkeys hotkeys-sample.txt >"$work/exe.log" 2>&1) &
exe_pid=$!
find_window Orvane 120 "$exe_pid" 2>"$work/find.log" || fail "$(cat "$work/find.log")"
client_origin "$window"

# "保存游戏数据" (超级按钮1), given again until the start-up step has enabled it.
record=$unpacked/游戏数据保存.txt
click_control_until 超级按钮1 test -f "$record" ||
  fail "no record beside the unpacked exe after four clicks (folder: $(ls "$unpacked" | tr '\n' ' '))"
grep -q "$(printf '\261\243\264\346')" "$record" || fail "the record lacks its section"
grep -a 'scoreboard:' "$work/exe.log" && fail "the sample hotkey file has problems"

# The sample's save key, pressed while another Wine program has the focus.
"$wine" notepad >"$work/notepad.log" 2>&1 &
notepad_pid=$!
other=""
for _ in $(seq 300); do
  other=$(xdotool search --onlyvisible --name 'Notepad|Untitled' 2>/dev/null | head -n1 || true)
  [ -n "$other" ] && break
  sleep 0.2
done
[ -n "$other" ] || fail "notepad showed no window"
xdotool windowfocus --sync "$other"
[ "$(xdotool getwindowfocus)" = "$other" ] || fail "notepad did not take the focus"
xdotool key ctrl+alt+s
hotkey_record=$unpacked/游戏数据保存1.txt
for _ in $(seq 100); do
  [ -f "$hotkey_record" ] && break
  sleep 0.1
done
kill "$notepad_pid" 2>/dev/null || true
[ -f "$hotkey_record" ] || fail "Ctrl+Alt+S from the sample hotkey file saved no record"

# Two gifts, then the exe is killed with the whole Wine server and started again through
# 恢复上一场.cmd: the board is back, so its next save (the third, after the click's and
# the hotkey's) records both gifts, exactly as the Linux replay driver's record of the same
# actions (the time line aside).
# 按钮9, the 188-bean gift of the lollipop team, twice: each click waits until the journal
# holds it (a click that the window took for focus, just after notepad left, is given again).
journal=$unpacked/scoreboard-journal.txt
gifts() {
  local n
  n=$(grep -c '^click 按钮9$' "$journal" 2>/dev/null) || true
  echo "${n:-0}"
}
gifts_at_least() { [ "$(gifts)" -ge "$1" ]; }
for want in 1 2; do
  click_control_until 按钮9 gifts_at_least "$want" || break
done
[ "$(gifts)" = 2 ] || fail "the journal kept $(gifts) gifts instead of 2"
"$wineserver" -k
wait "$exe_pid" 2>/dev/null || true
(cd "$unpacked" && exec "$wine" cmd /c 恢复上一场.cmd >"$work/resume.log" 2>&1) &
exe_pid=$!
find_window Orvane 120 2>"$work/find.log" ||
  fail "恢复上一场.cmd showed no window: $(cat "$work/find.log")"
client_origin "$window"
resumed=$unpacked/游戏数据保存2.txt
click_control_until 超级按钮1 test -f "$resumed" || fail "no record after the resume"
mkdir "$work/linux"
printf 'click 超级按钮1\nclick 超级按钮1\nclick 按钮9\nclick 按钮9\nclick 超级按钮1\n' |
  "$replay" --dir "$work/linux" >/dev/null || fail "the Linux replay driver failed"
without_time() { grep -av "^$(printf '\312\261\274\344')=" "$1"; }
[ "$(without_time "$resumed")" = "$(without_time "$work/linux/游戏数据保存2.txt")" ] ||
  fail "the resumed board saved another record than the uninterrupted game"
echo "windows-zip: $(basename "$zip_path") verified, unpacked, started under Wine, saved beside the exe by a click and by the sample's hotkey, killed and resumed through 恢复上一场.cmd"
