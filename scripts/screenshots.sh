#!/usr/bin/env bash
# Takes the README's pictures of the two pages from the real window, run
# under Xvfb and driven with real mouse and key events:
#   docs/upload-page.png    a ROM file picked, fast transfer ticked
#   docs/output-window.png  that upload run inside the window, failing
#   docs/check-view.png     the chosen ROM checked against a made-up DAT
#   docs/download-page.png  a destination typed
# and with --windows the Windows build's window under wine, installed from a
# Windows build folder with the window (scripts/test.sh makes build/windows):
#   docs/windows-upload-page.png  the upload page as above
# Needs the Debian packages xvfb, xauth, xdotool and imagemagick (and wine).
#
# Usage: scripts/screenshots.sh [build folder]
#        scripts/screenshots.sh --windows [Windows build folder]
# The default build folder is the one of scripts/run.sh (same settings), so
# either script reuses the other's work.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ ${1:-} == --windows ]]; then
    build=$(realpath -m "${2:-$root/build/windows}")
    [[ -f $build/src/app/quillon.exe ]] || {
        echo "screenshots: no quillon.exe in $build; build the Windows window first (scripts/test.sh)" >&2
        exit 1
    }
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" --inside-xvfb-windows "$build"
fi
if [[ ${1:-} != --inside-xvfb* ]]; then
    build=$(realpath -m "${1:-$root/build/run}")
    for tool in xvfb-run xauth xdotool import; do
        command -v "$tool" >/dev/null || {
            echo "screenshots: $tool is missing (packages: xvfb xauth xdotool imagemagick)" >&2
            exit 1
        }
    done
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF
    cmake --build "$build" -j "$(nproc)" --target quillon
    # 96 dots per inch: the window's layout is 15 twips to the pixel there.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" --inside-xvfb "$build"
fi
mode=$1 build=$2

# --- Inside Xvfb from here on. --------------------------------------------

# A fixed, short demo folder: its path shows in the folder list and in the
# command preview. Its ROM files are stand-ins of typical sizes.
demo=${TMPDIR:-/tmp}/quillon-demo
rm -rf "$demo"
mkdir -p "$demo/ROMs" "$demo/Dumps" "$demo/home/.config" "$demo/runtime" "$demo/bin"
chmod 700 "$demo/runtime"
# demo.a78 carries the ROM header before its 48 KiB of data, which a
# made-up DAT lists (the data's CRC-32 is the one gzip writes at its end);
# the check view finds the DAT remembered, as if chosen before.
{
    printf '\001ATARI7800'
    head -c 118 /dev/zero
    head -c 49152 < <(yes 'Quillon demo ROM')
} > "$demo/ROMs/demo.a78"
mkdir -p "$demo/DATs" "$demo/home/.config/Quillon"
tail -c 49152 "$demo/ROMs/demo.a78" > "$demo/data"
cat > "$demo/DATs/demo.dat" <<DAT
<?xml version="1.0"?>
<datafile>
  <header><name>Quillon demo</name></header>
  <game name="Quillon Demo (Homebrew)">
    <rom name="demo.bin" size="49152" crc="$(gzip -c "$demo/data" | tail -c 8 | od -An -tx4 -N4 | tr -d ' ')"
         md5="$(md5sum < "$demo/data" | cut -c1-32)" sha1="$(sha1sum < "$demo/data" | cut -c1-40)"/>
  </game>
</datafile>
DAT
printf '[Check]\nDAT=%s\n' "$demo/DATs/demo.dat" > "$demo/home/.config/Quillon/Quillon.conf"
truncate -s 32768 "$demo/ROMs/homebrew.bin"
truncate -s 16384 "$demo/ROMs/test-pattern.bin"
# A stand-in cartpipe for the output window's picture: it waits for the
# device with a progress counter, finds none and fails.
cat > "$demo/bin/cartpipe" <<'TOOL'
#!/bin/sh
for rom; do :; done
echo "cartpipe: uploading ${rom##*/} (fast transfer)"
for second in 1 2 3; do
    printf '\rwaiting for the transfer device on LPT1 ... %ss' "$second"
    sleep 0.5
