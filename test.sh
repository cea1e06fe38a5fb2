#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows program under Wine.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

scripts/install-deps.sh all

echo "== build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== sanitizers =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSCOREBOARD_SANITIZE=ON \
  -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

for extra in scripts/fuzz.sh scripts/build-windows.sh scripts/wine-test.sh; do
  if [ -x "$extra" ]; then
    echo "== $extra =="
    "$extra"
  fi
done
echo "all tests passed"
