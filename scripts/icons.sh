#!/usr/bin/env bash
# Renders the icon sources resources/icons/**/*.svg to the PNG files the resources list
# (resources/png/<same path>.png, 48 x 48). Run after changing an icon; the PNGs are committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }
cd "$root/resources/icons"
find . -name '*.svg' | sort | while read -r svg; do
    png="$root/resources/png/${svg%.svg}.png"
    mkdir -p "$(dirname "$png")"
    rsvg-convert -w 48 -h 48 "$svg" -o "$png"
done
echo "rendered $(find . -name '*.svg' | wc -l) icons into resources/png"
