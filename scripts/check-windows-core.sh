#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles every source of the core (src/core, but for the results record's POSIX calls) with the mingw-w64 cross
# compiler, so that nothing POSIX-only creeps into the part of the program that has no window.
# Compile only, and needs no Qt: the whole program's Windows build, with the Qt for Windows in
# ../shared/toolchains, is scripts/build-windows.sh.
# Fails on any error or warning. Needs g++-mingw-w64-x86-64-posix (scripts/setup.sh full).
# Runtime on 2 shared cores: about half a minute.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

compiler=x86_64-w64-mingw32-g++-posix
command -v "$compiler" >/dev/null || {
    echo "$compiler is missing: apt-get install g++-mingw-w64-x86-64-posix" >&2
    exit 2
}

mapfile -t sources < <(find src/core/common src/core/state src/core/catalogue src/core/engine -name '*.cpp' | sort)
[ ${#sources[@]} -gt 0 ] || { echo "no core sources found" >&2; exit 2; }

failed=()
for source in "${sources[@]}"; do
    if ! "$compiler" -std=c++20 -Wall -Wextra -Wpedantic -Werror -Isrc/core -fsyntax-only "$source"; then
        failed+=("$source")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Not compiling for Windows: ${failed[*]}" >&2
    exit 1
fi
echo "Windows core: ${#sources[@]} sources compile with $compiler"
