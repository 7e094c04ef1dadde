#!/bin/sh
# Regenerate resources/schematic.svg from make_schematic.py and render it to
# resources/schematic.jpg (691 x 630 px, JPEG quality 92).
#
# Needs these Debian packages (installed below with apt-get when missing):
#   python3             - runs the generator (standard library only)
#   librsvg2-bin        - rsvg-convert, SVG -> PNG
#   imagemagick         - convert, PNG -> JPEG
#   fonts-dejavu-core   - Latin text (DejaVu Sans)
#   fonts-arphic-uming  - Chinese text (AR PL UMing CN)
#   fonts-noto-cjk      - Chinese text fallback (Noto Sans CJK SC), optional
#   fontconfig          - fc-list / fc-cache
set -eu

HERE=$(cd "$(dirname "$0")" && pwd)
SVG="$HERE/schematic.svg"
JPG="$HERE/schematic.jpg"
WIDTH=691
HEIGHT=630
QUALITY=92

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

apt_updated=no
need_pkg() {  # need_pkg PACKAGE [optional]
    if dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; then
        return 0
    fi
    echo "render_schematic: installing Debian package $1" >&2
    if [ "$apt_updated" = no ]; then
        $SUDO apt-get update -q >/dev/null || true
        apt_updated=yes
    fi
    if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$1" >/dev/null; then
        if [ "${2:-}" = optional ]; then
            echo "render_schematic: $1 not available, continuing without it" >&2
        else
            echo "render_schematic: cannot install $1" >&2
            exit 1
        fi
    fi
}

need_pkg python3
need_pkg librsvg2-bin
need_pkg imagemagick
need_pkg fontconfig
need_pkg fonts-dejavu-core
need_pkg fonts-arphic-uming
need_pkg fonts-noto-cjk optional

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
