#!/usr/bin/env bash
# Draws the icon's PNG sizes (icons/NNxNN/tavrel.png, for the desktop's menus and panels) from
# tavrel.svg; run it after changing the drawing and commit what it made.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" tavrel.svg --output "icons/${size}x${size}/tavrel.png"
done
