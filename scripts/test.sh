#!/usr/bin/env bash
# Builds everything (program, tests, benchmarks) and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh test
# Widget tests draw into memory, so no display is needed.
export QT_QPA_PLATFORM=offscreen
cmake --preset default -DCALQUIN_BUILD_TESTS=ON -DCALQUIN_BUILD_BENCHMARKS=ON
cmake --build --preset default
ctest --preset default
