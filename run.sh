#!/usr/bin/env bash
# Builds the scoreboard and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh all
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target scoreboard
exec build/scoreboard
