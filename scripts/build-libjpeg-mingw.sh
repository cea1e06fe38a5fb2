#!/usr/bin/env bash
# Builds libjpeg (IJG API, static) for 64-bit Windows from Debian's libjpeg-turbo source
# package, with the project's mingw-w64 toolchain. Nothing comes from anywhere but the
# Debian archive. The result is cached under build-win/deps, keyed by the source
# version, so a second run costs nothing.
#
# Prints the install prefix (holding include/jpeglib.h, lib/libjpeg.a and, for the Windows
# zip, the licences in share/doc/libjpeg-turbo/: LICENSE.md and README.ijg) on its last line.
# Needs: scripts/install-windows-deps.sh (deb-src entry, dpkg-dev, mingw-w64).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps=${SCOREBOARD_WIN_DEPS:-$root/build-win/deps}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

# shellcheck source=scripts/debian-source.sh
. "$root/scripts/debian-source.sh"
version=$(debian_source_version libjpeg-turbo)
key=libjpeg-turbo-${version//:/_}
prefix=$deps/$key/install

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ] &&
  [ -f "$prefix/share/doc/libjpeg-turbo/README.ijg" ]; then
  echo "$prefix"
  exit 0
fi

work=$deps/$key
rm -rf "$work"
source_dir=$(debian_source_tree libjpeg-turbo "$version" "$work/src")
if [ ! -f "$source_dir/CMakeLists.txt" ]; then
  echo "build-libjpeg-mingw: the libjpeg-turbo tree in $work/src has no CMakeLists.txt" >&2
  exit 1
fi

# The SIMD code needs nasm and is not worth it for nine small pictures decoded once.
cmake -S "$source_dir" -B "$work/build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF \
  -DCMAKE_POSITION_INDEPENDENT_CODE=OFF >"$work/configure.log" 2>&1 ||
  { tail -n 30 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --target jpeg-static -j"$(nproc)" >"$work/build.log" 2>&1 ||
  { tail -n 30 "$work/build.log" >&2; exit 1; }

# Install by hand: the project's install rules also want the tools we did not build.
mkdir -p "$prefix/include" "$prefix/lib"
cp "$work/build/libjpeg.a" "$prefix/lib/libjpeg.a"
cp "$source_dir/jpeglib.h" "$source_dir/jmorecfg.h" "$source_dir/jerror.h" "$prefix/include/"
cp "$work/build/jconfig.h" "$prefix/include/"
mkdir -p "$prefix/share/doc/libjpeg-turbo"
cp "$source_dir/LICENSE.md" "$source_dir/README.ijg" "$prefix/share/doc/libjpeg-turbo/"
rm -rf "$work/src" "$work/build"
echo "$prefix"
