#!/usr/bin/env bash
# Renders the program's icons from the two drawings. Run it after changing a drawing and
# commit what it writes, so that builds need no converter. Needs the Debian packages
# librsvg2-bin (rsvg-convert) and imagemagick (convert); the output is the same on every run.
set -euo pipefail
cd "$(dirname "$0")"

# 16 pixels has its own drawing, aligned to whole pixels.
rsvg-convert -w 16 -h 16 ombrelo-16.svg -o ombrelo-16.png
for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" ombrelo.svg -o "ombrelo-$size.png"
done

# The Windows program icon: 32 and 16 pixels, 256 colours each.
convert ombrelo-32.png ombrelo-16.png -colors 256 ombrelo.ico
