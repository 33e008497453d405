#!/usr/bin/env bash
# Installs the Debian packages Quillon needs, and only those that are missing,
# so that a repeated run costs one dpkg query and no network.
#
#   scripts/install-deps.sh run    build and start the window
#   scripts/install-deps.sh test   also the test suite: GoogleTest, sanitizers,
#                                  the Windows cross build under wine, the
#                                  package checks and the picture tools
#   scripts/install-deps.sh wine32 wine's 32-bit support, for running the
#                                  Windows installer (a 32-bit program); it
#                                  adds the i386 architecture to the system,
#                                  which the test command never does by itself
set -euo pipefail

# Ninja is the one generator used by every build directory of the scripts.
run_packages=(
  cmake ninja-build g++ make
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  # The check view's CRC-32.
  zlib1g-dev
  # Qt draws text with fontconfig; without a single font, labels measure
  # zero and the window looks empty. Liberation Sans has the widths the
  # fixed layout was drawn for, so no caption is cut off.
  fonts-dejavu-core fonts-liberation
)

test_packages=(
  "${run_packages[@]}"
  googletest
  # The formatting check: the one version Debian ships, so every machine
  # agrees on the layout.
  clang-format
  # The cross compiler with posix threads, which std::thread and GoogleTest
  # need; "wine" carries /usr/bin/wine, "wine64" the loader it starts.
  g++-mingw-w64-x86-64-posix wine wine64
  # zlib for the cross build, linked into quillon.exe from its static library.
  libz-mingw-w64-dev
  # The Windows package: its installer (NSIS), the ZIP unpacked and its
  # programs' DLL imports and resources (the manifest's XML) read back, the
  # Qt for Windows tarball unpacked.
  nsis unzip icoutils libxml2-utils binutils-mingw-w64-x86-64 xz-utils
  # scripts/make-icons.sh draws the icon's bitmaps, .ico and the installer's
  # pictures from the SVG (imagemagick, below, composes the pictures).
  librsvg2-bin
  # The README's pictures are taken from the real window under Xvfb.
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream dpkg-dev file
  # The package check runs Debian's own checker on the .deb and looks the
  # desktop entry's file type up in the shared MIME database.
  lintian shared-mime-info
)

mode=${1:-test}
case "$mode" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  wine32) wanted=(wine32:i386) ;;
  *) echo "usage: $0 [run|test|wine32]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  as_root=(false)
fi

# Some machines (a sandboxed kernel, say) cannot run 32-bit programs at all.
# There wine32 would take over the "wine" command and make every Windows
# test fail, so it is taken away again and wine stays 64-bit only.
keep_wine32_only_where_it_runs() {
  if [ "$mode" = wine32 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "install-deps: this machine cannot run 32-bit programs; wine32 is removed again"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q wine32:i386
    exit 1
  fi
}

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#wanted[@]} packages present"
  keep_wine32_only_where_it_runs
  exit 0
fi

if [ "${as_root[*]}" = false ]; then
  echo "install-deps: missing ${missing[*]}; run this script as root" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends "${missing[@]}"
keep_wine32_only_where_it_runs
