#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program, the bare Qt window it is compared with and the start-up harness, then times
# both on a private Xvfb: launch to first paint, and resident memory once shown.
# Usage: scripts/bench-startup.sh [harness options]   e.g. --runs 15, --display :1; see --help.
# Exit status: 0 when both targets are met, 1 when one is missed, 2 when the run itself failed.
#
# Its own build tree (build/bench, RelWithDebInfo like the default preset, tests off), so it never
# reconfigures the tree that the tests use. Runtime on 2 shared cores: about 10 s once built; the
# first build takes a few minutes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${BENCH_BUILD_DIR:-build/bench}

bash scripts/setup.sh bench

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCALQUIN_BUILD_TESTS=OFF -DCALQUIN_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j 2 --target startup_bench

exec "$build/bench/startup/startup_bench" "$@"
