#!/usr/bin/env bash
# Plays a new user on a clean Debian 12 (bookworm) and a clean Debian 13 (trixie): for
# each, a root made by mmdebstrap holding only apt, git, sudo and ca-certificates, a
# fresh clone of this repository's committed HEAD, then the README's two set-up commands
# in it:
#   1. ./run.sh, with an Xvfb on this machine standing in for the desktop, until the
#      scoreboard window is mapped;
#   2. ./test.sh, whole;
#   3. the .deb that `cpack -G DEB` makes there, installed into a second clean root of the
#      same release and checked by scripts/check-deb.sh (the installed program opens and
#      saves).
# It prints each command's outcome and exit status. It takes long (the second command
# installs and builds everything from nothing), so it is not part of test.sh: run it for
# both releases whenever an install step, a CMake file or a script changes.
#
# Usage (as root): scripts/fresh-machine-test.sh [bookworm|trixie|both] [run|test|deb|all]
# (default both, all). Each clean root is built once and kept as a tarball in
# $SCOREBOARD_FRESH_CACHE (default /var/cache/scoreboard-fresh); delete it to take a
# newer point release.
set -uo pipefail

root_dir=$(cd "$(dirname "$0")/.." && pwd)
releases=${1:-both}
what=${2:-all}
case "$releases" in
  both) releases="bookworm trixie" ;;
  bookworm | trixie) ;;
  *) echo "usage: scripts/fresh-machine-test.sh [bookworm|trixie|both] [run|test|deb|all]" >&2; exit 2 ;;
esac
case "$what" in
  run | test | deb | all) ;;
  *) echo "usage: scripts/fresh-machine-test.sh [bookworm|trixie|both] [run|test|deb|all]" >&2; exit 2 ;;
esac
cache=${SCOREBOARD_FRESH_CACHE:-/var/cache/scoreboard-fresh}
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
# The clean root of a release, made once: only apt, git, sudo and ca-certificates.
clean_root_tarball() {
  local release=$1 tarball=$cache/$1-apt.tar
  if [ ! -s "$tarball" ]; then
    echo "== making a clean $release root (once) ==" >&2
    mmdebstrap --format=tar --variant=apt --include=git,sudo,ca-certificates \
      "$release" "$tarball.part" \
      "deb $mirror $release main" "deb $mirror $release-updates main" \
      "deb http://deb.debian.org/debian-security $release-security main" >&2 || return 1
    mv "$tarball.part" "$tarball"
  fi
  echo "$tarball"
}

work=$(mktemp -d /var/tmp/fresh-machine-XXXXXX)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  # The roots' mounts live in the namespaces of in_root and end with them; never remove
  # a tree that still has one (a bound /dev above all).
  if grep -q " $work/" /proc/mounts; then
    echo "fresh-machine-test: $work still has mounts; left in place" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

