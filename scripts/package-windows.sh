#!/usr/bin/env bash
# Makes the Windows download from a finished Windows build: a zip holding scoreboard.exe,
# a short Chinese read-me, the sample hotkey file and the licences of the libraries inside
# the exe, with its SHA-256 checksum file beside it.
#   scripts/package-windows.sh [BUILD_DIR]   (default: $SCOREBOARD_WIN_BUILD or build-win)
# Writes BUILD_DIR/scoreboard-<version>-windows-x64.zip and its .sha256 and prints the
# zip's path. The version is the project's, as the build configured it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${SCOREBOARD_WIN_BUILD:-$root/build-win}}

fail() {
  echo "package-windows: $*" >&2
  exit 1
}
command -v zip >/dev/null 2>&1 || fail "zip not found; run scripts/install-windows-deps.sh"
[ -f "$build/scoreboard.exe" ] || fail "no $build/scoreboard.exe; run scripts/build-windows.sh"
build=$(cd "$build" && pwd)  # the zip is made from inside another folder
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

name=scoreboard-$version-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/scoreboard.exe" "$stage/"
# Notepad reads UTF-8 reliably only with the byte-order mark, and wants CR LF lines.
for_notepad() {
  printf '\357\273\277'
  sed 's/\r*$/\r/'
}
sed "s/@VERSION@/$version/g" "$root/packaging/windows/README.txt" | for_notepad >"$stage/README.txt"
for_notepad <"$root/packaging/hotkeys-sample.txt" >"$stage/hotkeys-sample.txt"

# The licences of the libraries linked into the exe, as their Debian sources carry them
# (the build's prefixes of scripts/build-libjpeg-mingw.sh and build-civetweb-mingw.sh).
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
jpeg_doc=$(dirname "$(cached JPEG_INCLUDE_DIR)")/share/doc/libjpeg-turbo
civetweb_doc=$(cached CIVETWEB_ROOT)/share/doc/civetweb
licences=(LICENSE-libjpeg-turbo.txt LICENSE-civetweb.txt)
for file in "$jpeg_doc/LICENSE.md" "$jpeg_doc/README.ijg" "$civetweb_doc/LICENSE.md"; do
  [ -f "$file" ] || fail "no $file; run scripts/build-windows.sh"
done
cat "$jpeg_doc/LICENSE.md" "$jpeg_doc/README.ijg" | for_notepad >"$stage/LICENSE-libjpeg-turbo.txt"
for_notepad <"$civetweb_doc/LICENSE.md" >"$stage/LICENSE-civetweb.txt"

# The host's way back after a crash, without a command line: cmd.exe wants CR LF lines.
resume_cmd=恢复上一场.cmd
sed -e 's/$/\r/' "$root/packaging/windows/$resume_cmd" >"$stage/$resume_cmd"

zip_path=$build/$name.zip
rm -f "$zip_path" "$zip_path.sha256"
(cd "$stage" && zip -q -X "$zip_path" scoreboard.exe README.txt hotkeys-sample.txt "$resume_cmd" \
  "${licences[@]}")
(cd "$build" && sha256sum "$name.zip" >"$name.zip.sha256")
echo "$zip_path"
