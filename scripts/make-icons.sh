#!/usr/bin/env bash
# Draws the icon's bitmaps from packaging/org.quillon.Quillon.svg; run it
# after changing the drawing and commit what it writes:
#   packaging/icons/quillon-<size>.png   the window's icon where Qt has no SVG
#                                        support (the Windows build)
#   packaging/windows/quillon.ico        the icon resource of quillon.exe
# Needs the Debian packages librsvg2-bin and icoutils.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
svg=$root/packaging/org.quillon.Quillon.svg
for tool in rsvg-convert icotool; do
    command -v "$tool" >/dev/null || {
        echo "make-icons: $tool is missing (packages: librsvg2-bin icoutils)" >&2
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
echo "make-icons: $(ls "$root"/packaging/icons | wc -l) PNG sizes and quillon.ico written"