# Runs a command inside a root (the first argument) in private mount and process
# namespaces, so that its mounts and every process it leaves go away with it.
in_root() {
  local root=$1
  shift
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

# The desktop: an Xvfb of this machine whose socket the roots see.
mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
# shellcheck source=scripts/display-common.sh
. "$root_dir/scripts/display-common.sh"
start_private_display "$work" || { echo "fresh-machine-test: Xvfb did not start" >&2; exit 1; }

# Plays the new user on one release; prints the outcome of each command and a summary
# line, and fails when any command did.
prove() {
  local release=$1 tarball root log status_run=- status_test=- status_deb=-
  tarball=$(clean_root_tarball "$release") || { echo "fresh-machine-test: no clean $release root"; return 1; }
  root=$work/$release
  log=$work/$release-logs
  mkdir -p "$root" "$log"
  tar -C "$root" -xf "$tarball"
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  # A fresh clone of what is committed: uncommitted changes are not what a user gets.
  git clone -q --no-local "$root_dir" "$root/root/scoreboard" || return 1
  echo "fresh-machine-test: clone of $(git -C "$root_dir" rev-parse --short HEAD) in a clean" \
    "$(sed -n 's/^PRETTY_NAME="\(.*\)"$/\1/p' "$root/etc/os-release") root"

  if [ "$what" = run ] || [ "$what" = all ]; then
    echo "== $release: ./run.sh =="
    local start runner mapped="" geometry
    start=$(date +%s)
    in_root "$root" bash -c 'cd /root/scoreboard && ./run.sh' >"$log/run.log" 2>&1 &
    runner=$!
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
      [ "$status_run" -eq 0 ] || tail -n 30 "$log/run.log"
    else
      kill "$runner" 2>/dev/null
      wait "$runner"
      status_run=$?
      [ "$status_run" -eq 0 ] && status_run=1
      echo "run.sh: no window appeared (exit status $status_run); the end of its output:"
      tail -n 40 "$log/run.log"
    fi
  fi

  if [ "$what" = test ] || [ "$what" = all ]; then
    echo "== $release: ./test.sh =="
    local start
    start=$(date +%s)
    in_root "$root" bash -c 'cd /root/scoreboard && ./test.sh' >"$log/test.log" 2>&1
    status_test=$?
    cp "$log/test.log" "$cache/last-test-$release.log"
    echo "test.sh: exit status $status_test after $(($(date +%s) - start)) s; its last lines:"
    tail -n 15 "$log/test.log"
    echo "(whole output: $cache/last-test-$release.log)"
  fi

  if [ "$what" = deb ] || [ "$what" = all ]; then
    echo "== $release: the .deb in a second clean root =="
    local deb second
    in_root "$root" bash -c 'cd /root/scoreboard && scripts/install-deps.sh all >/dev/null &&
      cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DSCOREBOARD_TESTS=OFF \
        -DSCOREBOARD_BENCH=OFF >/dev/null && cmake --build build-deb -j"$(nproc)" >/dev/null &&
      cd build-deb && cpack -G DEB' >"$log/deb.log" 2>&1
    deb=$(ls "$root"/root/scoreboard/build-deb/scoreboard_*.deb 2>/dev/null | head -n 1)
    if [ -z "$deb" ]; then
      status_deb=1
      echo "deb: no package was made; the end of the output:"
      tail -n 30 "$log/deb.log"
    else
      echo "deb: made $(basename "$deb") ($(stat -c %s "$deb") bytes)"
      second=$work/$release-second
      mkdir -p "$second"
      tar -C "$second" -xf "$tarball"
      cp /etc/resolv.conf "$second/etc/resolv.conf" 2>/dev/null || true
      cp "$deb" "$root/root/scoreboard/scripts/check-deb.sh" \
        "$root/root/scoreboard/scripts/window-session.sh" \
        "$root/root/scoreboard/scripts/display-common.sh" "$second/root/"
      # Where the save button is: the catalogue as the replay driver of that build dumps it.
      in_root "$root" sh -c 'echo dump | /root/scoreboard/build-deb/scoreboard-replay --dir /tmp -' \
        >"$second/root/controls.txt" 2>"$log/controls.log"
      in_root "$second" sh -c "/root/check-deb.sh /root/$(basename "$deb") /root/controls.txt" 2>&1 |
        tail -n 15
      status_deb=${PIPESTATUS[0]}
      echo "deb: check-deb.sh exit status $status_deb"
    fi
  fi

  echo "fresh-machine-test: $release: run.sh exit $status_run, test.sh exit $status_test," \
    ".deb check exit $status_deb"
  local status
  for status in "$status_run" "$status_test" "$status_deb"; do
    [ "$status" = 0 ] || [ "$status" = - ] || return 1
  done
}

failed_releases=()
for release in $releases; do
  prove "$release" || failed_releases+=("$release")
done
if [ ${#failed_releases[@]} -gt 0 ]; then
  echo "fresh-machine-test: failed on ${failed_releases[*]}"
  exit 1
fi
echo "fresh-machine-test: passed on $releases"
