#!/usr/bin/env bash
# Builds the Debian package from the native build and checks it the way a
# user meets it: what it declares and holds, that its dependencies can be
# met, that lintian finds no error in it, that the installed desktop entry
# and metainfo are valid, and that the installed quillon starts and stays up.
#
# Usage: scripts/check-package.sh [native build folder, default build/native]
#
# As root, with no quillon package installed already, the package is
# installed for real with apt and purged afterwards (CI runs on a throwaway
# machine). Otherwise it is unpacked into a scratch root, so a developer's
# machine and an installed Quillon are left alone.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build/native}" && pwd)
app_id=org.quillon.Quillon

fail() { echo "check-package: FAIL: $*" >&2; exit 1; }
step() { echo "check-package: $*"; }

for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate appstreamcli lintian; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages: cmake, dpkg-dev, desktop-file-utils, appstream, lintian)"
done
mime_database=/usr/share/mime/packages/freedesktop.org.xml
[[ -f $mime_database ]] || fail "$mime_database is missing (package: shared-mime-info)"

scratch=$(mktemp -d)
installed_by_us=no
app_pid=
cleanup() {
    if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [[ $installed_by_us == yes ]]; then
        apt-get purge -y -qq -o DPkg::Lock::Timeout=300 quillon >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# --- The sources validate before anything is built from them. -------------
step "validating the desktop entry and metainfo in packaging/"
desktop-file-validate "$repo/packaging/$app_id.desktop"
appstreamcli validate --no-net --pedantic --strict "$repo/packaging/$app_id.metainfo.xml"
# The file type the entry opens must be one file managers know.
mime_type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$repo/packaging/$app_id.desktop")
grep -q "<mime-type type=\"$mime_type\">" "$mime_database" \
    || fail "the desktop entry's MimeType '$mime_type' is not in the shared MIME database"

# --- Build the package. ---------------------------------------------------
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || fail "no project version in $build/CMakeCache.txt; configure the native build first"
changelog_version=$(dpkg-parsechangelog -l "$repo/packaging/changelog" -S Version)
[[ $changelog_version == "$version" ]] \
    || fail "packaging/changelog ends at version $changelog_version, the project is at $version"
arch=$(dpkg --print-architecture)
deb_dir="$build/package"
deb="$deb_dir/quillon_${version}_${arch}.deb"

step "building the Debian package in $deb_dir"
rm -f "$deb"
(cd "$build" && cpack -G DEB -B "$deb_dir" >"$scratch/cpack.log" 2>&1) \
    || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
[[ -f $deb ]] || fail "expected package $deb was not made"

# --- What the package declares. -------------------------------------------
field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    local actual
    actual=$(field "$1")
    [[ $actual == "$2" ]] || fail "control field $1 is '$actual', expected '$2'"
}
step "checking the control fields"
expect_field Package quillon
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section utils
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ $(field Description) == *cartpipe* ]] || fail "the Description does not say what the package is for"

# Dependencies computed by shlibdeps carry versions taken from the libraries'
# symbol files; a hand-written list would not. The SVG plugin package is the
# one named by hand, since nothing links to a plugin.
depends=$(field Depends)
mapfile -t depends_list < <(sed 's/, /\n/g' <<<"$depends")
has_dependency() {  # package name, then a glob for what follows it
    local entry
    for entry in "${depends_list[@]}"; do
        [[ $entry == "$1"$2 ]] && return 0
    done
    return 1
}
for lib in libc6 libstdc++6 libqt6core6 libqt6widgets6; do
    has_dependency "$lib" ' (>= *)' \
        || fail "Depends lacks a versioned $lib, so shlibdeps did not run: $depends"
done
has_dependency libqt6svg6 '' || has_dependency libqt6svg6 ' (*)' \
    || fail "Depends lacks libqt6svg6 (the icon's SVG plugin): $depends"

