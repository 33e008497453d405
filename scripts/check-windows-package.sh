#!/usr/bin/env bash
# Makes the Windows ZIP and installer from a Windows build with the window,
# and checks the ZIP the way a user meets it: these files and no others, a
# README.txt with Windows line ends that says where cartpipe.exe goes and
# how to make the copy portable, every DLL that any of them needs either
# among them or Windows' own, the icon, version and manifest resources in
# quillon.exe, and quillon.exe, unpacked into a fresh folder, started under
# wine with no Qt of the build machine on the search path, stays up. Then
# the installer is run too (scripts/check-windows-installer.sh): install,
# upgrade and uninstall, for everyone and for one user, in a prefix of its
# own.
#
# Usage: scripts/check-windows-package.sh [Windows build folder, default build/windows]
# Runs in the wine prefix named by WINEPREFIX (scripts/test.sh sets one up).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build/windows}" && pwd)

fail() { echo "check-windows-package: FAIL: $*" >&2; exit 1; }
step() { echo "check-windows-package: $*"; }

for tool in cpack unzip makensis wrestool xmllint file x86_64-w64-mingw32-objdump wine; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages: cmake unzip nsis icoutils libxml2-utils file binutils-mingw-w64-x86-64 wine)"
done
[[ -n ${WINEPREFIX:-} && -d $WINEPREFIX/drive_c/windows/system32 ]] || fail "no booted wine prefix in WINEPREFIX"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
name=Quillon-$version-win64
step "making $name.zip and $name.exe in $build/package"
rm -f "$build/package/$name.zip" "$build/package/$name.exe"
(cd "$build" && cpack -G "ZIP;NSIS" -B "$build/package" >"$scratch/cpack.log" 2>&1) \
    || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
for made in "$name.zip" "$name.exe"; do
    [[ -s $build/package/$made ]] || fail "cpack did not make $made"
done

step "checking the files in the ZIP"
expected="$name/LICENSE.txt
$name/Qt6Core.dll
$name/Qt6Gui.dll
$name/Qt6Widgets.dll
$name/README.txt
$name/THIRD-PARTY-NOTICES.txt
$name/libgcc_s_seh-1.dll
$name/libstdc++-6.dll
$name/libwinpthread-1.dll
$name/platforms/
$name/platforms/qwindows.dll
$name/qt.conf
$name/quillon.exe
$name/styles/
$name/styles/qwindowsvistastyle.dll"
files=$(unzip -Z1 "$build/package/$name.zip" | LC_ALL=C sort)
[[ $files == "$expected" ]] || fail "the ZIP's files differ from the expected set:
$(diff <(echo "$expected") <(echo "$files") || true)"

unzip -q "$build/package/$name.zip" -d "$scratch/user"
folder=$scratch/user/$name

step "checking README.txt: Windows line ends, and what a user must know"
readme=$folder/README.txt
[[ -z $(grep -v $'\r$' "$readme") ]] || fail "README.txt has lines without Windows line ends"
# Where the tool goes, how to make the copy portable, what the installer adds.
for told in 'cartpipe.exe' 'beside quillon.exe' 'Quillon.ini' "Quillon-$version-win64.exe" 'Start-menu'; do
    grep -qF "$told" "$readme" || fail "README.txt does not mention $told"
done

