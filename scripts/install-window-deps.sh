#!/bin/sh
# Installs what the Linux window needs to build, run and be tested, on Debian: FLTK 1.3,
# libjpeg, fontconfig, a CJK font, Xvfb, xdotool, the X utilities, ImageMagick, and the
# Chinese locale the window tests also run under.
# Installs only what is missing, and refreshes the package lists only then.
set -eu

packages="libfltk1.3-dev libjpeg62-turbo-dev libfontconfig-dev libx11-dev fonts-wqy-microhei
xvfb xdotool x11-utils imagemagick locales"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
if [ -z "$missing" ]; then
  echo "window dependencies: all installed"
else
  echo "window dependencies: installing$missing"
  $sudo apt-get update
  # shellcheck disable=SC2086  # one word per package
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "window dependencies: generating the zh_CN.UTF-8 locale"
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
