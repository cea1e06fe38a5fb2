# The chores every script that drives a window shares: a private X display, the window
# found by its title, where its client area lies, the Linux replay driver and the place
# of each control as that driver dumps the catalogue. Source it (POSIX sh; bash too).
#   start_private_display WORK [SCREEN]  an Xvfb of our own on a number the server picks
#                          (-displayfd; other users' displays are never touched), SCREEN
#                          as WxHxD (default 1280x1024x24), its log in WORK/xvfb.log;
#                          sets $xvfb and exports DISPLAY
#   stop_private_display   ends it
#   find_window TITLE SECONDS [PID]
#                          waits for a visible window whose name matches TITLE and sets
#                          $window; fails (saying so on standard error) when SECONDS pass
#                          or the program PID ends first
#   client_origin WINDOW [CLIENT_WIDTH CLIENT_HEIGHT]
#                          sets X, Y, WIDTH, HEIGHT (the X window) and origin_x, origin_y
#                          (the top-left corner of the client area on the screen); the
#                          client area is 472x585 unless given (a window at a scale)
#   replay_driver ROOT     prints the Linux replay driver: $SCOREBOARD_REPLAY, else
#                          ROOT/build/scoreboard-replay, else one built into ROOT/build-winhost
#   dump_controls REPLAY FILE
#                          writes the catalogue as the replay driver dumps it into FILE
#   control_rect NAME FILE prints "LEFT TOP WIDTH HEIGHT" of a control in client
#                          coordinates (group box offsets included), from FILE, at the
#                          display scale $control_scale (1 unless set)
#   control_centre NAME FILE
#                          prints "X Y", the middle of that rectangle
#   click_control NAME     a click on the control's middle, from $controls (a dump file)
#                          and $origin_x, $origin_y
#   click_control_until NAME CHECK...
#                          clicks NAME until the command CHECK succeeds: a click that
#                          brought nothing within 5 s (one before the start-up step enabled
#                          the button, or one the window took for focus) is given again,
#                          four clicks in all
# shellcheck shell=sh

xvfb=""

start_private_display() {
  Xvfb -displayfd 3 -screen 0 "${2:-1280x1024x24}" -nolisten tcp 3>"$1/display" \
    >"$1/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do
    [ -s "$1/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$1/display" ] || return 1
  DISPLAY=:$(cat "$1/display")
  export DISPLAY
}

stop_private_display() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
  fi
  xvfb=""
}

find_window() {
  window=""
  _find_end=$(($(date +%s) + $2))
  while :; do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && return 0
    if [ -n "${3:-}" ] && ! kill -0 "$3" 2>/dev/null; then
      echo "the program ended before a window named \"$1\" showed" >&2
      return 1
    fi
    if [ "$(date +%s)" -ge "$_find_end" ]; then
      echo "no window named \"$1\" within $2 s; visible windows:" \
        "$(xdotool search --onlyvisible --name '' 2>/dev/null | tr '\n' ' ')" >&2
      return 1
    fi
    sleep 0.2
  done
}

# Without a window manager the X window is the client area alone (Wine and FLTK alike);
# with one, it may hold the frame too, which the client area's width tells apart.
client_origin() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  _frame_x=0
  _frame_y=0
  if [ "$WIDTH" -gt "${2:-472}" ]; then
    _frame_x=$(((WIDTH - ${2:-472}) / 2))
    _frame_y=$((HEIGHT - ${3:-585} - _frame_x))
  fi
  origin_x=$((X + _frame_x))
  origin_y=$((Y + _frame_y))
}

replay_driver() {
  if [ -n "${SCOREBOARD_REPLAY:-}" ]; then
    echo "$SCOREBOARD_REPLAY"
  elif [ -x "$1/build/scoreboard-replay" ]; then
    echo "$1/build/scoreboard-replay"
  else
    cmake -S "$1" -B "$1/build-winhost" -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_TESTS=OFF \
      -DSCOREBOARD_BENCH=OFF >/dev/null || return 1
    cmake --build "$1/build-winhost" --target scoreboard-replay -j2 >/dev/null || return 1
    echo "$1/build-winhost/scoreboard-replay"
  fi
}

dump_controls() {
  _dump_dir=$(mktemp -d "${TMPDIR:-/tmp}/controls.XXXXXX") || return 1
  _dump_status=0
  echo dump | "$1" --dir "$_dump_dir" - >"$2" || _dump_status=1
  rm -rf "$_dump_dir"
  [ "$_dump_status" = 0 ] && [ -s "$2" ]
}

# A dump line: NAME KIND HANDLE LEFT,TOP,WIDTHxHEIGHT parent=NAME|- ...
# At a scale each edge is scaled, and a group box's member lies at its box's scaled place
# plus its own, as the front ends place them.
control_rect() {
  awk -v want="$1" -v s="${control_scale:-1}" '
    function round(v) { return int(v + 0.5) }
    { split($4, r, /[,x]/); left[$1] = r[1]; top[$1] = r[2]; w[$1] = r[3]; h[$1] = r[4];
      p = $5; sub(/^parent=/, "", p); parent[$1] = p }
    END {
      if (!(want in left)) exit 1
      x = round(left[want] * s); y = round(top[want] * s)
      x2 = round((left[want] + w[want]) * s); y2 = round((top[want] + h[want]) * s)
      if (parent[want] != "-") {
        dx = round(left[parent[want]] * s); dy = round(top[parent[want]] * s)
        x += dx; x2 += dx; y += dy; y2 += dy
      }
      print x, y, x2 - x, y2 - y
    }' "$2"
}

control_centre() {
  _rect=$(control_rect "$1" "$2") || return 1
  echo "$_rect" | awk '{ print $1 + int($3 / 2), $2 + int($4 / 2) }'
}

click_control() {
  # shellcheck disable=SC2154 # $controls: the caller's dump file
  _at=$(control_centre "$1" "$controls") || return 1
  xdotool mousemove --sync $((origin_x + ${_at% *})) $((origin_y + ${_at#* })) click 1 2>/dev/null
}

click_control_until() {
  _name=$1
  shift
  for _ in 1 2 3 4; do
    click_control "$_name" || return 1
    for _ in $(seq 50); do
      "$@" && return 0
      sleep 0.1
    done
  done
  return 1
}
