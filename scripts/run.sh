#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program and starts it on the bundled catalogue in the user's language
# (data/<language>/index.txt, or the English data/index.txt).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh run
cmake --preset default -DCALQUIN_BUILD_TESTS=OFF -DCALQUIN_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset default --target calquin

# The program reads "index.txt" from the folder it starts in; start-calquin.sh starts it in the
# folder of the catalogue in the window's language, as the menu entry of an installed copy does.
exec sh packaging/start-calquin.sh "$root/data" "$root/build/default/calquin"
