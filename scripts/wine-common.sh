# Shared by the scripts that run the Windows programs under Wine; source it.
# Defines $wine and $wineserver (empty when Wine is missing) and:
#   wine_display WORK [SCREEN]  a private Xvfb whose number the server picks; exports
#                       DISPLAY; SCREEN is WIDTHxHEIGHTxDEPTH (1280x1024x24 by default)
#   wine_prefix WORK    a fresh Wine prefix in WORK/prefix, booted and settled
#   wine_stop           ends the prefix's processes and the private display
#   wine_work NAME      a fresh work folder in $work; at exit the program started as
#                       $exe_pid ends, Wine stops and the folder goes
# shellcheck shell=bash
wine=$(command -v wine || command -v wine64 ||
  { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || true)
wineserver=$(command -v wineserver ||
  { [ -x /usr/lib/wine/wineserver ] && echo /usr/lib/wine/wineserver; } || true)
# shellcheck source=scripts/display-common.sh
. "$(dirname "${BASH_SOURCE[0]}")/display-common.sh"

wine_display() {
  start_private_display "$1" "${2:-1280x1024x24}"
}

wine_prefix() {
  export WINEPREFIX=$1/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  # The first start of Wine takes a while on a cold machine.
  timeout 300 "$wine" wineboot -i >"$1/wineboot.log" 2>&1 || return 1
  timeout 120 "$wineserver" -w || true
}

wine_stop() {
  [ -n "$wineserver" ] && [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k >/dev/null 2>&1
  stop_private_display
}

wine_work() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
  exe_pid=""
  trap wine_cleanup EXIT
}

wine_cleanup() {
  set +e
  [ -n "${exe_pid:-}" ] && kill "$exe_pid" 2>/dev/null
  wine_stop
  rm -rf "$work"
}
