#!/bin/sh
# One key typed into a team line of the real window, long lines against a short one,
# on an Xvfb of its own.
#   bench/window_typing.sh [BUILD_DIR] [BENCHMARK ARGUMENTS...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ $# -gt 0 ] && shift
cmake --build "$build" --target window_typing_bench -j2 >/dev/null
work=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
. "$root/scripts/display-common.sh"
start_private_display "$work" || { echo "Xvfb did not start" >&2; exit 1; }
"$build/bench/window_typing_bench" "$@"
