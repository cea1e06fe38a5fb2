#!/usr/bin/env bash
# Every arrow points inward: fails when a source file includes from a folder its own
# folder may not use, when the allowed arrows themselves would make a circle, or when a
# folder of the program is missing from the rules. The rules are the README's layout
# table, as data. Usage: scripts/check-includes.sh [ROOT] (default: this checkout).
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"

# Folder: what its files may include besides their own folder. A path with a file name
# allows just that header. Handlers see the services and the catalogue's names only.
declare -A may_use=(
  [resources]=""
  [services]=""
  [shell]="services"
  [scoreboard]="services shell/control_ids.h shell/handlers.h shell/credit_buttons.h"
  [records]="services scoreboard shell/control_ids.h shell/handlers.h"
  [clock]="services scoreboard shell/control_ids.h shell/handlers.h shell/timer_wakes.h"
  [extras]="services scoreboard shell/control_ids.h shell/handlers.h"
  [overlay]="services shell scoreboard/team.h scoreboard/game.h"
  [journal]="services shell"
  [platform/headless]="shell services"
  [platform/fltk]="shell services resources overlay journal"
  [platform/win32]="shell services resources overlay journal"
  [tools]="platform/headless shell services overlay journal"
)
# Headers the build writes (not in the tree), and who may include them.
declare -A generated=([scoreboard_version.h]="platform/win32")

# The folder of the rules a path belongs to: the longest listed prefix.
folder_of() {
  local path="$1" best="" f
  for f in "${!may_use[@]}"; do
    if [[ "$path" == "$f"/* && ${#f} -gt ${#best} ]]; then best="$f"; fi
  done
  printf '%s' "$best"
}

failures=0
fail() { echo "check-includes: $*" >&2; failures=$((failures + 1)); }

# The allowed arrows must not make a circle (tsort reports a loop).
edges=""
for f in "${!may_use[@]}"; do
  for used in ${may_use[$f]}; do
    case "$used" in *.h) used="$(dirname "$used")" ;; esac
    edges+="$f $used"$'\n'
  done
done
if ! printf '%s' "$edges" | tsort >/dev/null 2>/tmp/check-includes.$$; then
  fail "the allowed arrows make a circle: $(cat /tmp/check-includes.$$)"
fi
rm -f /tmp/check-includes.$$

# The files of one folder must not include each other in a circle: a header and its
# source (x.h, x.cpp, x.inc) count as one unit x, and tsort reports a loop among units.
# A circle means neither file can be understood, tested or replaced without the other;
# the lower one should own a small interface instead.
check_file_circles() {
  local dir rel_dir edges file unit included loop
  while IFS= read -r -d '' dir; do
    rel_dir="${dir#"$root"/}"
    edges=""
    for file in "$dir"/*.h "$dir"/*.cpp "$dir"/*.inc; do
      [[ -e "$file" ]] || continue
      unit="$(basename "${file%.*}")"
      edges+="$unit $unit"$'\n'
      while IFS= read -r included; do
        included="${included#*\"}"
        included="${included%%\"*}"
        if [[ "$included" == */* && "$(dirname "$included")" != "$rel_dir" ]]; then
          continue
        fi
        included="$(basename "${included%.*}")"
        [[ "$included" == "$unit" ]] || edges+="$unit $included"$'\n'
      done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
    done
    if ! loop="$(printf '%s' "$edges" | tsort 2>&1 >/dev/null)"; then
      loop="$(printf '%s\n' "$loop" | sed -n 's/^tsort: \([^:]*\)$/\1/p' | awk '!seen[$0]++' | tr '\n' ' ')"
      fail "$rel_dir: its files include each other in a circle: ${loop% }"
    fi
  done < <(cd "$root" && find services shell scoreboard records clock extras overlay journal \
    platform resources tools -type d -printf "$root/%p\0" 2>/dev/null)
}
check_file_circles

checked=0
while IFS= read -r -d '' file; do
  rel="${file#"$root"/}"
  own="$(folder_of "$rel")"
  if [[ -z "$own" ]]; then
    fail "$rel: its folder has no rule; add one to scripts/check-includes.sh and the README"
    continue
  fi
  checked=$((checked + 1))
  while IFS= read -r line; do
    number="${line%%:*}"
    included="${line#*:}"
    included="${included#*\"}"
    included="${included%%\"*}"
    [[ "$included" == */* ]] || {
      if [[ -n "${generated[$included]+set}" ]]; then
        [[ " ${generated[$included]} " == *" $own "* ]] ||
          fail "$rel:$number: includes the generated $included, which $own may not use"
      elif [[ ! -e "$(dirname "$file")/$included" ]]; then
        fail "$rel:$number: includes \"$included\", which is neither beside it nor generated"
      fi
      continue
    }
    target="$(folder_of "$included")"
    [[ "$target" == "$own" ]] && continue
    allowed=0
    for used in ${may_use[$own]}; do
      if [[ "$used" == "$target" || "$used" == "$included" ]]; then allowed=1; break; fi
    done
    ((allowed)) || fail "$rel:$number: $own may not include \"$included\""
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(cd "$root" && find services shell scoreboard records clock extras overlay journal platform \
  resources tools -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) -printf "$root/%p\0" 2>/dev/null)

if ((checked == 0)); then
  fail "no source file found under $root"
fi
if ((failures > 0)); then
  echo "check-includes: $failures problem(s) in $checked files" >&2
  exit 1
fi
echo "check-includes: $checked files, every include points inward"
