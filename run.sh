#!/usr/bin/env bash
# Builds the scoreboard's Linux window and opens it. Installs what building and opening
# the window needs (as root or through sudo), nothing more.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh window
# The tests and benchmarks are test.sh's business; configuring stops with the reason when
# the window cannot be built.
mkdir -p build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_FLTK=ON \
  -DSCOREBOARD_TESTS=OFF -DSCOREBOARD_BENCH=OFF >build/configure.log 2>&1 ||
  { cat build/configure.log >&2; echo "run.sh: the configure step failed (above)" >&2; exit 1; }
cmake --build build -j"$(nproc)" --target scoreboard
if [ -z "${DISPLAY:-}" ]; then  # FLTK 1.3 draws through X11 (XWayland on a Wayland desktop)
  echo "run.sh: built build/scoreboard, but there is no display to open it on (DISPLAY is not set)" >&2
  exit 1
fi
exec build/scoreboard
