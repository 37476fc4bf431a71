#!/usr/bin/env bash
# Draws every state of the render tool in light and dark (twice the pixel density) and puts them on
# one contact sheet per prefix. Usage: scripts/contact-sheet.sh [--language de|fr|es] [PREFIX ...]
# (default: all states, in English); writes build/contact-sheets[/<language>]/<prefix>.png. Needs a
# build of linkmeter-render and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v montage >/dev/null || { echo "contact-sheet: ImageMagick's montage is needed (apt install imagemagick)"; exit 2; }
render=build/tools/linkmeter-render
[ -x "$render" ] || { echo "contact-sheet: build linkmeter-render first (cmake --build build --target linkmeter-render)"; exit 2; }
out=build/contact-sheets
language=()
if [ "${1:-}" = --language ]; then
  language=(--language "$2")
  out="$out/$2"
  shift 2
fi
mkdir -p "$out/png"
export QT_QPA_PLATFORM=offscreen
prefixes=("$@")
[ ${#prefixes[@]} -gt 0 ] || prefixes=("")
for prefix in "${prefixes[@]}"; do
  files=()
  for state in $("$render" --list 2>/dev/null | grep -E "^${prefix}[^ ]*$"); do
    "$render" "$state" "$out/png/$state.png" "${language[@]}" >/dev/null 2>&1
    "$render" "$state" "$out/png/$state-dark.png" --dark "${language[@]}" >/dev/null 2>&1
    files+=("$out/png/$state.png" "$out/png/$state-dark.png")
  done
  [ ${#files[@]} -gt 0 ] || { echo "contact-sheet: no state starts with \"$prefix\""; exit 2; }
  sheet="$out/${prefix:-all}.png"
  montage -font DejaVu-Sans -label '%t' -pointsize 16 -background '#888888' -geometry 480x480+8+8 -tile 8x "${files[@]}" "$sheet"
  echo "$sheet: ${#files[@]} pictures"
done
