#!/usr/bin/env bash
# Builds libjpeg (IJG API, static) for 64-bit Windows from Debian's libjpeg-turbo source
# package, with the project's mingw-w64 toolchain. Nothing comes from anywhere but the
# Debian archive. The result is cached under build-win/deps, keyed by the source
# version, so a second run costs nothing.
#
# Prints the install prefix (holding include/jpeglib.h and lib/libjpeg.a) on its last line.
# Needs: scripts/install-windows-deps.sh (deb-src entry, dpkg-dev, mingw-w64).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps=${SCOREBOARD_WIN_DEPS:-$root/build-win/deps}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

version=$(apt-cache showsrc libjpeg-turbo 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n1 || true)
if [ -z "$version" ]; then
  echo "build-libjpeg-mingw: no source package libjpeg-turbo known to apt;" \
    "run scripts/install-windows-deps.sh (it adds deb-src and runs apt-get update)" >&2
  exit 1
fi
key=libjpeg-turbo-${version//:/_}
prefix=$deps/$key/install

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
  echo "$prefix"
  exit 0
fi

work=$deps/$key
rm -rf "$work"
mkdir -p "$work/src"
(
  cd "$work/src"
  # Only the orig tarball and Debian's patches; nothing is built here by dpkg.
  apt-get source -qq "libjpeg-turbo=$version" >&2 && exit 0
  # A mirror may lack the .dsc while it serves the tarballs, which apt has then fetched
  # and checked against the signed Sources index all the same: unpack them as
  # dpkg-source would, the upstream tree with Debian's patches applied in order.
  upstream=${version#*:}
  upstream=${upstream%-*}
  orig=$(ls libjpeg-turbo_"$upstream".orig.tar.* 2>/dev/null | head -n1)
  debian=$(ls libjpeg-turbo_"${version#*:}".debian.tar.* 2>/dev/null | head -n1)
  if [ -z "$orig" ] || [ -z "$debian" ]; then
    echo "build-libjpeg-mingw: apt-get source fetched neither the .dsc nor both tarballs" >&2
    exit 1
  fi
  echo "build-libjpeg-mingw: no .dsc on the mirror; unpacking $orig and $debian" >&2
  mkdir "libjpeg-turbo-$upstream"
  tar -xf "$orig" -C "libjpeg-turbo-$upstream" --strip-components=1
  tar -xf "$debian" -C "libjpeg-turbo-$upstream"
  cd "libjpeg-turbo-$upstream"
  if [ -f debian/patches/series ]; then
    sed -e 's/#.*//' -e '/^[[:space:]]*$/d' debian/patches/series | while read -r patch_name _; do
      patch -s -p1 <"debian/patches/$patch_name" >&2
    done
  fi
)
source_dir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
if [ -z "$source_dir" ] || [ ! -f "$source_dir/CMakeLists.txt" ]; then
  echo "build-libjpeg-mingw: apt-get source gave no libjpeg-turbo tree in $work/src" >&2
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
rm -rf "$work/src" "$work/build"
echo "$prefix"
