#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# throughout the core) in build-fuzz and runs each one for FUZZ_SECONDS (default 60),
# starting from its seed corpus under fuzz/corpus. Any finding fails the script; the
# crashing input is kept in build-fuzz/findings. Then runs the replay scripts under
# valgrind (scripts/valgrind-replay.sh) unless FUZZ_SKIP_VALGRIND=1.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (apt-get install clang)" >&2
  exit 1
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_FUZZ=ON \
  -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_TESTS=OFF -DSCOREBOARD_BENCH=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target fuzz_all -j"$(nproc)"

mkdir -p "$build/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  program="$PWD/$build/fuzz/$target"
  if [ ! -x "$program" ]; then
    echo "fuzz.sh: no program for the corpus $seeds" >&2
    failed=1
    continue
  fi
  # The seeds stay untouched in the source tree; what the run learns goes to build-fuzz.
  work="$build/corpus/$target"
  mkdir -p "$work"
  log="$build/findings/$target.log"
  echo "== fuzzing $target for ${seconds}s =="
  if "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=4096 \
       -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
       "$work" "$seeds" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^#[0-9]+.*DONE' "$log" || true
  else
    echo "fuzz.sh: $target found a problem; the input is in $build/findings:" >&2
    grep -v '^error: line' "$log" | tail -40 >&2
    failed=1
  fi
done

if [ "$failed" -ne 0 ]; then
  exit 1
fi
if [ "${FUZZ_SKIP_VALGRIND:-0}" != 1 ] && [ -x scripts/valgrind-replay.sh ]; then
  scripts/valgrind-replay.sh
fi
echo "fuzzing: no findings"