done
echo
echo "cartpipe: no transfer device answers on LPT1 (0x378)" >&2
exit 2
TOOL
chmod +x "$demo/bin/cartpipe"

app_pid=
cleanup() {
    if [[ -n $app_pid ]]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    rm -rf "$demo"
}
trap cleanup EXIT

# A home of its own: no saved options of the user show up in the pictures,
# and none are written.
export HOME=$demo/home XDG_CONFIG_HOME=$demo/home/.config XDG_RUNTIME_DIR=$demo/runtime
export PATH=$demo/bin:$PATH
unset QT_QPA_PLATFORM

# The upload page opens on the folder the program starts in.
if [[ $mode == --inside-xvfb-windows ]]; then
    # The installed folder, as a user unpacks it, in a wine prefix of its
    # own (no saved options); the demo folder is on its drive C:.
    export WINEPREFIX=$demo/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset WINEPATH
    wineboot -i >/dev/null 2>&1
    cmake --install "$build" --prefix "$demo/Quillon" >/dev/null
    mv "$demo/ROMs" "$WINEPREFIX/drive_c/ROMs"
    (cd "$WINEPREFIX/drive_c/ROMs" && exec wine "$demo/Quillon/quillon.exe") &
else
    (cd "$demo/ROMs" && exec "$build/src/app/quillon") &
fi
app_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Quillon 2\.5$' | head -n 1)
xdotool windowmove --sync "$window" 0 0

# Clicks at a place of the layout, given in twips from the window's top
# left corner (the controls' own place plus their frame's, 180/480).
click_at_twips() {
    xdotool mousemove --window "$window" $(($1 / 15)) $(($2 / 15)) click "${3:-1}"
}

# Lets the window handle what was sent and repaint before a picture.
settle() { sleep 0.5; }

capture() {
    settle
    import -window "$window" "$root/docs/$1"
    echo "screenshots: docs/$1"
}

mkdir -p "$root/docs"

# Upload page: the first ROM in the file list, then Fast Transfer.
click_at_twips $((180 + 360 + 300)) $((480 + 1860 + 150))
click_at_twips $((180 + 300 + 120)) $((480 + 3300 + 190))
if [[ $mode == --inside-xvfb-windows ]]; then
    capture windows-upload-page.png
    wineserver -k
    exit 0
fi
capture upload-page.png

# The preview's menu (a right click on it), "Run Here" by its access key;
# the picture once the stand-in has failed.
click_at_twips $((180 + 2040 + 1500)) $((480 + 4140 + 300)) 3
settle
xdotool key r
output=$(xdotool search --sync --onlyvisible --name '^cartpipe — Upload Rom$' | head -n 1)
xdotool windowmove --sync "$output" 0 0
sleep 2
import -window "$output" "$root/docs/output-window.png"
echo "screenshots: docs/output-window.png"
xdotool key --window "$output" Escape
settle

# The check view of the chosen ROM: "Check File…" from the preview's menu,
# by its access key.
click_at_twips $((180 + 2040 + 1500)) $((480 + 4140 + 300)) 3
settle
xdotool key k
check=$(xdotool search --sync --onlyvisible --name '^Check File' | head -n 1)
xdotool windowmove --sync "$check" 0 0
settle
import -window "$check" "$root/docs/check-view.png"
echo "screenshots: docs/check-view.png"
xdotool key Escape
settle

# Download page: the wheel over the tab row turns to the next tab; then a
# destination typed into the file name box.
xdotool mousemove --window "$window" $((600 / 15)) $((240 / 15)) click 5
settle
click_at_twips $((180 + 120 + 600)) $((480 + 2160 + 150))
xdotool type --delay 20 "$demo/Dumps/cartridge.a78"
capture download-page.png
