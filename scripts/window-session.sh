# What the scripts that open the Linux window as a host would share; source it (POSIX sh).
#   start_private_display WORK   an Xvfb of our own (the server picks a free number and
#                                writes it to WORK/display); sets $xvfb and exports DISPLAY
#   click_save WINDOW RECORD     clicks "保存游戏数据" until RECORD appears; fails when
#                                four clicks saved nothing
#   click_until_box WINDOW TITLE clicks "保存游戏数据" until a window named exactly TITLE
#                                is on the screen (xwininfo reads the UTF-8 name, which
#                                xdotool's search does not match); fails when four clicks
#                                showed none
# shellcheck shell=sh

start_private_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
  # shellcheck disable=SC2034 # the caller's cleanup ends it
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$1/display" ] && break
    sleep 0.1
  done
  [ -s "$1/display" ] || return 1
  DISPLAY=:$(cat "$1/display")
  export DISPLAY
}

# The start-up step enables the button (its middle is at 228,375 in window coordinates);
# on a loaded machine a click may come before it, so a click that saved nothing within
# 5 s is given again.
click_save() {
  for _ in 1 2 3 4; do
    sleep 1
    xdotool mousemove --window "$1" 228 375 click 1
    for _ in $(seq 50); do
      [ -f "$2" ] && return 0
      sleep 0.1
    done
  done
  [ -f "$2" ]
}

click_until_box() {
  for _ in 1 2 3 4; do
    sleep 1
    xdotool mousemove --window "$1" 228 375 click 1
    for _ in $(seq 50); do
      xwininfo -root -children | grep -qF " \"$2\": " && return 0
      sleep 0.1
    done
  done
  return 1
}
