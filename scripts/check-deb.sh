#!/bin/sh
# Installs the scoreboard .deb on this (clean, throwaway) Debian root and checks that the
# installed program opens its window for an ordinary user and saves into that user's
# data folder. Run as root inside the root, e.g. in a chroot made by mmdebstrap:
#   scripts/check-deb.sh /path/to/scoreboard_1.0.0_amd64.deb CONTROLS
# CONTROLS is the catalogue as the replay driver dumps it (dump_controls in
# scripts/display-common.sh), where the save button is found. Beside the .deb it needs
# nothing: apt-get fetches its dependencies and the test's own tools
# (a virtual X server and xdotool).
set -eu
deb=$1
controls=${2:?"the controls dump, the second argument"}
user=host
uid=1000

fail() {
  echo "check-deb: $*" >&2
  exit 1
}
# shellcheck source=scripts/display-common.sh
. "$(dirname "$0")/display-common.sh"
# shellcheck source=scripts/window-session.sh
. "$(dirname "$0")/window-session.sh"
[ "$(id -u)" -eq 0 ] || fail "must run as root (it installs packages)"
[ -f "$deb" ] || fail "no such package: $deb"
[ -s "$controls" ] || fail "no controls dump: $controls"

export DEBIAN_FRONTEND=noninteractive
work=$(mktemp -d)
mounted_proc=""
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  [ -n "$mounted_proc" ] && umount /proc
  rm -rf "$work"
}
trap cleanup EXIT

# apt-get installs a local package only from a path that starts with ./ or /.
cp "$deb" "$work/"
chmod 755 "$work"
chmod 644 "$work"/*.deb
apt-get update -qq
# The program finds its own folder through /proc, which a bare chroot may lack.
if [ ! -e /proc/self/exe ]; then
  command -v mount >/dev/null 2>&1 || apt-get install -y -qq mount >/dev/null
  mount -t proc proc /proc || fail "/proc is not mounted and cannot be"
  mounted_proc=yes
fi
(cd "$work" && apt-get install -y -qq ./"$(basename "$deb")") || fail "the package did not install"
[ -x /usr/bin/scoreboard ] || fail "no /usr/bin/scoreboard after installing"
[ -f /usr/share/applications/io.github.scoreboard.Scoreboard.desktop ] ||
  fail "no desktop entry after installing"
[ -f /usr/share/doc/scoreboard/hotkeys-sample.txt ] || fail "no sample hotkey file after installing"
apt-get install -y -qq --no-install-recommends xvfb xdotool >/dev/null ||
  fail "could not install the test's tools"

if ! id "$user" >/dev/null 2>&1; then
  if command -v useradd >/dev/null 2>&1; then
    useradd --create-home --uid "$uid" "$user"
  else
    echo "$user:x:$uid:$uid::/home/$user:/bin/sh" >>/etc/passwd
    echo "$user:x:$uid:" >>/etc/group
  fi
fi
home=/home/$user
mkdir -p "$home"
chown "$uid:$uid" "$home"
rm -rf "$home/.local/share/scoreboard"

start_private_display "$work" || fail "Xvfb did not start"

# Started from the menu's command, as the user, in the user's home.
(cd "$home" && exec env -i DISPLAY="$DISPLAY" HOME="$home" USER="$user" PATH=/usr/bin:/bin \
  LANG=C.UTF-8 setpriv --reuid="$uid" --regid="$uid" --clear-groups scoreboard) &
app=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" | head -n 1) ||
  fail "the installed program opened no window"
record=$home/.local/share/scoreboard/游戏数据保存.txt
click_save "$window" "$record" || fail "no record in $home/.local/share/scoreboard"
[ "$(stat -c %u "$record")" = "$uid" ] || fail "the record does not belong to the user"
grep -q "$(printf '\261\243\264\346')" "$record" || fail "the record lacks its section"
[ ! -e /usr/bin/游戏数据保存.txt ] || fail "a record landed in /usr/bin"
echo "check-deb: installed, opened the window and saved $record"
