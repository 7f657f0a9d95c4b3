#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows downloads: the console program's size and imports; the zip
# holds the two programs and two texts; the installer, under Wine, installs
# both programs under Program Files with a Start-menu shortcut and an
# Installed-apps entry (publisher, version), and uninstalls every trace of
# them.
# Last, installing it over an older version (OLDER_MSI, 1.0.0) leaves one
# entry, its own.
#   tests/windows/packaging_test.sh DIST VERSION PUBLISHER OLDER_MSI
# in the environment of the Wine prefix (WINEPREFIX). Wine's menu builder
# writes the shortcut's desktop entries into a temporary XDG folder.
set -euo pipefail
dist="$1" version="$2" publisher="$3" older="$4"
msi="$dist/zembra-$version-x64.msi"
zip="$dist/zembra-$version-win64.zip"
failed=0
check() {  # description, then the command that must succeed
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failed=1; fi
}

names="$(python3 -c 'import sys, zipfile; print(*sorted(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")"
check "the zip holds $names" [ "$names" = "LICENSE.txt README.txt zembra-convert.exe zembra.exe" ]

# The console program: at most 2 MiB, and no DLL of the compiler's (libstdc++,
# libgcc, libwinpthread), which a Windows machine does not have.
size=$(stat -c %s "$dist/zembra-convert.exe")
check "zembra-convert.exe is $size bytes, at most 2 MiB" [ "$size" -le $((2 * 1024 * 1024)) ]
imports="$(x86_64-w64-mingw32-objdump -p "$dist/zembra-convert.exe" | sed -n 's/^\tDLL Name: //p')"
check "zembra-convert.exe imports $(echo $imports), none of the compiler's DLLs" \
    bash -c "[ -n '$imports' ] && ! grep -qi '^lib' <<<'$imports'"

xdg="$(mktemp -d)"
trap 'rm -rf "$xdg"' EXIT
export XDG_DATA_HOME="$xdg/share" XDG_CONFIG_HOME="$xdg/config"
installed="$WINEPREFIX/drive_c/Program Files/Zembra"
# The Start menu of every user, or (as Wine 8 makes it) of the installing one.
shortcuts() {
    find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" \
        -path '*/Start Menu/Programs/Zembra.lnk' 2>/dev/null
}
entry() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'; }

check "msiexec /i installs" wine msiexec /i "$(winepath -w "$msi")" /qn
for program in zembra.exe zembra-convert.exe; do
    check "$program installed as built" cmp -s "$installed/$program" "$dist/$program"
done
check "Start-menu shortcut" [ -n "$(shortcuts)" ]
check "Installed-apps entry names Zembra" grep -q 'DisplayName.*REG_SZ.*Zembra$' <(entry)
check "... its publisher" grep -q "Publisher.*REG_SZ.*$publisher\$" <(entry)
check "... its version" grep -q "DisplayVersion.*REG_SZ.*$version\$" <(entry)
check "the installed zembra-convert runs" \
    grep -q "^zembra-convert (Zembra) $version$" <(wine "$installed/zembra-convert.exe" --version | tr -d '\r')

check "msiexec /x uninstalls" wine msiexec /x "$(winepath -w "$msi")" /qn
check "no program left" [ ! -e "$installed" ]
check "no shortcut left" [ -z "$(shortcuts)" ]
check "no Installed-apps entry left" bash -c "! grep -q 'Zembra' <(wine reg query 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall' /s 2>/dev/null)"

check "the older version installs" wine msiexec /i "$(winepath -w "$older")" /qn
check "... as 1.0.0" grep -q 'DisplayVersion.*REG_SZ.*1\.0\.0$' <(entry)
check "this version installs over it" wine msiexec /i "$(winepath -w "$msi")" /qn
check "... leaving one entry, its own" \
    [ "$(entry | grep -c 'DisplayName.*REG_SZ.*Zembra$')-$(entry | grep -c "DisplayVersion.*REG_SZ.*$version\$")" = 1-1 ]
check "... which uninstalls" wine msiexec /x "$(winepath -w "$msi")" /qn
check "... leaving nothing" bash -c "[ ! -e '$installed' ] && [ -z \"\$(find '$WINEPREFIX/drive_c' -path '*/Start Menu/Programs/Zembra.lnk')\" ]"
exit "$failed"
