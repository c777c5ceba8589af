#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# No cell of a results file runs as a formula, however a teacher opens it: LibreOffice Calc
# imports a file of hostile answers split at commas, semicolons and tabs, with spaces trimmed and
# not, formulas evaluated, and the formula cells of each import are counted; any is a failure.
# A file with one unprotected formula, imported the same way, shows that the count would see one.
#
# Usage: tests/spreadsheet/run.sh [HOSTILE_ROWS]   (default: build/default/tests/spreadsheet/hostile_rows)
# Needs libreoffice-calc-nogui (scripts/setup.sh full). Keeps its files in build/spreadsheet.
# Runtime on 2 shared cores: 10 to 30 s.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
tool=$(realpath "${1:-$root/build/default/tests/spreadsheet/hostile_rows}")
work="$root/build/spreadsheet"
rm -rf "$work"
mkdir -p "$work/in"
# A profile of its own, so that the user's LibreOffice and its settings are left alone.
export HOME="$work/home"

"$tool" "$work/in/hostile.csv"
printf 'a,b\r\nx,=1+1\r\nx;=1+1\r\nx\t=1+1\r\nx, =1+1\r\n' >"$work/in/control.csv"

formulas() {
    { grep -o 'table:formula=' "$1" || true; } | wc -l
}

failed=0
# Field separators as LibreOffice numbers them: comma, semicolon, tab.
for separator in 44 59 9; do
    for trim in false true; do
        out="$work/out-$separator-$trim"
        # CSV import options: separator, quote ("), UTF-8, from line 1, standard cells, default
        # language, quoted fields not forced to text, special numbers, -, -, trim spaces, -,
        # evaluate formulas.
        soffice --headless "-env:UserInstallation=file://$work/profile" \
            "--infilter=CSV:$separator,34,76,1,,0,false,true,false,false,$trim,-1,true" \
            --convert-to fods --outdir "$out" "$work/in/hostile.csv" "$work/in/control.csv" \
            >"$out.log" 2>&1
        hostile=$(formulas "$out/hostile.fods")
        control=$(formulas "$out/control.fods")
        echo "separator $separator, trimmed $trim: $hostile formula cells ($control in the control file)"
        if [ "$hostile" -ne 0 ] || [ "$control" -eq 0 ]; then
            failed=1
        fi
    done
done
if [ "$failed" -ne 0 ]; then
    echo "spreadsheet: a results file holds a formula cell (or the control file none)" >&2
    exit 1
fi
echo "spreadsheet: no formula cell in any import"
