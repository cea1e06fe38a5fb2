#!/usr/bin/env bash
# Every arrow points inward: fails when a source file includes from a folder its own
# folder may not use, when the allowed arrows themselves would make a circle, or when a
# folder of the program is missing from the rules. The rules are the README's layout
# table, as data. Given a build folder, it also holds each folder's static library to
# the same arrows at link time: a symbol a library leaves undefined must not be defined
# only in the library of a folder it may not use (a function declared by hand and called
# hides that arrow from the includes).
# Usage: scripts/check-includes.sh [ROOT [BUILD]] (default: this checkout, no link check).
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
build="${2:-}"

# Folder: what its files may include besides their own folder. A path with a file name
# allows just that header. Handlers see the services and the catalogue's names only.
declare -A may_use=(
  [resources]=""
  [services]=""
  [shell]="services"
  [scoreboard]="services shell/control_ids.h shell/handlers.h shell/credit_buttons.h shell/catalogue.h"
  [records]="services scoreboard shell/control_ids.h shell/handlers.h"
  [clock]="services scoreboard shell/control_ids.h shell/handlers.h shell/timer_wakes.h"
  [extras]="services scoreboard shell/control_ids.h shell/handlers.h"
  [composition]="services shell scoreboard records clock extras"
  [overlay]="services shell scoreboard/team.h scoreboard/game.h"
  [journal]="services shell"
  [platform/headless]="shell services"
  [platform/fltk]="shell services resources overlay journal"
  [platform/win32]="shell services resources overlay journal"
  [tools]="platform/headless shell services overlay journal"
)
# The static libraries the build makes of each folder, for the link check; the folders
# the core is made of must have theirs, a front end only when this build makes it.
declare -A libraries=(
  [services]=libcore_services.a [shell]=libcore_shell.a [scoreboard]=libcore_scoreboard.a
  [records]=libcore_records.a [clock]=libcore_clock.a [extras]=libcore_extras.a
  [composition]=libcore_composition.a [overlay]=libcore_overlay.a [journal]=libcore_journal.a
  [platform/headless]=libscoreboard_headless.a
  [platform/fltk]="libscoreboard_window.a libscoreboard_fltk_support.a"
  [platform/win32]=libscoreboard_win32.a
)
optional_libraries=" platform/fltk platform/win32 "
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
done < <(cd "$root" && find services shell scoreboard records clock extras composition overlay \
  journal platform resources tools -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) -printf "$root/%p\0" 2>/dev/null)

if ((checked == 0)); then
  fail "no source file found under $root"
fi

# The folders a folder may reach at link time: those it may use, and theirs in turn.
reachable() {
  local -A seen=([$1]=1)
  local queue=("$1") f used
  while ((${#queue[@]} > 0)); do
    f="${queue[0]}"
    queue=("${queue[@]:1}")
    for used in ${may_use[$f]:-}; do
      case "$used" in *.h) used="$(dirname "$used")" ;; esac
      [[ -n "${seen[$used]+set}" ]] && continue
      seen[$used]=1
      queue+=("$used")
    done
  done
  printf '%s\n' "${!seen[@]}"
}

libraries_checked=0
if [[ -n "$build" ]]; then
  nm_tool="${NM:-nm}"
  listing="$(mktemp -d)"
  trap 'rm -rf "$listing"' EXIT
  # One line per symbol: "D symbol folder" where a folder's library defines it, "U symbol
  # folder" where it leaves it undefined.
  for folder in "${!libraries[@]}"; do
    for name in ${libraries[$folder]}; do
      library="$(find "$build" -name "$name" -not -path '*/CMakeFiles/*' -print -quit)"
      if [[ -z "$library" ]]; then
        [[ "$optional_libraries" == *" $folder "* ]] ||
          fail "$build holds no $name, the library of $folder: build it first"
        continue
      fi
      libraries_checked=$((libraries_checked + 1))
      "$nm_tool" -g --defined-only "$library" 2>/dev/null |
        awk -v f="$folder" 'NF >= 3 { print "D", $3, f }' >>"$listing/symbols"
      "$nm_tool" -g --undefined-only "$library" 2>/dev/null |
        awk -v f="$folder" '$1 == "U" { print "U", $2, f }' >>"$listing/symbols"
    done
  done
  for folder in "${!libraries[@]}"; do
    reachable "$folder" | sed "s|^|$folder |"
  done >"$listing/reach"
  # A symbol a folder leaves undefined that only folders it may not reach define.
  while read -r folder symbol owners; do
    fail "$folder's library takes $(c++filt "$symbol") from $owners, which $folder may not use"
  done < <(touch "$listing/symbols" && awk '
    FILENAME == ARGV[1] { may[$1, $2] = 1; next }
    $1 == "D" { defined[$2] = defined[$2] " " $3; next }
    $1 == "U" { wanted[$2, $3] = 1 }
    END {
      for (key in wanted) {
        split(key, part, SUBSEP)
        symbol = part[1]; folder = part[2]
        if (!(symbol in defined)) continue  # the system, a third-party library
        # operator new and delete: the C++ run-time defines them too; a program that
        # replaces them replaces them for everything it links.
        if (symbol ~ /^_Z(nw|na|dl|da)/) continue
        n = split(defined[symbol], owners, " ")
        allowed = 0; named = ""
        for (i = 1; i <= n; i++) {
          if ((folder, owners[i]) in may) allowed = 1
          else if (index(" " named " ", " " owners[i] " ") == 0) named = named (named == "" ? "" : ",") owners[i]
        }
        if (!allowed) print folder, symbol, named
      }
    }' "$listing/reach" "$listing/symbols" | sort)
fi

if ((failures > 0)); then
  echo "check-includes: $failures problem(s) in $checked files and $libraries_checked libraries" >&2
  exit 1
fi
if [[ -n "$build" ]]; then
  echo "check-includes: $checked files, every include points inward;" \
    "$libraries_checked libraries, every symbol comes from a folder its own may use"
else
  echo "check-includes: $checked files, every include points inward"
fi
