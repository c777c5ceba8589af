#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds and tests. Installs what is missing first (see scripts/setup.sh).
#
#   scripts/test.sh          quick: builds program, tests and benchmarks; runs every unit and
#                            widget test (about 5 minutes from scratch on 2 cores)
#   scripts/test.sh --full   the quick run, then the licence check (reuse lint), the whole suite
#                            under AddressSanitizer and UndefinedBehaviorSanitizer, the core
#                            compiled for Windows with mingw-w64, a minute of fuzzing per fuzz
#                            target, the Debian package built twice from clean clones
#                            (byte-identical) and checked with lintian, autopkgtest and
#                            piuparts, what the Orca screen reader says during a drill, and
#                            the results record on an SSHFS and an SMB share started on
#                            127.0.0.1, that no results cell runs as a formula in LibreOffice
#                            Calc, and the Windows build with its tests, window and MSI under
#                            Wine (about 20 minutes from scratch)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

case "${1:-}" in
    "") full=false ;;
    --full) full=true ;;
    *) echo "usage: $0 [--full]" >&2; exit 2 ;;
esac

if $full; then
    bash scripts/setup.sh full
else
    bash scripts/setup.sh test
fi

cmake --preset default -DCALQUIN_BUILD_TESTS=ON -DCALQUIN_BUILD_BENCHMARKS=ON
cmake --build --preset default
ctest --preset default

if $full; then
    # test-windows.sh needs the Qt for Windows in ../shared/toolchains (about 3 minutes: the
    # cross build, every test under Wine, the window and the MSI).
    suites=(scripts/check-licences.sh scripts/test-asan.sh scripts/check-windows-core.sh
            scripts/fuzz.sh scripts/package.sh tests/screen_reader/run.sh tests/shares/run.sh
            tests/spreadsheet/run.sh scripts/test-windows.sh)
    for suite in "${suites[@]}"; do
        echo "== $suite"
        bash "$suite"
    done
    echo "full: $((${#suites[@]} + 1)) passed, 0 failed"
fi
