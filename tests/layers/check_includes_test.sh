#!/usr/bin/env bash
# The include check catches what it is there to catch: each case plants one file in a
# small tree of the program's folders and expects the check to pass or to name the file.
set -uo pipefail
checker="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-includes.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
# case name | file to plant | its include | expected: pass, or the text the failure names
cases=(
  "services may use services|services/a.cpp|services/text.h|pass"
  "services may not reach the shell|services/a.cpp|shell/runtime.h|services may not include \"shell/runtime.h\""
  "services may not reach a front end|services/a.cpp|platform/fltk/views.h|services may not include"
  "a handler may use the catalogue's names|records/a.cpp|shell/control_ids.h|pass"
  "a handler may not use the dispatcher|records/a.cpp|shell/dispatcher.h|records may not include \"shell/dispatcher.h\""
  "a handler may not include a front end|scoreboard/a.cpp|platform/headless/headless_front_end.h|scoreboard may not include"
  "the shell may not include a handler folder|shell/a.cpp|scoreboard/board.h|shell may not include"
  "the shell may not include a front end|shell/a.cpp|platform/win32/wide.h|shell may not include"
  "one front end may not use another|platform/fltk/a.cpp|platform/win32/wide.h|platform/fltk may not include"
  "a front end may use the shell|platform/win32/a.cpp|shell/front_end.h|pass"
  "a folder without a rule is refused|platform/cocoa/a.cpp|services/text.h|its folder has no rule"
  "a header beside the file is fine|platform/fltk/a.cpp|views.h|pass"
  "a header neither beside nor generated is refused|platform/fltk/a.cpp|nowhere.h|neither beside it nor generated"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name planted included expected <<<"$entry"
  tree="$work/tree"
  rm -rf "$tree"
  mkdir -p "$tree/services" "$tree/platform/fltk" "$(dirname "$tree/$planted")"
  printf '#pragma once\n' >"$tree/services/text.h"
  printf '#pragma once\n' >"$tree/platform/fltk/views.h"
  printf '#include "%s"\n' "$included" >"$tree/$planted"
  output="$("$checker" "$tree" 2>&1)"
  status=$?
  if [[ "$expected" == pass ]]; then
    ((status == 0)) || { echo "FAIL: $name: refused: $output"; failures=$((failures + 1)); }
  elif ((status == 0)) || [[ "$output" != *"$planted"* || "$output" != *"$expected"* ]]; then
    echo "FAIL: $name: expected a failure naming $planted and \"$expected\", got ($status): $output"
    failures=$((failures + 1))
  fi
done

# The link check: a small tree and build folder with one object per folder library; the
# planted call goes from one folder's library to a function another folder's defines.
# case name | caller folder | callee folder | expected: pass, or the text the failure names
link_cases=(
  "a handler may call the services|scoreboard|services|pass"
  "the shell may not call a handler|shell|scoreboard|shell's library takes planted_function from scoreboard"
  "the services may not call the shell|services|shell|services's library takes planted_function from shell"
  "the composition may call a handler|composition|records|pass"
  "a missing core library is refused|-|journal|holds no libcore_journal.a"
)
core_folders="services shell scoreboard records clock extras composition overlay journal"
for entry in "${link_cases[@]}"; do
  IFS='|' read -r name caller callee expected <<<"$entry"
  tree="$work/tree"
  build="$work/build"
  rm -rf "$tree" "$build"
  mkdir -p "$tree/services" "$build"
  printf '#pragma once\n' >"$tree/services/text.h"
  for folder in $core_folders headless; do
    library="$build/libcore_$folder.a"
    [[ "$folder" == headless ]] && library="$build/libscoreboard_headless.a"
    if [[ "$caller" == - && "$folder" == "$callee" ]]; then continue; fi
    body="void ${folder}_own(void) {}"
    [[ "$folder" == "$callee" ]] && body+=$'\n''void planted_function(void) {}'
    [[ "$folder" == "$caller" ]] && body+=$'\n''void planted_function(void); void call(void) { planted_function(); }'
    printf '%s\n' "$body" >"$work/$folder.c"
    cc -c -o "$work/$folder.o" "$work/$folder.c" && ar rcs "$library" "$work/$folder.o" || exit 1
  done
  output="$("$checker" "$tree" "$build" 2>&1)"
  status=$?
  if [[ "$expected" == pass ]]; then
    ((status == 0)) || { echo "FAIL: $name: refused: $output"; failures=$((failures + 1)); }
  elif ((status == 0)) || [[ "$output" != *"$expected"* ]]; then
    echo "FAIL: $name: expected a failure naming \"$expected\", got ($status): $output"
    failures=$((failures + 1))
  fi
done

# Circles among the files of one folder. Each case plants files, each "path>include",
# and expects a pass or a failure with the given text that names every unit listed.
circle_cases=(
  "two files that include each other|platform/fltk/a.cpp>platform/fltk/b.h platform/fltk/b.cpp>platform/fltk/a.h|platform/fltk: its files include each other in a circle|a b"
  "three files in a ring, one named beside it|shell/a.h>b.h shell/b.h>shell/c.h shell/c.cpp>shell/a.h|shell: its files include each other in a circle|a b c"
  "a chain is no circle|shell/a.cpp>shell/b.h shell/b.cpp>shell/c.h shell/c.h>services/text.h|pass|"
  "a source includes its own header|shell/a.cpp>shell/a.h shell/a.h>services/text.h|pass|"
  "a header of another folder with a name of this one is no edge|shell/a.cpp>services/b.h shell/b.cpp>shell/a.h|pass|"
)
for entry in "${circle_cases[@]}"; do
  IFS='|' read -r name planted expected units <<<"$entry"
  tree="$work/tree"
  rm -rf "$tree"
  mkdir -p "$tree/services"
  printf '#pragma once\n' >"$tree/services/text.h"
  for file in $planted; do
    mkdir -p "$(dirname "$tree/${file%%>*}")"
    printf '#include "%s"\n' "${file#*>}" >>"$tree/${file%%>*}"
  done
  output="$("$checker" "$tree" 2>&1)"
  status=$?
  if [[ "$expected" == pass ]]; then
    ((status == 0)) || { echo "FAIL: $name: refused: $output"; failures=$((failures + 1)); }
    continue
  fi
  named=1
  for unit in $units; do [[ "$output" == *" $unit"* ]] || named=0; done
  if ((status == 0)) || [[ "$output" != *"$expected"* ]] || ((!named)); then
    echo "FAIL: $name: expected \"$expected\" naming $units, got ($status): $output"
    failures=$((failures + 1))
  fi
done

echo "check-includes test: $((${#cases[@]} + ${#link_cases[@]} + ${#circle_cases[@]})) cases, $failures failed"
((failures == 0))
