#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes build/windows/calquin-<version>-x64.msi from the folder scripts/build-windows.sh laid out,
# with wixl (packages wixl and msitools, scripts/setup.sh windows).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/windows
[ -f "$out/calquin/calquin.exe" ] || { echo "Run scripts/build-windows.sh first" >&2; exit 2; }
version=$(sed -n 's/^    VERSION \([0-9.]*\)$/\1/p' "$root/CMakeLists.txt" | head -n 1)
homepage=$(sed -n 's/^    HOMEPAGE_URL "\(.*\)"$/\1/p' "$root/CMakeLists.txt" | head -n 1)
msi=$out/calquin-$version-x64.msi

# wixl wants the sources relative to where it runs.
cd "$out"
cp "$root/assets/calquin.ico" calquin.ico
find calquin -type f | LC_ALL=C sort |
    wixl-heat -p calquin/ --directory-ref INSTALLDIR --component-group CalquinFiles \
        --var var.SourceDir --win64 >files.wxs
wixl -a x64 -D SourceDir=calquin -D Win64=yes -D Version="$version" -D Homepage="$homepage" \
    -D Icon=calquin.ico -o "$msi" "$root/packaging/windows/calquin.wxs" files.wxs
echo "MSI: $msi ($(du -h "$msi" | cut -f1))"
