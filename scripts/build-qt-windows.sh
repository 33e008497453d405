#!/usr/bin/env bash
# Builds the Qt for Windows that the Windows build of Quillon uses: a shared,
# release Qt 6.4.2 (qtbase: Core, Gui, Widgets, Test and their plugins) for
# 64-bit Windows, made with Debian 12's mingw-w64 g++ (posix threads) from
# Debian's own qt6-base source package, packed as a prefix that unpacks
# anywhere: qt6.4.2-mingw64-shared.tar.xz (one folder, qt6.4.2-mingw64/).
# About 15 minutes on two cores.
#
# Usage, as root on Debian 12:  scripts/build-qt-windows.sh [work folder]
#   default work folder build/qt-windows-build; the tarball is written there.
# Then either point the test command at the prefix,
#   QUILLON_QT_WINDOWS=<work folder>/stage/qt6.4.2-mingw64 scripts/test.sh
# or put the tarball where the test command looks for it by itself:
#   ../shared/toolchains/qt6-mingw64/ (beside this checkout).
# Every step can be re-run; the source and the patch are not fetched or
# applied twice.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(realpath -m "${1:-$root/build/qt-windows-build}")
qt_version=6.4.2
name=qt$qt_version-mingw64
toolchain=$root/cmake/mingw-w64-x86_64.cmake
prefix=$work/stage/$name
say() { printf '\n== %s ==\n' "$*"; }
mkdir -p "$work/src" "$work/build" "$work/logs"

# --- Host packages and Debian's source of qt6-base -------------------------
# The cross build takes moc, rcc and uic from a host Qt of the same version.
bash "$root/scripts/install-deps.sh" test
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base'; then
    say "adding deb-src entries beside the deb entries"
    sed -n 's/^Types: deb$/Types: deb-src/p;/^\(URIs\|Suites\|Components\|Signed-By\):/p;/^$/p' \
        /etc/apt/sources.list.d/*.sources > /etc/apt/sources.list.d/quillon-qt-src.sources
    sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list 2>/dev/null \
        > /etc/apt/sources.list.d/quillon-qt-src.list || true
    apt-get update -q
fi
apt-get install -y -q --no-install-recommends dpkg-dev patch mingw-w64-tools
src=$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
if [[ -z $src ]]; then
    say "apt-get source qt6-base"
    (cd "$work/src" && apt-get source qt6-base)  # Debian's patches applied
    src=$(find "$work/src" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
fi
# Debian's source leaves out WinTab (its licence); the windows platform
# plugin is built without it, and pens still work through Windows Ink.
for patch in "$root"/scripts/qt-windows/*.patch; do
    patch -d "$src" -p1 -R --dry-run -s -f <"$patch" >/dev/null 2>&1 ||
        patch -d "$src" -p1 -N <"$patch"
done

# --- Configure, build, install ----------------------------------------------
# Bundled third-party libraries only (no extra DLLs, nothing from the Linux
# host); the modules and features Quillon does not use are off. Direct2D must
# stay on (the DirectWrite font database needs it), Direct2D 1.1 off (its
# plugin would need WinTab too). Packages only from the prefix path, so host
# CMake packages (VulkanHeaders) stay out.
say "configure"
(cd "$work/build" && "$src/configure" -prefix "$prefix" \
    -release -shared -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-pkg-config \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
    -no-feature-printsupport \
    -no-feature-direct2d1_1 -no-feature-vulkan -no-feature-zstd -no-feature-androiddeployqt \
    -- -G Ninja "-DCMAKE_TOOLCHAIN_FILE=$toolchain" -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) \
    >"$work/logs/configure.log" 2>&1 || { tail -n 40 "$work/logs/configure.log"; exit 1; }
say "build (log: $work/logs/build.log)"
nice -n 10 cmake --build "$work/build" --parallel 2 >"$work/logs/build.log" 2>&1 ||
    { tail -n 40 "$work/logs/build.log"; exit 1; }
rm -rf "$prefix"
cmake --install "$work/build" >"$work/logs/install.log"

# --- The runtime beside Qt's DLLs, stripped, location-independent -----------
# Programs built against this Qt share its mingw runtime DLLs.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    install -m 644 "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$prefix/bin/$dll"
done
find "$prefix" -type f \( -name '*.dll' -o -name '*.exe' \) -print0 |
    xargs -0 x86_64-w64-mingw32-strip --strip-unneeded
# The CMake packages find the prefix from their own place; these files name
# this machine's paths and are rewritten so that the folder can move.
install -m 644 "$toolchain" "$prefix/lib/cmake/Qt6/mingw-w64-x86_64.cmake"
sed -i -E 's|^(set\(__qt_initially_configured_toolchain_file ).*\)$|\1"${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")|' \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
printf '%s\n' '[Paths]' 'Prefix=..' 'HostPrefix=..' 'HostData=.' \
    'HostBinaries=/usr/lib/qt6/bin' 'HostLibraries=/usr/lib/x86_64-linux-gnu' \
    'HostLibraryExecutables=/usr/lib/qt6/libexec' 'Sysroot=' 'SysrootifyPrefix=false' \
    'TargetSpec=win32-g++' 'HostSpec=' >"$prefix/bin/target_qt.conf"
sed -i 's|^prefix=.*|prefix=${pcfiledir}/../..|' "$prefix"/lib/pkgconfig/*.pc

# --- The tarball ---------------------------------------------------------------
tarball=$work/$name-shared.tar.xz
tar -C "$work/stage" --sort=name --owner=0 --group=0 --numeric-owner -cf - "$name" |
    xz -9 -T1 >"$tarball.part"
mv "$tarball.part" "$tarball"
say "done: $tarball (prefix $prefix)"
