#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows program under Wine.
set -euo pipefail  # pipefail: a failing ctest fails through tee too
cd "$(dirname "$0")"
jobs=$(nproc)

scripts/install-deps.sh all

echo "== build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" | tee build/ctest.log
passed=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' build/ctest.log)

echo "== sanitizers =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSCOREBOARD_SANITIZE=ON \
  -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" | tee build-asan/ctest.log
passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' build-asan/ctest.log)))

echo "== fuzzers and valgrind =="
scripts/fuzz.sh

echo "== Windows program under Wine =="
status=0
scripts/wine-test.sh || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then exit "$status"; fi
[ "$status" -eq 0 ] && passed=$((passed + 1))

echo "== the core under Wine: unit test programs, replay scripts, records =="
scripts/wine-core-tests.sh | tee build/wine-core.log
passed=$((passed + $(sed -n 's/^wine-core: \([0-9]*\) passed, 0 failed$/\1/p' build/wine-core.log)))

echo "test.sh: $passed passed, 0 failed"
