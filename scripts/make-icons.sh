#!/usr/bin/env bash
# Draws the icon's bitmaps from packaging/org.quillon.Quillon.svg; run it
# after changing the drawing and commit what it writes:
#   packaging/icons/quillon-<size>.png   the window's icon where Qt has no SVG
#                                        support (the Windows build)
#   packaging/windows/quillon.ico        the icon resource of quillon.exe
#   packaging/windows/installer-header.bmp, installer-side.bmp
#                                        the installer's pictures: the strip
#                                        at the top of its pages, the side of
#                                        its first and last page
# Needs the Debian packages librsvg2-bin, icoutils and imagemagick.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
svg=$root/packaging/org.quillon.Quillon.svg
for tool in rsvg-convert icotool convert; do
    command -v "$tool" >/dev/null || {
        echo "make-icons: $tool is missing (packages: librsvg2-bin icoutils imagemagick)" >&2
        exit 1
    }
done

# The sizes Windows asks an icon for: title bar and small lists (16, 20, 24),
# task bar and desktop (32, 40, 48, 64), large views (256).
pngs=()
for size in 16 20 24 32 40 48 64 256; do
    png=$root/packaging/icons/quillon-$size.png
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$svg" --output "$png"
    pngs+=("$png")
done
# 256 is kept compressed (PNG) inside the .ico, the small ones as bitmaps for
# the oldest readers.
icotool --create --output "$root/packaging/windows/quillon.ico" \
    "${pngs[@]:0:7}" --raw="${pngs[7]}"

# NSIS shows only uncompressed 24-bit bitmaps of the old Windows 3 kind
# (BMP3), at these sizes: 150 x 57 for the strip, the icon at its right end
# on the white of the page's header; 164 x 314 for the side, the icon on the
# cartridge's own slate.
windows=$root/packaging/windows
side_icon=$(mktemp --suffix=.png)
trap 'rm -f "$side_icon"' EXIT
rsvg-convert --width 112 --height 112 "$svg" --output "$side_icon"
convert -size 150x57 xc:white "$root/packaging/icons/quillon-48.png" \
    -gravity east -geometry +6+0 -composite -type TrueColor "BMP3:$windows/installer-header.bmp"
convert -size 164x314 'gradient:#4a5563-#2b323b' "$side_icon" \
    -gravity north -geometry +0+40 -composite -type TrueColor "BMP3:$windows/installer-side.bmp"
echo "make-icons: $(ls "$root"/packaging/icons | wc -l) PNG sizes, quillon.ico and the installer's pictures written"
