#!/usr/bin/env bash
# Installs the Debian packages the scoreboard needs, and only those missing, as root or
# through sudo. Recommended packages are never relied on: a clean Debian root has none.
# The releases it knows are Debian 12 (bookworm) and Debian 13 (trixie); on another it
# stops with the reason instead of guessing package names.
#   scripts/install-deps.sh window   what building and opening the Linux window needs (run.sh)
#   scripts/install-deps.sh all      everything test.sh needs: the window, the tests, the
#                                    sanitizers and fuzzers, and the Windows build under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

# The package names below are proven on the releases that known-release.sh names.
source scripts/known-release.sh

# What building the Linux window and showing its Chinese captions needs, and CivetWeb,
# the HTTP server library of the local server (--serve).
window=(cmake g++ make pkg-config libfltk1.3-dev libjpeg62-turbo-dev libfontconfig-dev
        libx11-dev fonts-wqy-microhei libcivetweb-dev)
# What the tests add: GoogleTest and Google Benchmark, clang for the fuzzers and the
# clang++ build (libclang-rt-dev is the sanitizer and libFuzzer runtime of the release's
# default clang), valgrind, an X server with the tools that drive the real window, and
# the validators of the desktop entry and the AppStream metainfo; dpkg-dev and file for
# the .deb that `cpack -G DEB` makes (its library dependencies come from dpkg-shlibdeps);
# locales for the Chinese locale the window tests also run under; mount for the fault
# test that hides the converter modules in a private mount namespace; chromium and curl
# for the overlay page's test in a real browser (headless, against the window's server).
tests=(libgtest-dev libbenchmark-dev clang libclang-rt-dev clang-format
       valgrind xvfb xauth xdotool x11-utils imagemagick desktop-file-utils appstream
       dpkg-dev file locales mount chromium curl)

case "${1:-}" in
  window) want=("${window[@]}") ;;
  all) want=("${window[@]}" "${tests[@]}") ;;
  *)
    echo "usage: scripts/install-deps.sh window|all" >&2
    exit 2
    ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

# The window tests run each session under LANG=C and under zh_CN.UTF-8.
if [ "$1" = all ] && ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "install-deps: generating the zh_CN.UTF-8 locale"
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# The Windows build and its Wine tests have an installer of their own (it also adds the
# source-package entry that the libjpeg cross-build needs).
if [ "$1" = all ]; then
  as_root bash scripts/install-windows-deps.sh
fi
