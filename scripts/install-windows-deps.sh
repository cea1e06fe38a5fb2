#!/usr/bin/env bash
# Installs what the Windows build and its Wine test need: the mingw-w64 cross compiler
# (posix threads), Wine, a virtual X server, xdotool to drive the window, ImageMagick's
# import for the screenshot, a Chinese font for Wine to draw the captions with, and
# dpkg-dev so that `apt-get source` can unpack libjpeg-turbo and civetweb, zip and unzip for the
# download and its check, and GoogleTest's sources (googletest), which the Windows build
# cross-compiles for its unit test programs.
# Safe to run again: it only adds what is missing.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-windows-deps: must run as root (apt-get install)" >&2
  exit 1
fi

# The package names below are proven on the releases that known-release.sh names.
source "$(dirname "$0")/known-release.sh"

export DEBIAN_FRONTEND=noninteractive

# `apt-get source` needs a deb-src entry. Mirror the existing Debian main line (URI and
# suites) so the sources come from the same archive as the binaries.
have_deb_src() {
  grep -rqsE '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null && return 0
  grep -rqsE '^[[:space:]]*Types:.*deb-src' /etc/apt/sources.list.d/*.sources 2>/dev/null && return 0
  return 1
}

added_source=0
if ! have_deb_src; then
  uri=""
  suites=""
  # deb822 files first (Debian 12 default), then one-line lists.
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    block_uri=""
    block_suites=""
    while IFS= read -r line || [ -n "$line" ]; do
      case "$line" in
        URIs:*) block_uri=$(echo "${line#URIs:}" | awk '{print $1}') ;;
        Suites:*) block_suites=$(echo "${line#Suites:}" | xargs) ;;
        "")
          if [ -z "$uri" ] && [ -n "$block_uri" ] && [[ "$block_uri" != *security* ]]; then
            uri=$block_uri
            suites=$block_suites
          fi
          block_uri=""
          block_suites=""
          ;;
      esac
    done <"$f"
    if [ -z "$uri" ] && [ -n "$block_uri" ] && [[ "$block_uri" != *security* ]]; then
      uri=$block_uri
      suites=$block_suites
    fi
    [ -n "$uri" ] && break
  done
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    line=$(grep -E '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list | grep -v security | head -n1 || true)
    if [ -n "$line" ]; then
      # deb [options] URI SUITE COMPONENTS...
      set -- $(echo "$line" | sed -E 's/\[[^]]*\]//')
      uri=$2
      suites=$3
    fi
  fi
  if [ -z "$uri" ]; then
    uri=http://deb.debian.org/debian
    suites=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  fi
  cat >/etc/apt/sources.list.d/scoreboard-deb-src.sources <<SRC
Types: deb-src
URIs: $uri
Suites: $suites
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  added_source=1
  echo "install-windows-deps: added deb-src for $uri ($suites)"
fi

packages=(g++-mingw-w64-x86-64-posix googletest wine64 xvfb xdotool dpkg-dev imagemagick xauth fonts-wqy-microhei zip unzip)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "$added_source" = 1 ] || [ "${#missing[@]}" -gt 0 ] || [ ! -d /var/lib/apt/lists ] ||
  ! ls /var/lib/apt/lists/*Sources* >/dev/null 2>&1; then
  apt-get update -qq
fi
if [ "${#missing[@]}" -gt 0 ]; then
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Debian's wine64 ships the loader as wine64 only; the test calls whichever is there.
if ! command -v wine >/dev/null 2>&1 && ! command -v wine64 >/dev/null 2>&1; then
  if [ -x /usr/lib/wine/wine64 ]; then
    echo "install-windows-deps: wine64 is at /usr/lib/wine/wine64 (not on PATH)"
  fi
fi
echo "install-windows-deps: done"
