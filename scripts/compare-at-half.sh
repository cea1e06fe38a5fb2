#!/bin/sh
# Compares a window's screenshot at scale 2 with its screenshot at scale 1: the one at 2 is
# reduced to half by averaging each 2x2 block, both are turned grey and softened by a
# one-pixel blur (so that a glyph drawn at 24 pixels and one hinted at 12 differ little),
# and their difference is averaged over 16x16-pixel tiles. A control drawn stretched, cut
# or in the wrong place makes its tiles differ, even when the window as a whole looks
# alike, so the measure is the worst tile's mean difference (0 alike, 1 black on white).
#   scripts/compare-at-half.sh SHOT_AT_1 SHOT_AT_2 [LIMIT]
# Prints "worst tile D, whole window M" and, given LIMIT, exits 1 when D is over it.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 SHOT_AT_1 SHOT_AT_2 [LIMIT]" >&2; exit 2; }
one=$1 two=$2 limit=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

size() { identify -format '%w %h' "$1"; }
read -r w1 h1 <<EOF_SIZE
$(size "$one")
EOF_SIZE
read -r w2 h2 <<EOF_SIZE
$(size "$two")
EOF_SIZE
w=$(( w2 / 2 )) h=$(( h2 / 2 ))
# The two may differ by a rounding pixel; compare what both hold.
[ "$w1" -lt "$w" ] && w=$w1
[ "$h1" -lt "$h" ] && h=$h1
if [ $(( w1 - w )) -gt 2 ] || [ $(( h1 - h )) -gt 2 ]; then
  echo "compare-at-half: sizes differ: ${w1}x${h1} at 1, ${w2}x${h2} at 2" >&2
  exit 1
fi

convert "$two" -scale 50% -crop "${w}x${h}+0+0" +repage -colorspace gray -blur 0x1 "$work/two.png"
convert "$one" -crop "${w}x${h}+0+0" +repage -colorspace gray -blur 0x1 "$work/one.png"
convert "$work/one.png" "$work/two.png" -compose difference -composite "$work/diff.png"
tiles="$(( (w + 15) / 16 ))x$(( (h + 15) / 16 ))!"
worst=$(convert "$work/diff.png" -scale "$tiles" -format '%[fx:maxima]' info:)
whole=$(convert "$work/diff.png" -format '%[fx:mean]' info:)
echo "worst tile $worst, whole window $whole"
if [ -n "$limit" ]; then
  awk -v d="$worst" -v l="$limit" 'BEGIN { exit !(d <= l) }' || {
    echo "compare-at-half: the worst tile differs by $worst, over $limit" >&2
    exit 1
  }
fi
