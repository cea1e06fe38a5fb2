#!/usr/bin/env bash
# The mutant list check catches what it is there to catch: each case writes a one-line list
# against a small planted tree and expects the check to pass or to name the fault.
set -uo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/mutants.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/rules"
printf 'int Fee() {\n  return 100;\n}\nint Twice() {\n  return 100;\n}\n' >"$work/tree/rules/fee.cpp"

failures=0
# case name @ the list's line @ expected: pass, or the text the failure names
cases=(
  "a line that matches once passes@rules/fee.cpp | int Fee() { | int Fee() { // | the fee@pass"
  "a line broken by \\n matches across lines@rules/fee.cpp | int Fee() {\\n  return 100; | int Fee() {\\n  return 0; | the fee@pass"
  "an old text that is gone is stale@rules/fee.cpp | return 200; | return 0; | the fee@occurs 0 times"
  "an old text found twice is stale@rules/fee.cpp | return 100; | return 0; | the fee@occurs 2 times"
  "a file that is gone is stale@rules/gone.cpp | int Fee() { | int Fee() { // | the fee@occurs 0 times"
  "a line without its rule is refused@rules/fee.cpp | int Fee() { | int Fee() { //@wants \"file | old | new | rule"
  "an edit that changes nothing is refused@rules/fee.cpp | int Fee() { | int Fee() { | the fee@a different new text"
  "an equivalent needs its reason@rules/fee.cpp | int Fee() { | int Fee() { // | the fee | equivalent@the fifth field"
  "an empty list is refused@# only a comment@holds no mutant"
)
for entry in "${cases[@]}"; do
  IFS='@' read -r name line expected <<<"$entry"
  printf '%s\n' "$line" >"$work/list.txt"
  output=$(MUTANTS_ROOT="$work/tree" MUTANTS_LIST="$work/list.txt" bash "$script" --check 2>&1)
  status=$?
  if [ "$expected" = pass ]; then
    [ "$status" -eq 0 ] || { echo "FAIL: $name: refused: $output"; failures=$((failures + 1)); }
  elif [ "$status" -eq 0 ] || [[ "$output" != *"$expected"* ]]; then
    echo "FAIL: $name: expected a refusal naming '$expected', got ($status): $output"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "all ${#cases[@]} cases as expected"
