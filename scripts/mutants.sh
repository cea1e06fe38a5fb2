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
  perl -e '
    my ($list, $root) = @ARGV;
    open(my $in, "<", $list) or die "mutants.sh: cannot read $list\n";
    while (my $line = <$in>) {
      chomp $line;
      next if $line !~ /\S/ || $line =~ /^\s*#/;
      my $number = $.;
      my $at = "$list:$number";
      my @fields = split / \| /, $line, -1;
      die "$at: wants \"file | old | new | rule [| equivalent: why]\"\n" if @fields < 4 || @fields > 5;
      my ($file, $old, $new, $rule, $why) = (@fields, "");
      if (@fields == 5) {
        die "$at: the fifth field is \"equivalent: <the reason>\"\n"
          unless $why =~ s/^equivalent: (.{8,})$/$1/;
      }
      s/\\n/\n/g for $old, $new;
      die "$at: a mutant needs an old text, a different new text and its rule\n"
        if $old eq "" || $old eq $new || $rule eq "";
      my $count = 0;
      if (open(my $source, "<", "$root/$file")) {
        local $/;
        my $text = <$source>;
        $count = () = $text =~ /\Q$old\E/g;
      }
      my $record = join("\x1f", $number, $file, $old, $new, $rule, $why, $count);
      $record =~ s/\n/\\n/g;
      print "$record\n";
    }' "$list" "$root"
}

# Replaces OLD by NEW in FILE (both with "\n" for line breaks), once.
replace() {
  perl -e '
    my ($path, $old, $new) = @ARGV;
    s/\\n/\n/g for $old, $new;
    open(my $in, "<", $path) or die "mutants.sh: cannot read $path\n";
    my $text = do { local $/; <$in> };
    my $at = index($text, $old);
    die "mutants.sh: the mutant no longer matches $path\n" if $at < 0;
    substr($text, $at, length $old) = $new;
    open(my $out, ">", $path) or die "mutants.sh: cannot write $path\n";
    print $out $text;
    close $out or die "mutants.sh: cannot write $path\n";' "$1" "$2" "$3"
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
(cd "$root" && git ls-files -z --cached --others --exclude-standard) |
  while IFS= read -r -d '' name; do
    [ -f "$root/$name" ] || continue
    if ! cmp -s "$root/$name" "$src/$name"; then
      mkdir -p "$(dirname "$src/$name")"
      cp --preserve=mode "$root/$name" "$src/$name"
    fi
  done

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
