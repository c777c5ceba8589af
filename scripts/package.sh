#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build/package/calquin_<version>_<arch>.deb from a Release tree without
# tests or benchmarks, then checks it with tests/package/check_package.sh (which, as root with
# CI=true, really installs and removes it).
#
# The program is built the way Debian builds programs: with the flags dpkg-buildflags gives for
# every hardening feature (PIE, -z relro, -z now, _FORTIFY_SOURCE, stack protector, stack-clash
# protection, control-flow protection). The preprocessor flags go in with the compiler's, since
# CMake has no variable of its own for them. Fuzz and sanitizer trees keep their own flags.
#
# Installs nothing: needs dpkg-dev, file, desktop-file-utils, appstream, xvfb, xauth, xdotool,
# lintian, devscripts and man-db (scripts/setup.sh full).
# Runtime on 2 shared cores (measured with other builds running): about 50 s to 70 s from scratch
# (build 30 s to 45 s, CPack 7 s, checks 13 s; 5 s more with CI's real install), 25 s once built.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Debian 12's dpkg (1.21) knows neither stack-clash nor control-flow protection; later ones give
# both with hardening=+all. Ask for them the way those later versions do, unless already given.
case "$(dpkg --print-architecture)" in
    amd64 | i386) wanted=(-fstack-clash-protection -fcf-protection) ;;
    arm64) wanted=(-fstack-clash-protection -mbranch-protection=standard) ;;
    *) wanted=(-fstack-clash-protection) ;;
esac
for flag in "${wanted[@]}"; do
    case " $cxxflags " in *" $flag "*) ;; *) cxxflags+=" $flag" ;; esac
done
# The Release configuration adds only -DNDEBUG here: the optimisation level is Debian's (-O2).
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCALQUIN_BUILD_UI=ON \
    -DCALQUIN_BUILD_TESTS=OFF -DCALQUIN_BUILD_BENCHMARKS=OFF -DCALQUIN_BUILD_FUZZERS=OFF >/dev/null
cmake --build "$build" -j 2
# A package left from an older version would otherwise be checked, or picked up, in its place.
rm -f "$build"/calquin_*.deb
(cd "$build" && cpack -G DEB)

bash tests/package/check_package.sh "$build"
