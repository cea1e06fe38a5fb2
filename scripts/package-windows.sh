#!/usr/bin/env bash
# Makes the Windows download from a finished Windows build: a zip holding scoreboard.exe
# and a short Chinese read-me, with its SHA-256 checksum file beside it.
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
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

name=scoreboard-$version-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/scoreboard.exe" "$stage/"
# Notepad reads UTF-8 reliably only with the byte-order mark, and wants CR LF lines.
{
  printf '\357\273\277'
  sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$root/packaging/windows/README.txt"
} >"$stage/README.txt"

# The host's way back after a crash, without a command line: cmd.exe wants CR LF lines.
resume_cmd=恢复上一场.cmd
sed -e 's/$/\r/' "$root/packaging/windows/$resume_cmd" >"$stage/$resume_cmd"

zip_path=$build/$name.zip
rm -f "$zip_path" "$zip_path.sha256"
(cd "$stage" && zip -q -X "$zip_path" scoreboard.exe README.txt "$resume_cmd")
(cd "$build" && sha256sum "$name.zip" >"$name.zip.sha256")
echo "$zip_path"
