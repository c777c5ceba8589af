#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer (the asan preset, gcc)
# and runs every test under them: the core's GoogleTests and the widget tests on the offscreen
# platform. Any memory error, leak or undefined behaviour fails its test. Leaks inside fontconfig,
# which keeps its caches until the process ends, are suppressed by tests/lsan.supp.
#
# Installs nothing: needs what scripts/setup.sh test installs.
# Runtime on 2 shared cores: about 3 minutes from an empty build/asan (build 2 min, tests 1 min).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

cmake --preset asan >/dev/null
cmake --build --preset asan -j 2
ctest --preset asan -j 2
