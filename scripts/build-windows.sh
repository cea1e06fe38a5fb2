#!/usr/bin/env bash
# Cross-builds the Windows program: build-win/scoreboard.exe, one self-contained exe
# (static C and C++ runtimes, pictures and manifest embedded), plus the bare one-button
# window the start-up benchmark compares it with (build-win/bare_window.exe), the replay
# driver (build-win/scoreboard-replay.exe) and the core's unit test programs
# (build-win/tests/*_tests.exe, listed in build-win/windows-tests.txt) that
# scripts/wine-core-tests.sh runs under Wine.
# Needs scripts/install-windows-deps.sh to have run once. SCOREBOARD_WERROR=ON makes
# warnings errors, as development and CI want.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SCOREBOARD_WIN_BUILD:-$root/build-win}
jobs=${SCOREBOARD_JOBS:-2}

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  echo "build-windows: x86_64-w64-mingw32-g++-posix not found; run scripts/install-windows-deps.sh" >&2
  exit 1
fi

mkdir -p "$build"
# libjpeg for the target, from Debian's source package (cached by version).
jpeg_prefix=$(SCOREBOARD_WIN_DEPS="$build/deps" "$root/scripts/build-libjpeg-mingw.sh" | tail -n1)
# The HTTP server library, likewise (cmake/Civetweb.cmake takes it from CIVETWEB_ROOT).
civetweb_prefix=$(SCOREBOARD_WIN_DEPS="$build/deps" "$root/scripts/build-civetweb-mingw.sh" | tail -n1)

cmake -S "$root" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_TESTS=ON -DSCOREBOARD_BENCH=OFF \
  -DSCOREBOARD_WERROR="${SCOREBOARD_WERROR:-OFF}" \
  -DCMAKE_PREFIX_PATH="$jpeg_prefix" \
  -DCIVETWEB_ROOT="$civetweb_prefix" \
  -DJPEG_INCLUDE_DIR="$jpeg_prefix/include" \
  -DJPEG_LIBRARY="$jpeg_prefix/lib/libjpeg.a" \
  -DJPEG_LIBRARY_RELEASE="$jpeg_prefix/lib/libjpeg.a" >"$build/configure.log" 2>&1 ||
  { tail -n 40 "$build/configure.log" >&2; exit 1; }
# The resources folder quietly builds without pictures when it finds no libjpeg.
if grep -q 'built without pictures' "$build/configure.log"; then
  echo "build-windows: libjpeg was not found for the target; see $build/configure.log" >&2
  exit 1
fi
# The test programs the configure step chose for Windows (one "run NAME" line each).
test_targets=$(sed -n 's/^run //p' "$build/windows-tests.txt")
cmake --build "$build" --target scoreboard win32_checks bare_window scoreboard-replay \
  $test_targets -j"$jobs"

exe=$build/scoreboard.exe
# Nothing of ours or of the compiler may have to sit beside an exe.
if command -v x86_64-w64-mingw32-objdump >/dev/null 2>&1; then
  for program in "$exe" "$build/scoreboard-replay.exe" "$build"/tests/*_tests.exe; do
    foreign=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' |
      grep -viE '^(kernel32|user32|gdi32|comctl32|comdlg32|uxtheme|msvcrt|advapi32|shell32|ole32|ws2_32)\.dll$' || true)
    if [ -n "$foreign" ]; then
      echo "build-windows: $(basename "$program") needs DLLs that Windows does not ship: $foreign" >&2
      exit 1
    fi
  done
fi
echo "build-windows: $exe ($(stat -c %s "$exe") bytes)"
zip=$("$root/scripts/package-windows.sh" "$build") && echo "build-windows: $zip and its .sha256"
