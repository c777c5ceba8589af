#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a program of the Windows build under Wine, finding the Qt and compiler DLLs where the
# build keeps them: the emulator CTest runs the Windows tests through, and a way to try
# calquin.exe by hand. The Wine prefix is the build's own (build/windows/wineprefix).
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
WINEPATH="$(windows_path "$root/build/qt6-mingw/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix)"
WINEPATH="$WINEPATH;$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
# Qt's offscreen platform on Windows reads its fonts from one folder, not from the system: the
# faces the window falls back to on Linux (Liberation Sans, Noto Sans Arabic UI), as on Linux.
if [ -z "${QT_QPA_FONTDIR:-}" ]; then
    fonts=$root/build/windows/fonts
    if [ ! -d "$fonts" ]; then
        # CTest starts two tests at once: each copies into a folder of its own, and the first to
        # finish puts it in place, so neither ever copies into one the other has moved away.
        mkdir -p "$(dirname "$fonts")"
        copy=$(mktemp -d "$fonts.XXXXXX")
        cp /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf \
            /usr/share/fonts/truetype/noto/NotoSansArabicUI-*.ttf "$copy/"
        mv -T "$copy" "$fonts" 2>/dev/null || rm -rf "$copy"
    fi
    export QT_QPA_FONTDIR
    QT_QPA_FONTDIR=$(windows_path "$fonts")
fi
# Wine passes no variable starting with QT_ on to the program; it strips WINE from WINEQT_...
while IFS= read -r name; do
    export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
# With no console, QtTest would log to the debugger's output, which nobody reads.
export WINEQT_FORCE_STDERR_LOGGING=1
exec wine "$@"
