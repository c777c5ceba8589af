#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Calquin and its tests for Windows (scripts/build-windows.sh --tests) and runs them under
# Wine: the core's GoogleTest tests and the QtTest widget tests of the drill and of the teacher's
# window on Qt's offscreen platform (the PDFs are written there, their pages read on Linux), then
# calquin.exe --check on the bundled catalogue against the Linux program's report, then the real
# windows on a private Xvfb (scripts/windows-window.sh: the drill opened and answered right and
# wrong, and the teacher's window started by calquin.exe --results-window; screenshots in
# build/windows/), then the MSI (scripts/test-msi.sh).
# Fails on any failing test or difference. Needs what scripts/setup.sh windows installs.
# Usage: scripts/test-windows.sh [--no-build]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
started=$(date +%s)

[ "${1:-}" = --no-build ] || bash scripts/build-windows.sh --tests
out=$root/build/windows
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
stop_wine() { wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT
# The prefix is made once; making it is not part of any test's time.
[ -f "$WINEPREFIX/system.reg" ] || wine wineboot --init >/dev/null 2>&1 || true
# One Wine server for the whole run: one that ends between two tests while the next starts
# turns that test away ("a wine server seems to be running, but I cannot connect to it"). The
# one that made the prefix goes first.
wineserver -w
wineserver -p
# Wine's own services start with the first program and keep its output open; started here, they
# keep nothing of a test's, whose output CTest reads to the end.
wine wineboot >/dev/null 2>&1 </dev/null

echo "== the tests, under Wine"
ctest --test-dir "$out/cross" --output-on-failure -j2 --timeout 600

echo "== calquin.exe --check, against the Linux program"
linux=${CALQUIN_LINUX_PROGRAM:-$root/build/default/calquin}
if [ ! -x "$linux" ]; then
    nice -n 10 cmake --build "$out/host" --target calquin -j2 >/dev/null
    linux=$out/host/calquin
fi
# The examples are drawn at random and the catalogue's path is the system's own; the rest is the
# same report.
normalise() { tr -d '\r' | sed -e 's/, for example .*\.$/, for example …/' -e '1s/^Catalogue: .*/Catalogue:/'; }
status_linux=0 status_windows=0
(cd data && QT_QPA_PLATFORM=offscreen "$linux" --check index.txt) | normalise >"$out/check-linux.txt" ||
    status_linux=$?
(cd "$out/calquin/data" && wine ../calquin.exe --check index.txt 2>/dev/null) |
    normalise >"$out/check-windows.txt" || status_windows=$?
diff -u "$out/check-linux.txt" "$out/check-windows.txt"
[ "$status_linux" = "$status_windows" ] ||
    { echo "exit status $status_windows under Wine, $status_linux on Linux" >&2; exit 1; }
echo "same report ($(wc -l <"$out/check-windows.txt") lines), same exit status $status_windows"

echo "== the windows under Wine, on a private Xvfb"
# Wine's desktop started with the tests knows no display; the window's Wine starts afresh on one.
stop_wine
bash scripts/windows-window.sh

echo "== the MSI, installed and removed under Wine"
bash scripts/test-msi.sh
echo "Windows tests: $(( $(date +%s) - started )) s"
