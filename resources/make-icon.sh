#!/usr/bin/env bash
# Draws the application icon, a crosshair over an L-shaped ruler, at each of
# the nine sizes and writes them into vantrel.ico (256 px stored as PNG, the
# others as 32-bit images with alpha). Each size is drawn on its own grid so
# the lines stay sharp at 16 px. Needs ImageMagick; the build uses the
# committed .ico and needs no image tools.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

draw() {
  local n=$1
  # Every measure is a fraction of the side, rounded to whole pixels.
  local s; s=$(awk -v n="$n" 'BEGIN { print n / 16 }')
  px() { awk -v s="$s" -v v="$1" 'BEGIN { printf "%d", v * s + 0.5 }'; }
  local rw=$(px 4)           # ruler width
  local last=$((n - 1))
  local line=$(px 1); ((line < 1)) && line=1
  local cx=$(px 9) cy=$(px 7) r=$(px 4)
  local ticks=""
  for i in 1 2 3 4 5 6; do
    local t=$(px $((i * 2)))
    local len=$(( i % 2 == 0 ? rw - $(px 1) : rw / 2 ))
    ticks+=" line $t,$((last - len + 1)) $t,$last"     # along the bottom ruler
    ticks+=" line 0,$((last - t)) $((len - 1)),$((last - t))" # along the left ruler
  done
  convert -size "${n}x${n}" xc:none \
    -fill '#F2C14E' -stroke none \
    -draw "rectangle 0,$((n - rw)) $last,$last" -draw "rectangle 0,0 $((rw - 1)),$last" \
    -stroke '#5C4A1E' -strokewidth "$line" -draw "$ticks" \
    -fill none -stroke '#1F5FAF' -strokewidth "$line" \
    -draw "circle $cx,$cy $((cx + r)),$cy" \
    -stroke '#D12E2E' \
    -draw "line $cx,$((cy - r - $(px 2))) $cx,$((cy + r + $(px 2)))" \
    -draw "line $((cx - r - $(px 2))),$cy $((cx + r + $(px 2))),$cy" \
    -depth 8 "PNG32:$work/$n.png"
}

sizes=(256 128 96 72 64 48 32 24 16)
for n in "${sizes[@]}"; do draw "$n"; done
inputs=()
for n in "${sizes[@]}"; do inputs+=("$work/$n.png"); done
convert "${inputs[@]}" vantrel.ico
