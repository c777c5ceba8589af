#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the MSI (scripts/build-msi.sh) and proves it under Wine: msiinfo lists its tables and
# files, it installs silently into Program Files with the drill and the teacher's window and a
# Start-menu entry for each, the installed calquin.exe --version runs, and it uninstalls silently
# leaving none of them behind.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/windows
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
trap 'wineserver -k 2>/dev/null || true' EXIT

bash "$root/scripts/build-msi.sh"
msi=$(ls "$out"/calquin-*-x64.msi)
version=$(basename "$msi" | sed 's/^calquin-\(.*\)-x64\.msi$/\1/')
fail() { echo "MSI: $*" >&2; exit 1; }

tables=$(msiinfo tables "$msi" | tr '\n' ' ')
for table in File Component Directory Shortcut Feature Property Media; do
    [[ " $tables " == *" $table "* ]] || fail "no $table table (tables: $tables)"
done
files=$(msiinfo export "$msi" File | tail -n +4 | wc -l)
laid_out=$(find "$out/calquin" -type f | wc -l)
[ "$files" -eq "$laid_out" ] || fail "$files files in the MSI, $laid_out in the folder"
echo "MSI $(basename "$msi"): $(du -h "$msi" | cut -f1), $files files, tables: $tables"
# Both menu entries carry the program's icon: the shortcut table's rows, by the program they start.
shortcuts=$(msiinfo export "$msi" Shortcut | tr -d '\r')
for program in calquin.exe calquin-class-results.exe; do
    grep -q "\[INSTALLDIR\]$program	.*	calquin\.ico	" <<<"$shortcuts" ||
        fail "no shortcut to $program with the icon calquin.ico: $shortcuts"
done

drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Calquin"
entries() {
    find "$drive_c/users" "$drive_c/ProgramData" \
        \( -iname 'Calquin.lnk' -o -iname 'Calquin class results.lnk' \) 2>/dev/null
}
[ ! -e "$folder" ] || fail "$folder is there before installing"

wine msiexec /i "$msi" /qn || fail "msiexec /i exited $?"
wineserver -w
[ -f "$folder/calquin.exe" ] || fail "no calquin.exe in $folder"
[ -f "$folder/calquin-class-results.exe" ] || fail "no calquin-class-results.exe in $folder"
[ -f "$folder/data/index.txt" ] || fail "no bundled catalogue in $folder/data"
for entry in 'Calquin.lnk' 'Calquin class results.lnk'; do
    [[ $'\n'$(entries)$'\n' == *"/$entry"$'\n'* ]] || fail "no Start-menu entry $entry (there: $(entries))"
done
said=$(wine "C:\\Program Files\\Calquin\\calquin.exe" --version | tr -d '\r')
[ "$said" = "calquin $version" ] || fail "the installed program says \"$said\""
echo "installed: $folder, menu entries $(entries | sed "s|$drive_c/||" | paste -sd ' '), \"$said\""

wine msiexec /x "$msi" /qn || fail "msiexec /x exited $?"
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(find "$folder" | head -n 5)"
[ -z "$(entries)" ] || fail "Start-menu entry left behind: $(entries)"
echo "uninstalled: Program Files and the Start menu are clean"
