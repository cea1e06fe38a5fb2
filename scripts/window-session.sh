# What the scripts that open the Linux window as a host would share; source it (POSIX sh)
# after scripts/display-common.sh (start_private_display, the places of the controls):
#   click_save WINDOW RECORD     clicks "保存游戏数据" until RECORD appears; fails when
#                                four clicks saved nothing
#   click_until_box WINDOW TITLE clicks "保存游戏数据" until a window named exactly TITLE
#                                is on the screen (xwininfo reads the UTF-8 name, which
#                                xdotool's search does not match); fails when four clicks
#                                showed none
# Both take the button's place from $controls, the catalogue as the replay driver dumps
# it (dump_controls).
# shellcheck shell=sh

click_save() {
  client_origin "$1"
  click_control_until 超级按钮1 test -f "$2"
}

box_shows() {
  xwininfo -root -children | grep -qF " \"$1\": "
}

click_until_box() {
  client_origin "$1"
  click_control_until 超级按钮1 box_shows "$2"
}