step "checking that every DLL needed is in the folder or part of Windows"
system32=$WINEPREFIX/drive_c/windows/system32
shipped=$(find "$folder" -maxdepth 1 -name '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')
while IFS= read -r -d '' pe; do
    while read -r dll; do
        dll=$(tr 'A-Z' 'a-z' <<<"$dll")
        grep -qx "$dll" <<<"$shipped" && continue
        # API sets are names Windows itself maps to its DLLs; no file has them.
        [[ $dll == api-ms-win-* ]] && continue
        [[ -n $(find "$system32" -maxdepth 1 -iname "$dll" -print -quit) ]] \
            || fail "${pe#"$folder"/} needs $dll, which is neither shipped nor part of Windows"
    done < <(x86_64-w64-mingw32-objdump -p "$pe" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$folder" -name '*.exe' -print0 -o -name '*.dll' -print0)
# Nothing shipped that nothing loads: each DLL beside quillon.exe is needed
# by something in the folder (the plugins are loaded by Qt itself).
imported=$(find "$folder" \( -name '*.exe' -o -name '*.dll' \) \
    -exec x86_64-w64-mingw32-objdump -p {} + | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
for dll in $shipped; do
    grep -qx "$dll" <<<"$imported" || fail "$dll is shipped but nothing needs it"
done

step "checking the icon and version resources of quillon.exe"
wrestool -l "$folder/quillon.exe" | grep -q -- '--type=14' || fail "quillon.exe has no icon"
wrestool -l "$folder/quillon.exe" | grep -q -- '--type=16' || fail "quillon.exe has no version information"
wrestool -x --raw --type=16 "$folder/quillon.exe" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -d '\0' \
    | grep -q "$version" || fail "the version information does not say $version"

# Windows reads one manifest, and only elements in the namespaces it knows:
# one misspelt is ignored without a word. Each row: element, its namespace,
# the attribute read (none: its text), the value it must have.
step "checking the manifest of quillon.exe"
[[ $(wrestool -l --type=24 "$folder/quillon.exe" | wc -l) == 1 ]] \
    || fail "quillon.exe must carry exactly one manifest, not: $(wrestool -l --type=24 "$folder/quillon.exe")"
wrestool -x --raw --type=24 "$folder/quillon.exe" >"$scratch/manifest.xml"
xmllint --noout "$scratch/manifest.xml" || fail "the manifest is not well-formed XML"
while IFS='|' read -r element namespace attribute want; do
    path="//*[local-name()='$element' and namespace-uri()='$namespace']"
    [[ -n $attribute ]] && path+="/@$attribute"
    got=$(xmllint --xpath "string($path)" "$scratch/manifest.xml")
    [[ $got == "$want" ]] || fail "the manifest's $element${attribute:+ $attribute} is '$got', not '$want'"
done <<ROWS
requestedExecutionLevel|urn:schemas-microsoft-com:asm.v3|level|asInvoker
supportedOS|urn:schemas-microsoft-com:compatibility.v1|Id|{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}
dpiAwareness|http://schemas.microsoft.com/SMI/2016/WindowsSettings||PerMonitorV2
longPathAware|http://schemas.microsoft.com/SMI/2016/WindowsSettings||true
ROWS
common_controls="//*[local-name()='dependentAssembly']/*[local-name()='assemblyIdentity'
    and @name='Microsoft.Windows.Common-Controls' and @version='6.0.0.0']"
[[ $(xmllint --xpath "count($common_controls)" "$scratch/manifest.xml") == 1 ]] \
    || fail "the manifest does not ask for common controls 6"

# quillon.exe at the given path, started offscreen as the test suite runs,
# stays up and Qt reports no problem. That platform plugin is not shipped (a
# user's Windows has a display): Qt finds it in the build's Qt. No Qt of the
# build machine is on the search path.
offscreen=$(cd "$(sed -n 's/^Qt6_DIR:PATH=//p' "$build/CMakeCache.txt")/../../../plugins/platforms" && pwd)
stays_up() {
    local status=0
    (cd "$scratch" && env -u WINEPATH WINEQT_QPA_PLATFORM=offscreen WINEQT_FORCE_STDERR_LOGGING=1 \
        WINEQT_QPA_PLATFORM_PLUGIN_PATH="Z:${offscreen//\//\\}" \
        timeout 5 wine "$1" >"$scratch/run.log" 2>&1) || status=$?
    [[ $status == 124 ]] || { cat "$scratch/run.log" >&2; fail "$1 ended within 5 seconds (exit status $status)"; }
    if grep -Ei 'cannot|could not|failed' "$scratch/run.log"; then
        fail "Qt reported a problem while $1 started"
    fi
}

step "starting quillon.exe from the unpacked folder (offscreen)"
stays_up "$folder/quillon.exe"

# shellcheck source=scripts/check-windows-installer.sh
source "$repo/scripts/check-windows-installer.sh"
(installer_round_trip)

step "OK: $name.zip and $name.exe made; the ZIP holds what quillon.exe needs, and it starts"
