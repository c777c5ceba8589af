#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Calquin for 64-bit Windows from this tree: build/windows/calquin/ holds calquin.exe and the
# teacher's calquin-class-results.exe with everything they need beside them, so that the folder
# runs on a Windows machine with nothing installed. Uses the Qt for Windows in ../shared/toolchains
# (or $CALQUIN_WINDOWS_QT, the archive) with Debian's mingw-w64 posix compilers; the tool that
# decodes the pictures at build time is built for this machine first.
# Usage: scripts/build-windows.sh [--tests]   (--tests also builds the tests for Windows)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

tests=OFF
[ "${1:-}" = --tests ] && tests=ON

bash scripts/setup.sh windows

toolchains=${CALQUIN_WINDOWS_TOOLCHAINS:-$root/../shared/toolchains}
[ -d "$toolchains" ] || toolchains=/work/shared/toolchains
archive=${CALQUIN_WINDOWS_QT:-$toolchains/qt6-mingw-6.4.2-x86_64.tar.xz}
[ -f "$archive" ] || { echo "The Qt for Windows is missing: $archive" >&2; exit 2; }

out=build/windows
qt=build/qt6-mingw
mkdir -p "$out"
if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || [ "$archive" -nt "$qt" ]; then
    echo "Unpacking $archive"
    rm -rf "$qt"
    tar -xJf "$archive" -C build/
    touch "$qt"
fi

export CCACHE_DIR=${CCACHE_DIR:-/work/.ccache} CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
jobs=${CALQUIN_JOBS:-2}

# The picture decoder runs while the program is built, so it is a program of this machine.
cmake -G Ninja -S . -B "$out/host" -DCMAKE_BUILD_TYPE=Release -DCALQUIN_BUILD_TESTS=OFF \
    -DCALQUIN_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
nice -n 10 cmake --build "$out/host" --target raw_pictures -j "$jobs"

cmake -G Ninja -S . -B "$out/cross" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchains/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCALQUIN_HOST_RAW_PICTURES="$root/$out/host/tools/raw_pictures" \
    -DCALQUIN_BUILD_TESTS=$tests -DCALQUIN_BUILD_BENCHMARKS=OFF "${launcher[@]}" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" >/dev/null
if [ $tests = ON ]; then
    nice -n 10 cmake --build "$out/cross" -j "$jobs"
else
    nice -n 10 cmake --build "$out/cross" --target calquin calquin-class-results -j "$jobs"
fi

# The folder: the programs, Qt's DLLs and plugins, the compiler's runtime, Qt's own
# translations (the message box's buttons), and the bundled catalogues.
folder=$out/calquin
rm -rf "$folder"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/translations" "$folder/data"
cp "$out/cross/calquin.exe" "$folder/"
# The teacher's window, which `calquin.exe --results-window` starts from the same folder.
cp "$out/cross/calquin-class-results.exe" "$folder/"
cp "$qt"/bin/Qt6Core.dll "$qt"/bin/Qt6Gui.dll "$qt"/bin/Qt6Widgets.dll "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$folder/"
cp data/index.txt "$folder/data/"
read -r -a languages < <(sed -n 's/^set(CALQUIN_LANGUAGES \(.*\))/\1/p' translations/translations.cmake)
for language in "${languages[@]}"; do
    mkdir -p "$folder/data/$language"
    cp "data/$language/index.txt" "$folder/data/$language/"
    qm=/usr/share/qt6/translations/qtbase_${language}.qm
    [ -f "$qm" ] || qm=/usr/share/qt6/translations/qtbase_${language%%_*}.qm
    [ -f "$qm" ] && cp "$qm" "$folder/translations/"
done
cp LICENSES/GPL-3.0-or-later.txt "$folder/LICENSE.txt" 2>/dev/null || true
# Debug symbols are for the build tree; the folder a school copies needs none.
x86_64-w64-mingw32-strip --strip-unneeded "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll
echo "Windows folder: $folder ($(du -sh "$folder" | cut -f1))"
