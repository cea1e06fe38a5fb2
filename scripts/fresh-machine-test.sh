#!/usr/bin/env bash
# Plays a new user on a clean Debian 12: a root made by mmdebstrap holding only apt, git,
# sudo and ca-certificates, a fresh clone of this repository's committed HEAD, then the
# README's two set-up commands in it:
#   1. ./run.sh, with an Xvfb on this machine standing in for the desktop, until the
#      scoreboard window is mapped;
#   2. ./test.sh, whole;
#   3. the .deb that `cpack -G DEB` makes there, installed into a second clean root and
#      checked by scripts/check-deb.sh (the installed program opens and saves).
# It prints each command's outcome and exit status. It takes long (the second command
# installs and builds everything from nothing), so it is not part of test.sh: run it
# whenever an install step, a CMake file or a script changes.
#
# Usage (as root): scripts/fresh-machine-test.sh [run|test|deb|all]   (default all)
# The clean root is built once and kept as a tarball in $SCOREBOARD_FRESH_CACHE
# (default /var/cache/scoreboard-fresh); delete it to take a newer Debian 12.
set -uo pipefail

root_dir=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
cache=${SCOREBOARD_FRESH_CACHE:-/var/cache/scoreboard-fresh}
tarball=$cache/bookworm-apt.tar
mirror=http://deb.debian.org/debian

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-machine-test: must run as root (chroot, mounts)" >&2
  exit 2
fi
if ! command -v mmdebstrap >/dev/null 2>&1; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq mmdebstrap
fi
for tool in mmdebstrap Xvfb xdotool unshare git; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "fresh-machine-test: $tool is missing; run scripts/install-deps.sh all" >&2
    exit 2
  fi
done

mkdir -p "$cache"
if [ ! -s "$tarball" ]; then
  echo "== making a clean Debian 12 root (once) =="
  mmdebstrap --format=tar --variant=apt --include=git,sudo,ca-certificates \
    bookworm "$tarball.part" \
    "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main" || exit 1
  mv "$tarball.part" "$tarball"
fi

work=$(mktemp -d /var/tmp/fresh-machine-XXXXXX)
root=$work/root
display=""
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  # The root's mounts live in the namespaces of in_root and end with them; never remove
  # a tree that still has one (a bound /dev above all).
  if grep -q " $work/" /proc/mounts; then
    echo "fresh-machine-test: $work still has mounts; left in place" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

mkdir -p "$root"
tar -C "$root" -xf "$tarball"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# A fresh clone of what is committed: uncommitted changes are not what a user gets.
git clone -q --no-local "$root_dir" "$root/root/scoreboard" || exit 1
echo "fresh-machine-test: clone of $(git -C "$root_dir" rev-parse --short HEAD) in a clean Debian 12 root"

# Runs a command inside a root (ROOT=folder, default the first) in private mount and
# process namespaces, so that its mounts and every process it leaves go away with it.
in_root() {
  local root=${ROOT:-$root}
  unshare --mount --pid --fork -- \
    bash -c 'root=$1; shift
      # The root is a mount point of its own, as / is on a real machine: the fault tests
      # make their mounts private, which the kernel refuses below a plain folder. It is
      # bound first, so that it covers none of the mounts below.
      mount --bind "$root" "$root"
      mount -t proc proc "$root/proc"
      mount --rbind /dev "$root/dev"
      mount -t sysfs sysfs "$root/sys"
      mount -t tmpfs tmpfs "$root/tmp"
      mkdir -p "$root/tmp/.X11-unix"
      mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
      exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 DISPLAY="$DISPLAY" CI="${CI:-}" "$@"' _ "$root" "$@"
}

# The desktop: an Xvfb of this machine whose socket the root sees.
for n in $(seq 150 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done

status_run=-
status_test=-
status_deb=-

if [ "$what" = run ] || [ "$what" = all ]; then
  echo "== ./run.sh =="
  start=$(date +%s)
  in_root bash -c 'cd /root/scoreboard && ./run.sh' >"$work/run.log" 2>&1 &
  runner=$!
  mapped=""
  # Installing and building from nothing takes minutes; the window must appear within 30.
  while kill -0 "$runner" 2>/dev/null && [ $(($(date +%s) - start)) -lt 1800 ]; do
    mapped=$(xdotool search --onlyvisible --name 'TobrikV2.4' 2>/dev/null | head -n 1)
    [ -n "$mapped" ] && break
    sleep 2
  done
  if [ -n "$mapped" ]; then
    sleep 1
    geometry=$(xdotool getwindowgeometry "$mapped" | tr '\n' ' ')
    echo "run.sh: window mapped after $(($(date +%s) - start)) s: $geometry"
    xdotool windowclose "$mapped" 2>/dev/null || true
    wait "$runner"
    status_run=$?
    echo "run.sh: exit status $status_run after the window was closed"
    [ "$status_run" -eq 0 ] || { tail -n 30 "$work/run.log"; }
  else
    kill "$runner" 2>/dev/null
    wait "$runner"
    status_run=$?
    [ "$status_run" -eq 0 ] && status_run=1
    echo "run.sh: no window appeared (exit status $status_run); the end of its output:"
    tail -n 40 "$work/run.log"
  fi
fi

if [ "$what" = test ] || [ "$what" = all ]; then
  echo "== ./test.sh =="
  start=$(date +%s)
  in_root bash -c 'cd /root/scoreboard && ./test.sh' >"$work/test.log" 2>&1
  status_test=$?
  cp "$work/test.log" "$cache/last-test.log"
  echo "test.sh: exit status $status_test after $(($(date +%s) - start)) s; its last lines:"
  tail -n 15 "$work/test.log"
  echo "(whole output: $cache/last-test.log)"
fi

if [ "$what" = deb ] || [ "$what" = all ]; then
  echo "== the .deb in a second clean root =="
  in_root bash -c 'cd /root/scoreboard && scripts/install-deps.sh all >/dev/null &&
    cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DSCOREBOARD_TESTS=OFF \
      -DSCOREBOARD_BENCH=OFF >/dev/null && cmake --build build-deb -j"$(nproc)" >/dev/null &&
    cd build-deb && cpack -G DEB' >"$work/deb.log" 2>&1
  deb=$(ls "$root"/root/scoreboard/build-deb/scoreboard_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    status_deb=1
    echo "deb: no package was made; the end of the output:"
    tail -n 30 "$work/deb.log"
  else
    echo "deb: made $(basename "$deb") ($(stat -c %s "$deb") bytes)"
    second=$work/second
    mkdir -p "$second"
    tar -C "$second" -xf "$tarball"
    cp /etc/resolv.conf "$second/etc/resolv.conf" 2>/dev/null || true
    cp "$deb" "$root/root/scoreboard/scripts/check-deb.sh" \
      "$root/root/scoreboard/scripts/window-session.sh" "$second/root/"
    ROOT=$second in_root sh -c "/root/check-deb.sh /root/$(basename "$deb")" 2>&1 | tail -n 15
    status_deb=${PIPESTATUS[0]}
    echo "deb: check-deb.sh exit status $status_deb"
  fi
fi

echo "fresh-machine-test: run.sh exit $status_run, test.sh exit $status_test, .deb check exit $status_deb"
for status in "$status_run" "$status_test" "$status_deb"; do
  [ "$status" = 0 ] || [ "$status" = - ] || exit 1
done
exit 0
