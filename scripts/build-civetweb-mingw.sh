#!/usr/bin/env bash
# Builds CivetWeb's C library (static) for 64-bit Windows from Debian's civetweb source
# package, with the project's mingw-w64 compiler: only what a local HTTP server with
# request handlers needs. No TLS (NO_SSL), no CGI (NO_CGI), no file serving (NO_FILES),
# no Lua, Duktape, WebSockets or compression (all off unless asked for); IPv6 on
# (USE_IPV6). The library is compiled here with its own flags, never the project's
# warning flags, so a warning in it cannot stop a -Werror build of our code; its header
# reaches our code as a system include (cmake/Civetweb.cmake).
# The result is cached under build-win/deps, keyed by the source version, so a second run
# costs nothing.
#
# Prints the install prefix on its last line: include/civetweb.h, lib/libcivetweb.a and
# share/doc/civetweb/LICENSE.md (CivetWeb's licences, which the Windows zip carries).
# Needs: scripts/install-windows-deps.sh (deb-src entry, dpkg-dev, mingw-w64).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps=${SCOREBOARD_WIN_DEPS:-$root/build-win/deps}
cc=x86_64-w64-mingw32-gcc-posix
ar=x86_64-w64-mingw32-gcc-ar-posix

# shellcheck source=scripts/debian-source.sh
. "$root/scripts/debian-source.sh"
version=$(debian_source_version civetweb)
key=civetweb-${version//:/_}
prefix=$deps/$key/install
installed=("$prefix/include/civetweb.h" "$prefix/lib/libcivetweb.a" "$prefix/share/doc/civetweb/LICENSE.md")

all_there=1
for file in "${installed[@]}"; do
  [ -f "$file" ] || all_there=0
done
if [ "$all_there" = 1 ]; then
  echo "$prefix"
  exit 0
fi

command -v "$cc" >/dev/null 2>&1 ||
  { echo "build-civetweb-mingw: $cc not found; run scripts/install-windows-deps.sh" >&2; exit 1; }

work=$deps/$key
rm -rf "$work"
source_dir=$(debian_source_tree civetweb "$version" "$work/src")
for needed in src/civetweb.c include/civetweb.h LICENSE.md; do
  if [ ! -f "$source_dir/$needed" ]; then
    echo "build-civetweb-mingw: the civetweb tree in $work/src has no $needed" >&2
    exit 1
  fi
done

# One translation unit: civetweb.c includes the parts it needs (.inl files) itself.
features=(-DNO_SSL -DNO_CGI -DNO_FILES -DUSE_IPV6)
mkdir -p "$work/build"
"$cc" -O2 -DNDEBUG "${features[@]}" -I"$source_dir/include" \
  -c "$source_dir/src/civetweb.c" -o "$work/build/civetweb.o" >"$work/build.log" 2>&1 ||
  { tail -n 30 "$work/build.log" >&2; exit 1; }

mkdir -p "$prefix/include" "$prefix/lib" "$prefix/share/doc/civetweb"
rm -f "$prefix/lib/libcivetweb.a"
"$ar" rcs "$prefix/lib/libcivetweb.a" "$work/build/civetweb.o"
cp "$source_dir/include/civetweb.h" "$prefix/include/"
cp "$source_dir/LICENSE.md" "$prefix/share/doc/civetweb/"
rm -rf "$work/src" "$work/build"
echo "$prefix"
