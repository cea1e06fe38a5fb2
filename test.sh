#!/usr/bin/env bash
# Builds everything and runs every test: the unit, scenario, replay and window tests of
# the normal build (the unit suites twice, in parallel, to show that no test depends on
# another's timing or order), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, release builds with g++ and clang++, the fuzzers and
# valgrind, and the Windows program and its core tests under Wine.
# Every stage runs even when an earlier one failed; the last line counts them all.
set -uo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
# Warnings are errors in every build test.sh makes, the Windows ones included.
export SCOREBOARD_WERROR=ON

passed=0
failed=0
skipped=0
failures=()

fail() {
  failed=$((failed + 1))
  failures+=("$1")
  echo "test.sh: FAILED: $1"
}

# Configures a build folder and shows the configure summary; a configure step that fails
# shows its whole output.
configure() {
  local dir=$1
  shift
  mkdir -p "$dir"
  if cmake -S . -B "$dir" "$@" >"$dir/configure.log" 2>&1; then
    grep -E '^-- (Scoreboard|Linux window|Test program)' "$dir/configure.log"
  else
    cat "$dir/configure.log"
    return 1
  fi
}

# The number in attribute $2 of the <testsuite> element that opens JUnit report $1.
junit_count() {
  [ -s "$1" ] || return 0
  tr '\n' ' ' <"$1" | sed -n 's/.*<testsuite[^>]*[[:space:]]'"$2"'="\([0-9]*\)".*/\1/p' | head -n1
}

# Runs ctest with the given arguments, adds its counts to the totals, and names every
# skipped test with the reason it gave.
run_ctest() {
  local dir=$1 log=$2
  shift 2
  ctest --test-dir "$dir" --output-on-failure -j"$jobs" --output-junit "$PWD/$log.xml" "$@" |
    tee "$log"
  local status=${PIPESTATUS[0]}
  local total failing skips
  # The counts come from ctest's JUnit report (attributes of its one <testsuite>), not
  # from the wording of its summary line.
  total=$(junit_count "$log.xml" tests)
  failing=$(junit_count "$log.xml" failures)
  skips=$(junit_count "$log.xml" skipped)
  if [ -z "$total" ] || [ -z "$failing" ] || [ -z "$skips" ]; then
    fail "ctest in $dir $* left no readable JUnit report ($log.xml)"
    return
  fi
  if [ "$total" -eq 0 ]; then
    fail "ctest in $dir $* ran no test"
    return
  fi
  passed=$((passed + total - failing - skips))
  failed=$((failed + failing))
  skipped=$((skipped + skips))
  [ "$failing" -eq 0 ] || failures+=("$failing ctest test(s) in $dir")
  [ "$status" -eq 0 ] || [ "$failing" -gt 0 ] || fail "ctest in $dir exited $status"
  if [ "$skips" -gt 0 ]; then
    echo "Skipped in $dir, with the reasons the tests gave:"
    # GoogleTest prints "FILE:LINE: Skipped" and the reason on the next line.
    awk '/: Skipped$/ { where = $0; getline; print "  " where " " $0 }' "$log.xml" | sort -u
  fi
}

step() { echo; echo "== $* =="; }

scripts/install-deps.sh all || { echo "test.sh: installing the packages failed"; exit 1; }

step "normal build (warnings are errors)"
if configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_WERROR=ON \
  -DSCOREBOARD_FLTK=ON -DSCOREBOARD_TESTS=ON -DSCOREBOARD_BENCH=ON &&
  cmake --build build -j"$jobs"; then
  step "unit, scenario and replay tests, each twice"
  run_ctest build build/ctest.log -LE '^window$' --repeat until-fail:2
  step "the real window under Xvfb"
  run_ctest build build/ctest-window.log -L '^window$'
else
  fail "the normal build"
fi

step "sanitizers (AddressSanitizer and UndefinedBehaviorSanitizer)"
if configure build-asan -DCMAKE_BUILD_TYPE=Debug -DSCOREBOARD_SANITIZE=ON -DSCOREBOARD_WERROR=ON \
  -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_BENCH=OFF && cmake --build build-asan -j"$jobs"; then
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest build-asan build-asan/ctest.log
else
  fail "the sanitizer build"
fi

# What a packager or a user types must build with both compilers the project supports:
# the programs alone, since the tests ran in the builds above.
for compilers in "gcc g++" "clang clang++"; do
  read -r cc compiler <<<"$compilers"
  step "release build with $compiler"
  dir=build-release-$cc
  if configure "$dir" -DCMAKE_BUILD_TYPE=Release -DSCOREBOARD_WERROR=ON \
    -DSCOREBOARD_TESTS=OFF -DSCOREBOARD_BENCH=OFF \
    -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$compiler" &&
    cmake --build "$dir" -j"$jobs" >"$dir/build.log" 2>&1; then
    echo "release build with $compiler: built"
    passed=$((passed + 1))
  else
    tail -n 40 "$dir/build.log" 2>/dev/null
    fail "the release build with $compiler"
  fi
done

step "fuzzers and valgrind"
if scripts/fuzz.sh; then passed=$((passed + 1)); else fail "fuzzers or valgrind"; fi

step "the Windows program under Wine"
# Every Windows stage needs the cross-built program; a missing Wine is a failure here,
# since install-deps.sh installed it.
if scripts/wine-test.sh; then passed=$((passed + 1)); else fail "the Wine session"; fi
step "the Windows program under Wine at the display scales 1, 1.5 and 2"
if SCOREBOARD_WINE_NO_BUILD=1 scripts/wine-scale-test.sh; then
  passed=$((passed + 1))
else
  fail "the Windows program at display scales"
fi
step "the core under Wine: unit test programs, replay scripts, records"
if scripts/wine-core-tests.sh | tee build/wine-core.log; then
  passed=$((passed + $(sed -n 's/^wine-core: \([0-9]*\) passed, 0 failed$/\1/p' build/wine-core.log)))
  skipped=$((skipped + $(sed -n 's/^wine-core: unit tests under Wine: .* \([0-9]*\) skipped;.*/\1/p' build/wine-core.log)))
  grep '^wine-core: .*skipped' build/wine-core.log | grep -v ' 0 skipped' || true
else
  fail "the core under Wine"
fi
step "the Windows download under Wine"
if packaging/tests/windows-zip-under-wine.sh; then
  passed=$((passed + 1))
else
  fail "the Windows download"
fi
step "the Windows program's local server under Wine"
if scripts/wine-serve-test.sh; then passed=$((passed + 1)); else fail "the local server under Wine"; fi

echo
if [ ${#failures[@]} -gt 0 ]; then
  echo "test.sh: what failed:"
  printf '  %s\n' "${failures[@]}"
fi
echo "test.sh: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