# --- What the package holds: these files and nothing else. ----------------
step "checking the package contents"
expected_files="./usr/bin/quillon
./usr/share/applications/$app_id.desktop
./usr/share/doc/quillon/changelog.gz
./usr/share/doc/quillon/copyright
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/man1/quillon.1.gz
./usr/share/metainfo/$app_id.metainfo.xml"
contents=$(dpkg-deb --contents "$deb")
files=$(awk '$1 ~ /^-/ {print $6}' <<<"$contents" | sort)
[[ $files == "$expected_files" ]] \
    || fail "package files differ from the expected set:
$(diff <(echo "$expected_files") <(echo "$files") || true)"
grep -Eq '^-rwxr-xr-x root/root .* \./usr/bin/quillon$' <<<"$contents" \
    || fail "usr/bin/quillon is not an executable owned by root"
if awk '$1 ~ /^-/ && $2 != "root/root"' <<<"$contents" | grep -q .; then
    fail "files not owned by root in the package"
fi

# --- Debian's own checks: an error fails, warnings are shown. ------------
step "running lintian"
lintian --fail-on error --display-info "$deb" | tee "$scratch/lintian.log" \
    || fail "lintian found errors in the package"

# --- The dependencies can be met from the configured apt sources. ---------
step "checking that apt can satisfy the dependencies"
apt-get install --simulate --no-install-recommends -qq "$deb" >"$scratch/apt-sim.log" 2>&1 \
    || { cat "$scratch/apt-sim.log" >&2; fail "apt cannot install the package's dependencies"; }

# --- Install it. -----------------------------------------------------------
if [[ $(id -u) == 0 ]]; then
    # Two checks running at once must not purge each other's installation.
    exec 9>/run/lock/quillon-check-package.lock
    flock 9
fi
if [[ $(id -u) == 0 ]] && ! dpkg-query -W -f='${Status}' quillon 2>/dev/null | grep -q 'ok installed'; then
    step "installing with apt (purged again at the end)"
    installed_by_us=yes
    apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" \
        >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log" >&2; fail "installing the package failed"; }
    dpkg-query -W -f='${Status}' quillon | grep -q 'install ok installed' || fail "dpkg does not list quillon as installed"
    prefix=/usr
else
    step "unpacking into a scratch root"
    dpkg-deb -x "$deb" "$scratch/root"
    prefix="$scratch/root/usr"
fi

# --- The installed files. --------------------------------------------------
step "validating the installed desktop entry and metainfo"
desktop_file="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop_file"
appstreamcli validate --no-net --pedantic --strict "$prefix/share/metainfo/$app_id.metainfo.xml"
# The metainfo's launchable must find the desktop entry the package brings
# (checked in an unpacked copy: an installed system holds others' metainfo).
dpkg-deb -x "$deb" "$scratch/unpacked"
appstreamcli validate-tree --no-net --strict "$scratch/unpacked"
# The entry starts the installed program and shows the installed icon.
grep -qx 'Exec=quillon %f' "$desktop_file" || fail "the desktop entry does not start quillon with the file"
[[ -x $prefix/bin/quillon ]] || fail "no executable $prefix/bin/quillon"
grep -qx "Icon=$app_id" "$desktop_file" || fail "the desktop entry does not name the icon $app_id"
[[ -f $prefix/share/icons/hicolor/scalable/apps/$app_id.svg ]] || fail "the icon is not in the hicolor theme"

# --- The installed program starts and stays up. ---------------------------
# A home of its own, so the check neither reads nor writes the user's options.
step "starting the installed quillon on the offscreen platform"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen "$prefix/bin/quillon" >"$scratch/quillon.log" 2>&1 &
app_pid=$!
sleep 3
if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid" && status=0 || status=$?
    app_pid=
    cat "$scratch/quillon.log" >&2
    fail "quillon ended within 3 seconds (exit status $status)"
fi
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
# Options are saved only when the user asks; starting saves nothing.
if find "$XDG_CONFIG_HOME" -type f | grep -q .; then
    fail "starting quillon wrote settings: $(find "$XDG_CONFIG_HOME" -type f)"
fi

step "OK: $(basename "$deb") builds, installs, validates and starts"
