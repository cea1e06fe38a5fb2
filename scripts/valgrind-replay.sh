#!/usr/bin/env bash
# Runs every tests/replay/*.script through the replay driver under valgrind: any memory
# error or leak fails. Uses build/scoreboard-replay (or REPLAY=path), built if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
replay=${REPLAY:-build/scoreboard-replay}
if ! command -v valgrind >/dev/null; then
  echo "valgrind-replay.sh: valgrind is missing (apt-get install valgrind)" >&2
  exit 1
fi
if [ ! -x "$replay" ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target scoreboard-replay -j"$(nproc)"
fi

failed=0
shopt -s nullglob
scripts=(tests/replay/*.script)
if [ ${#scripts[@]} -eq 0 ]; then
  echo "valgrind-replay.sh: no scripts under tests/replay" >&2
  exit 1
fi
for script in "${scripts[@]}"; do
  run_dir=$(mktemp -d)
  log=$(mktemp)
  if valgrind --quiet --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect,possible \
       --errors-for-leak-kinds=definite,indirect,possible --log-file="$log" \
       "$replay" --dir "$run_dir" --now "2016-05-03 14:05:09" "$script" >/dev/null; then
    echo "valgrind: $script clean"
  else
    echo "valgrind: $script FAILED" >&2
    cat "$log" >&2
    failed=1
  fi
  rm -rf "$run_dir" "$log"
done
exit "$failed"
