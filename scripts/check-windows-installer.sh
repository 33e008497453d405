# The installer as a user meets it, run end to end in a fresh wine prefix of
# its own. Sourced by check-windows-package.sh, whose fail, step, stays_up,
# $build, $name, $version, $expected (the ZIP's files) and $scratch it uses;
# it defines installer_round_trip, which first reads the script cpack made
# it from for the line at the foot of its pages and its pictures, then runs
# it:
#
# 1. For everyone, as wine's user (an administrator) gets it: installed
#    silently into a folder with a blank in its name, upgraded in place, the
#    installed quillon.exe started, uninstalled leaving nothing of ours and
#    another program's association with .a78 as it was.
# 2. For the current user only, as a user without administrator rights gets
#    it (/CurrentUser asks for it here): into the user's own programs folder
#    and registry keys, nothing for the machine; uninstalled, a file the
#    user put beside quillon.exe stays, and so does its folder.
#
# NSIS makes 32-bit installers. A wine without 32-bit support cannot start
# one: there the same script is made for 64-bit Windows and run instead.

# The installed files are the ZIP's and the uninstaller, no other. (Not byte
# for byte: cpack strips quillon.exe once per package, and strip stamps the
# time.)
check_installed_files() {
    local folder=$1 run=$2 got
    got=$(cd "$folder" && find . -mindepth 1 \( -type d -printf "$name/%P/\n" \
        -o ! -name Uninstall.exe -printf "$name/%P\n" \) | LC_ALL=C sort)
    [[ $got == "$expected" && -f $folder/Uninstall.exe ]] \
        || fail "the installed files differ from the ZIP's and the uninstaller ($run):
$(diff <(echo "$expected") <(echo "$got") || true)"
}

# Rows on standard input: key (under <root>\Software)|value (none: the key's
# default)|data.
check_registry() {
    local root=$1 run=$2 key value data got
    while IFS='|' read -r key value data; do
        local which=(/ve)
        [[ -n $value ]] && which=(/v "$value")
        got=$(wine reg query "$root\\Software\\$key" "${which[@]}" 2>/dev/null | tr -d '\r') \
            || fail "the registry lacks $root\\Software\\$key ${value:-(default)} ($run)"
        got=$(sed -n 's/^    .*    REG_SZ    //p' <<<"$got")
        [[ $got == "$data" ]] || fail "$root\\Software\\$key ${value:-(default)} is '$got', not '$data' ($run)"
    done
}

# The keys that make "Open with" and the Add/Remove programs entry, for a
# copy installed in the Windows folder $1.
registry_rows() {
    cat <<ROWS
Classes\\Applications\\quillon.exe\\shell\\open\\command||"$1\\quillon.exe" "%1"
Classes\\Applications\\quillon.exe\\SupportedTypes|.a78|
Classes\\.a78\\OpenWithList\\quillon.exe||
Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillon|UninstallString|"$1\\Uninstall.exe"
Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillon|DisplayName|Quillon $version
ROWS
}

# The uninstaller goes on from a copy of itself and returns at once; the
# server ends after it, and saves the registry files as it does.
uninstall() {
    wine "$1\\Uninstall.exe" /S
    timeout 60 wineserver -w || fail "the uninstaller did not end within 60 seconds"
}

