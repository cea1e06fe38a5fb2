#!/bin/sh
# Starts the window program on a private X server as a host would, clicks
# "保存游戏数据" (where the replay driver REPLAY, the last argument, dumps it) and checks
# where the record lands.
#   save-in-window.sh installed PROGRAM   the program of an installed (read-only) tree:
#                                         the record goes to ~/.local/share/scoreboard
#   save-in-window.sh copied PROGRAM      a copy in a folder of its own: the record goes
#                                         beside it, and no data folder is made
#   save-in-window.sh homeless BUILD      installed from BUILD into a writable prefix of
#                                         its own (as root, or a user's own --prefix) and
#                                         started without HOME or XDG_DATA_HOME: there is no
#                                         data folder, so the save shows the failure box
#                                         and no record lands anywhere, its bin least of all
#   save-in-window.sh placeless PROGRAM   a copy started with /proc hidden in a mount
#                                         namespace of its own, so it cannot tell where it
#                                         is: the window opens, the save shows the failure
#                                         box and no record lands beside it, in the current
#                                         folder or at the root (exit 77, skipped, where no
#                                         mount namespace can be made)
# Each mode takes REPLAY after its argument. Run as root, the installed and copied programs run as nobody, so the read-only tree
# really refuses writes; the homeless and placeless ones run as the caller.
set -eu
mode=$1
program=$2
replay=${3:?"the replay driver, the last argument"}

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "save-in-window ($mode): $*" >&2
  exit 1
}
# shellcheck source=scripts/display-common.sh
. "$(dirname "$0")/../../scripts/display-common.sh"
# shellcheck source=scripts/window-session.sh
. "$(dirname "$0")/../../scripts/window-session.sh"
controls=$work/controls.txt
dump_controls "$replay" "$controls" || fail "the replay driver $replay dumped no controls"

home=$work/home
mkdir -p "$home"
case $mode in
  installed)
    expected_folder=$home/.local/share/scoreboard
    unexpected_folder=$(dirname "$program")
    ;;
  copied)
    mkdir "$work/copy"
    cp "$program" "$work/copy/scoreboard"
    program=$work/copy/scoreboard
    expected_folder=$work/copy
    unexpected_folder=$home/.local/share/scoreboard
    ;;
  homeless)
    cmake --install "$program" --prefix "$work/prefix" >/dev/null || fail "cannot install"
    program=$work/prefix/bin/scoreboard
    ;;
  placeless)
    if ! why=$(unshare --mount --propagation private sh -c 'mount -t tmpfs tmpfs /proc' 2>&1); then
      echo "save-in-window (placeless): SKIPPED: /proc cannot be hidden here: $why"
      exit 77
    fi
    mkdir "$work/copy"
    cp "$program" "$work/copy/scoreboard"
    program=$work/copy/scoreboard
    ;;
  *) fail "unknown mode" ;;
esac

if [ "$mode" = homeless ] || [ "$mode" = placeless ]; then
  start_private_display "$work" || fail "Xvfb did not start"
  mkdir "$work/current"
  root_had_one=no
  [ -e /游戏数据保存.txt ] && root_had_one=yes
  if [ "$mode" = homeless ]; then
    set -- "$program"
  else
    # The copy has a home; only its place is unknown.
    # shellcheck disable=SC2016 # the inner shell expands its own arguments
    set -- unshare --mount --propagation private sh -c \
      'mount -t tmpfs tmpfs /proc && exec env HOME="$1" "$2"' sh "$home" "$program"
  fi
  (cd "$work/current" && exec env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@") &
  app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" | head -n 1) ||
    fail "no window appeared"
  box=yes
  click_until_box "$window" '信息：' || box=no
  # A record the fault put at the root is taken away again before anything fails.
  if [ "$root_had_one" = no ] && [ -e /游戏数据保存.txt ]; then
    rm -f /游戏数据保存.txt
    fail "a record was written at /"
  fi
  found=$(find "$work" -name '游戏数据保存*')
  [ -z "$found" ] || fail "a record was written: $found"
  [ "$box" = yes ] || fail "no message box after four clicks"
  echo "save-in-window ($mode): the save failed visibly and wrote nothing"
  exit 0
fi

set -- "$program"
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown -R nobody "$home"
  [ "$mode" = copied ] && chown -R nobody "$work/copy"
  set -- setpriv --reuid=nobody --regid=nogroup --clear-groups "$program"
fi

start_private_display "$work" || fail "Xvfb did not start"

env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" | head -n 1) ||
  fail "no window appeared"
record=$expected_folder/游戏数据保存.txt
click_save "$window" "$record" || fail "no record in $expected_folder"
head -n 1 "$record" | iconv -f GB18030 -t UTF-8 | grep -q '^\[保存\]' ||
  fail "the record does not start with its section"
[ ! -e "$unexpected_folder/游戏数据保存.txt" ] || fail "a record also in $unexpected_folder"
if [ "$mode" = copied ] && [ -e "$unexpected_folder" ]; then
  fail "a copied program made a data folder"
fi
echo "save-in-window ($mode): record in $expected_folder"
