#!/usr/bin/env bash
# Makes the icons of the Windows program (win32/resources/*.ico) from their
# SVG drawings: the program's icon from the logo qt/org.vellmaster.Vellmaster.svg,
# the pictures of the graphical buttons from win32/resources/*.svg. Each .ico
# holds every size the window asks for, each size drawn from the SVG, not
# scaled from another size. The .ico files are committed; run this after
# changing a drawing.
#
# Needs rsvg-convert and ImageMagick (Debian: librsvg2-bin imagemagick).
# CONVERT names ImageMagick's convert when it is not the one on the PATH.
set -euo pipefail
cd "$(dirname "$0")/.."

convert="${CONVERT:-convert}"
for tool in rsvg-convert "$convert"; do
    if ! command -v "$tool" >/dev/null; then
        echo "make-icons.sh: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2
        exit 1
    fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# make_icon SVG ICO SIZE...
make_icon() {
    local svg="$1" ico="$2"
    shift 2
    local pngs=()
    for size in "$@"; do
        rsvg-convert --width "$size" --height "$size" --format png \
            --output "$work/$size.png" "$svg"
        pngs+=("$work/$size.png")
    done
    # 32-bit colour with alpha at every size, and no time stamps, so that the
    # same drawing always gives the same bytes.
    "$convert" "${pngs[@]}" -type TrueColorAlpha -define png:exclude-chunks=date,time \
        "ico:$ico"
    rm -f "${pngs[@]}"
    echo "$ico: $*"
}

res=win32/resources
make_icon qt/org.vellmaster.Vellmaster.svg "$res/vellmaster.ico" 16 20 24 32 40 48 64 256
for picture in open-flight copy-flight airport-notes import-plan done; do
    make_icon "$res/$picture.svg" "$res/$picture.ico" 16 20 24 28 32 40 48 56
done
