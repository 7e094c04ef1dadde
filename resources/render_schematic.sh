#!/bin/sh
# Regenerate resources/schematic.svg from make_schematic.py and render it to
# resources/schematic.jpg (691 x 630 px, JPEG quality 92).
#
# Installs what it needs when missing: python3 runs the generator (standard
# library only), rsvg-convert (librsvg2-bin) renders the SVG, ImageMagick
# makes the JPEG, DejaVu and AR PL UMing give the Latin and Chinese text.
set -eu

HERE=$(cd "$(dirname "$0")" && pwd)
SVG="$HERE/schematic.svg"
JPG="$HERE/schematic.jpg"
WIDTH=691
HEIGHT=630
QUALITY=92

"$HERE/../scripts/install-packages.sh" python3 librsvg2-bin imagemagick fontconfig fonts-dejavu-core \
    fonts-arphic-uming

if ! fc-list : family | grep -q "AR PL UMing"; then
    fc-cache -f >/dev/null 2>&1 || true
fi

# 1. vector source
python3 "$HERE/make_schematic.py" "$SVG"

# 2. SVG -> PNG at the native size, white background
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT INT TERM
rsvg-convert --width "$WIDTH" --height "$HEIGHT" --background-color white \
    --format png --output "$TMP/schematic.png" "$SVG"

# 3. PNG -> JPEG, exactly WIDTH x HEIGHT
convert "$TMP/schematic.png" -background white -alpha remove -alpha off \
    -resize "${WIDTH}x${HEIGHT}!" -strip -sampling-factor 4:4:4 \
    -quality "$QUALITY" "$JPG"

SIZE=$(identify -format '%wx%h' "$JPG")
if [ "$SIZE" != "${WIDTH}x${HEIGHT}" ]; then
    echo "render_schematic: unexpected size $SIZE" >&2
    exit 1
fi
echo "render_schematic: wrote $SVG and $JPG ($SIZE, quality $QUALITY)"