installer_round_trip() {
    export WINEPREFIX=$scratch/installer-prefix WINEDEBUG=-all
    # No prompt for Mono or Gecko, and no menu entries of wine's added to the
    # desktop of whoever runs this.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    trap 'wineserver -k 2>/dev/null || true' EXIT
    timeout 120 wineboot -i >"$scratch/boot.log" 2>&1 || { cat "$scratch/boot.log" >&2; fail "wineboot failed"; }
    local installer=$build/package/$name.exe script
    script=$(find "$build/package/_CPack_Packages" -name project.nsi)
    [[ -f $script ]] || fail "cpack left no installer script (project.nsi)"

    step "installer: its foot line and pictures"
    grep -qxF "BrandingText \"Quillon $version\"" "$script" \
        || fail "the installer's foot line is not 'Quillon $version'"
    # NSIS shows uncompressed 24-bit bitmaps only, stretched to these sizes.
    local define size picture
    while read -r define size; do
        picture=$(sed -n "s/^!define $define \"\(.*\)\"$/\1/p" "$script")
        file -b "$picture" | grep -q "^PC bitmap, Windows 3.x format, $size x 24," \
            || fail "$define is not a $size bitmap NSIS can show: $picture"
    done <<ROWS
MUI_HEADERIMAGE_BITMAP 150 x 57
MUI_WELCOMEFINISHPAGE_BITMAP 164 x 314
ROWS

    if ! wine 'C:\windows\syswow64\cmd.exe' /c exit >/dev/null 2>&1; then
        step "installer: this wine has no 32-bit support (Debian package wine32:i386): running its script made for 64-bit Windows"
        installer=$scratch/$name-amd64.exe
        sed "s|^OutFile .*|OutFile \"$installer\"|" "$script" >"$scratch/amd64.nsi"
        makensis -V2 "-XTarget amd64-unicode" "$scratch/amd64.nsi" >"$scratch/makensis.log" 2>&1 \
            || { cat "$scratch/makensis.log" >&2; fail "makensis could not make the installer for 64-bit Windows"; }
    fi
    run_installer() {
        # /D= takes the rest of the command line, blanks and all, unquoted;
        # cmd passes it on as it stands.
        (cd "$(dirname "$installer")" && timeout 120 wine cmd /c "$(basename "$installer") /S$1") \
            || fail "the installer failed ($2)"
    }

    local dir='C:\Quillon Tools' installed=$WINEPREFIX/drive_c/Quillon\ Tools
    local menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Quillon
    # Another program's association with .a78, which the uninstaller must keep.
    wine reg add 'HKLM\Software\Classes\.a78' /ve /d Other.Rom /f >/dev/null
    for run in install upgrade; do
        step "installer: $run for everyone"
        # The upgrade finds the installed copy's folder itself.
        if [[ $run == install ]]; then run_installer " /D=$dir" $run; else run_installer "" $run; fi
        check_installed_files "$installed" $run
        grep -aqF "$dir\\quillon.exe" "$menu/Quillon.lnk" \
            || fail "the Start-menu entry does not start $dir\\quillon.exe ($run)"
        registry_rows "$dir" | check_registry HKLM $run
    done
    step "installer: starting the installed quillon.exe (offscreen)"
    stays_up "$dir\\quillon.exe"
    step "installer: uninstall for everyone"
    uninstall "$dir"
    [[ ! -e $installed && ! -e $menu ]] || fail "the uninstaller left $dir or the Start-menu folder"
    if grep -i quillon "$WINEPREFIX/system.reg"; then
        fail "the uninstaller left these registry entries"
    fi
    grep -A2 -F '[Software\\Classes\\.a78]' "$WINEPREFIX/system.reg" | grep -qxF '@="Other.Rom"' \
        || fail "the uninstaller removed another program's association with .a78"
    if grep -F '[Software\\Classes\\.a78\\' "$WINEPREFIX/system.reg"; then
        fail "the uninstaller left these keys under .a78"
    fi

    step "installer: install for the current user only"
    local mine programs
    mine="$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Quillon"
    programs="$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs"
    installed=$(winepath -u "$mine") menu=$(winepath -u "$programs")/Quillon
    run_installer " /CurrentUser" "for the current user"
    check_installed_files "$installed" "for the current user"
    grep -aqF "$mine\\quillon.exe" "$menu/Quillon.lnk" \
        || fail "the user's Start-menu entry does not start $mine\\quillon.exe"
    registry_rows "$mine" | check_registry HKCU "for the current user"
    if wine reg query 'HKLM\Software\Classes\Applications\quillon.exe' >/dev/null 2>&1; then
        fail "an install for the current user wrote the machine's keys"
    fi
    step "installer: uninstall for the current user, with a file of the user's in the folder"
    touch "$installed/cartpipe.exe"
    uninstall "$mine"
    [[ $(ls -A "$installed") == cartpipe.exe ]] \
        || fail "the uninstaller left other than the user's file in $mine: $(ls -A "$installed")"
    [[ ! -e $menu ]] || fail "the uninstaller left the user's Start-menu folder"
    # The options the user saved stay, as they do with any uninstaller (the
    # started quillon.exe opened their key).
    if grep -i quillon "$WINEPREFIX/user.reg" | grep -v 'VB and VBA Program Settings'; then
        fail "the uninstaller left these registry entries of the user's"
    fi
}
