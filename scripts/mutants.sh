#!/usr/bin/env bash
# The mutant check of the handlers: each mutant in tests/mutants.txt is a small edit that
# breaks one rule. It is applied to a scratch copy of the tree, the copy is rebuilt
# incrementally and the suite runs without the window tests; a mutant that no test
# notices has survived, and the rule it breaks is not guarded.
#
#   scripts/mutants.sh           run every mutant (a few minutes on two cores)
#   scripts/mutants.sh --check   only check that every mutant still applies (ctest runs this)
#
# The scratch copy and its build live in build-mutants/ (MUTANTS_DIR); the tree itself is
# never edited. Exits non-zero when a mutant that is not marked equivalent survives, when
# a mutant no longer matches its file exactly once (stale), or when a mutant does not build.
set -euo pipefail

root=${MUTANTS_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
list=${MUTANTS_LIST:-$root/tests/mutants.txt}
work=${MUTANTS_DIR:-$root/build-mutants}
src=$work/src
build=$work/build
# The first pass builds and runs only what drives the handlers directly, so that most
# mutants die within seconds; one that survives it meets the whole suite.
quick_targets=(scenarios_tests scoreboard-replay)
quick_labels='^(scenarios|replay)$'
# The window needs a display; the list check would fail on the very edit under test.
skipped_labels='^(window|mutants)$'
test_timeout=300

# Reads the list; prints one record a mutant, fields separated by US (0x1f): line number,
# file, old text, new text, rule, equivalence reason (empty unless equivalent), and how
# many times the old text occurs in the tree's file.
# In the list, " | " separates the fields and "\n" in a text stands for a line break.
parse_list() {
  python3 - "$list" "$root" <<'EOF'
import os, sys
for number, line in enumerate(open(sys.argv[1], encoding="utf-8"), 1):
    line = line.rstrip("\n")
    if not line.strip() or line.lstrip().startswith("#"):
        continue
    fields = line.split(" | ")
    if len(fields) not in (4, 5):
        sys.exit(f"{sys.argv[1]}:{number}: wants 'file | old | new | rule [| equivalent: why]'")
    file, old, new, rule = fields[:4]
    why = ""
    if len(fields) == 5:
        if not fields[4].startswith("equivalent: ") or len(fields[4]) < 20:
            sys.exit(f"{sys.argv[1]}:{number}: the fifth field is 'equivalent: <the reason>'")
        why = fields[4][len("equivalent: "):]
    old, new = old.replace("\\n", "\n"), new.replace("\\n", "\n")
    if not old or old == new or not rule:
        sys.exit(f"{sys.argv[1]}:{number}: a mutant needs an old text, a different new text and its rule")
    try:
        count = open(os.path.join(sys.argv[2], file), encoding="utf-8").read().count(old)
    except FileNotFoundError:
        count = 0
    fields = [str(number), file, old, new, rule, why, str(count)]
    print("\x1f".join(fields).replace("\n", "\\n"))
EOF
}

# Replaces OLD by NEW in FILE (both with "\n" for line breaks).
replace() {
  python3 - "$1" "$2" "$3" <<'EOF'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace("\\n", "\n"), sys.argv[3].replace("\\n", "\n")
text = open(path, encoding="utf-8").read()
open(path, "w", encoding="utf-8").write(text.replace(old, new, 1))
EOF
}

records=$(parse_list)
[ -n "$records" ] || { echo "mutants.sh: $list holds no mutant" >&2; exit 1; }

stale=0
while IFS=$'\x1f' read -r number file old new rule why count; do
  if [ "$count" != 1 ]; then
    echo "mutants.sh: STALE: tests/mutants.txt:$number: '$old' occurs $count times in $file (not once): $rule" >&2
    stale=$((stale + 1))
  fi
done <<<"$records"
total=$(wc -l <<<"$records")
if [ "${1:-}" = "--check" ]; then
  [ "$stale" -eq 0 ] || exit 1
  echo "mutants.sh: all $total mutants match their files exactly once"
  exit 0
fi
[ "$stale" -eq 0 ] || { echo "mutants.sh: $stale stale mutant(s): mend tests/mutants.txt first" >&2; exit 1; }

started=$(date +%s)
# The scratch copy follows the tree's tracked and new files. A file is copied only when
# it differs, and copied files get a fresh time, so the build stays incremental and a file
# put back after a mutant is always rebuilt.
mkdir -p "$src" "$build"
(cd "$root" && git ls-files -z --cached --others --exclude-standard) | python3 -c '
import filecmp, os, shutil, sys
root, src = sys.argv[1], sys.argv[2]
for name in sys.stdin.buffer.read().decode().split("\0"):
    if not name or not os.path.isfile(os.path.join(root, name)):
        continue
    there = os.path.join(src, name)
    if not os.path.exists(there) or not filecmp.cmp(os.path.join(root, name), there, shallow=False):
        os.makedirs(os.path.dirname(there), exist_ok=True)
        shutil.copyfile(os.path.join(root, name), there)
        shutil.copymode(os.path.join(root, name), there)
' "$root" "$src"

# Whatever happens, the scratch file under edit is put back.
applied=
restore() {
  if [ -n "$applied" ]; then
    cp "$root/$applied" "$src/$applied"
    touch "$src/$applied"
    applied=
  fi
}
trap restore EXIT
trap 'exit 130' INT TERM

build_targets() {
  nice -n 10 cmake --build "$build" -j2 "$@" >"$work/build.log" 2>&1
}
# Runs ctest with the given selection; stops at the first failure. Prints the failed test.
run_tests() {
  rm -f "$build/Testing/Temporary/LastTestsFailed.log"
  if nice -n 10 timeout $((test_timeout * 3)) ctest --test-dir "$build" -j2 --stop-on-failure \
    --timeout "$test_timeout" "$@" >"$work/ctest.log" 2>&1; then
    return 0
  fi
  local failed
  failed=$(cut -d: -f2 "$build/Testing/Temporary/LastTestsFailed.log" 2>/dev/null | head -1)
  echo "${failed:-ctest exited with an error (see $work/ctest.log)}"
  return 1
}

echo "mutants.sh: building the scratch copy in $build"
# Warnings stay warnings here: a mutant that leaves a parameter unused is still a mutant.
nice -n 10 cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREBOARD_WERROR=OFF \
  -DSCOREBOARD_FLTK=OFF -DSCOREBOARD_TESTS=ON -DSCOREBOARD_BENCH=OFF >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; exit 1; }
