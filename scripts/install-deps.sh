#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those missing.
# Usage: scripts/install-deps.sh [core|all]   (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

want=(cmake g++ make pkg-config libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
      clang-format valgrind)
missing=()
for package in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

if [ "${1:-all}" = all ]; then
  for extra in scripts/install-window-deps.sh scripts/install-windows-deps.sh; do
    if [ -f "$extra" ]; then as_root bash "$extra"; fi
  done
fi
