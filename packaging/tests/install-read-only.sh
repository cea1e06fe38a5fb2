#!/bin/sh
# Installs the build into a fresh prefix as `cmake --install` does for a host, then
# makes the whole tree read-only, as a system prefix is to the user who runs the program.
#   install-read-only.sh BUILD_DIR PREFIX
set -eu
build=$1
prefix=$2
if [ -e "$prefix" ]; then
  chmod -R u+w "$prefix"
  rm -rf "$prefix"
fi
mkdir -p "$(dirname "$prefix")"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -f "$prefix/share/doc/scoreboard/hotkeys-sample.txt" ] || {
  echo "install-read-only: no share/doc/scoreboard/hotkeys-sample.txt in $prefix" >&2
  exit 1
}
chmod -R a-w,a+rX "$prefix"