build_targets || { tail -40 "$work/build.log"; echo "mutants.sh: the unmutated tree does not build" >&2; exit 1; }
if ! failed=$(run_tests -LE "$skipped_labels"); then
  echo "mutants.sh: the suite fails without any mutant ($failed); nothing to measure" >&2
  exit 1
fi

killed=0
survived=0
equivalent=0
broken=0
table=()
while IFS=$'\x1f' read -r number file old new rule why count; do
  if [ -n "$why" ]; then
    equivalent=$((equivalent + 1))
    table+=("equivalent | $file:$number | $rule | $why")
    continue
  fi
  applied=$file
  replace "$src/$file" "$old" "$new"
  outcome=
  if ! build_targets --target "${quick_targets[@]}"; then
    outcome="does not build"
  elif failed=$(run_tests -L "$quick_labels"); then
    if ! build_targets; then
      outcome="does not build"
    elif failed=$(run_tests -LE "$skipped_labels"); then
      outcome=survived
    fi
  fi
  restore
  case $outcome in
    "") killed=$((killed + 1)); table+=("killed     | $file:$number | $rule | by $failed") ;;
    survived) survived=$((survived + 1)); table+=("SURVIVED   | $file:$number | $rule | no test failed") ;;
    *)
      broken=$((broken + 1))
      cp "$work/build.log" "$work/mutant-$number.build.log"
      table+=("NO BUILD   | $file:$number | $rule | see $work/mutant-$number.build.log")
      ;;
  esac
  echo "${table[-1]}"
done <<<"$records"

# The last mutant's file is back; leave the build matching the tree.
build_targets || true
echo
echo "mutants.sh: $total mutants from tests/mutants.txt"
printf '  %s\n' "${table[@]}"
echo "mutants.sh: $killed killed, $survived survived, $equivalent equivalent, $broken not building" \
  "($(($(date +%s) - started)) s)"
[ "$survived" -eq 0 ] && [ "$broken" -eq 0 ]
