#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from debian/ as a Debian builder does, from clean
# clones of the committed tree (uncommitted changes are left out), and checks them. In
# build/package/:
#   calquin_<upstream>.orig.tar.gz  the upstream tarball: `git archive` of the commit, debian/ left
#                                   out, the same bytes for the same commit;
#   first/    `dpkg-buildpackage -us -uc` in a clone: the .dsc, the .debs and the .changes, with
#             the unit and widget tests run by dh_auto_test (build.log holds the whole build);
#   second/   the same commit in a second clone at another path, built without tests
#             (DEB_BUILD_OPTIONS=nocheck): its .debs must be byte for byte the first's;
#   source/   the source package unpacked with dpkg-source -x, the tree autopkgtest tests from.
# Then tests/package/check_package.sh checks the first build (contents, lintian on the .changes,
# hardening, desktop entry, ...); as root with CI=true (a throwaway machine, since it installs the
# package on it) autopkgtest runs debian/tests against the installed package; and as root
# piuparts installs, removes and purges it in a fresh chroot of this release, bootstrapped from
# the configured Debian mirror, and fails if anything is left behind.
#
# Installs nothing: needs what `bash scripts/setup.sh full` installs (dpkg-dev, debhelper,
# lintian, devscripts, autopkgtest, the build dependencies in debian/control, ...).
# Runtime on 2 shared cores (measured with other builds running): 3 to 5 minutes. The first build
# with its tests takes 1 to 2 minutes, the second 30 to 60 s, the checks 20 s, autopkgtest 30 s,
# and piuparts 40 to 90 s, most of it bootstrapping its chroot from the mirror.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 2

out=$root/build/package
commit=$(git rev-parse --verify HEAD) || exit 2
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "package.sh: building commit ${commit:0:12}; uncommitted changes are not in the package"
fi
version=$(git show "$commit:debian/changelog" | dpkg-parsechangelog -l - -S Version) || exit 2
upstream=${version%-*}
arch=$(dpkg --print-architecture)
jobs=$(nproc)

failed=()
started=$SECONDS
step() {
    echo "== $1 ($((SECONDS - started)) s)"
}

rm -rf "$out"
mkdir -p "$out/first" "$out/second"
step "upstream tarball calquin_$upstream.orig.tar.gz from ${commit:0:12}"
# gzip -n: no name or time in the header, so the same commit gives the same tarball.
git archive --format=tar --prefix="calquin-$upstream/" "$commit" ':(exclude)debian' |
    gzip -9n >"$out/calquin_$upstream.orig.tar.gz" || exit 2

# Builds the commit in a fresh clone under the given folder; the rest are dpkg-buildpackage's
# options. The clone's history plays no part in the package, so it goes before the build.
build_in() {
    local folder=$1 tree
    shift
    tree=$folder/calquin-$upstream
    git clone --quiet --no-local --no-checkout "$root" "$tree" &&
        git -C "$tree" checkout --quiet --detach "$commit" && rm -rf "$tree/.git" &&
        ln "$out/calquin_$upstream.orig.tar.gz" "$folder/" &&
        (cd "$tree" && dpkg-buildpackage -us -uc "$@") >"$folder/build.log" 2>&1
}

step "first build: dpkg-buildpackage -us -uc, tests included"
if DEB_BUILD_OPTIONS="parallel=$jobs" build_in "$out/first"; then
    grep -E '^[0-9]+% tests passed' "$out/first/build.log"
else
    tail -n 60 "$out/first/build.log"
    echo "FAIL  dpkg-buildpackage in $out/first (whole log: $out/first/build.log)"
    exit 1
fi

step "second build: another clone, DEB_BUILD_OPTIONS=nocheck, binary packages only"
if DEB_BUILD_OPTIONS="nocheck parallel=$jobs" build_in "$out/second" -b; then
    for deb in "$out"/first/*.deb; do
        name=$(basename "$deb")
        if cmp -s "$deb" "$out/second/$name"; then
            echo "ok    reproducible: $name is byte-identical in both builds"
        else
            echo "FAIL  $name differs between the two builds; files whose contents differ:"
            diff <(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./md5sums) \
                <(dpkg-deb --ctrl-tarfile "$out/second/$name" | tar -xO ./md5sums) |
                grep '^[<>]' | head -n 20
            diff <(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time) \
                <(dpkg-deb --fsys-tarfile "$out/second/$name" | tar -tv --full-time) |
                grep '^[<>]' | head -n 10
            failed+=("reproducibility of $name")
        fi
    done
else
    tail -n 60 "$out/second/build.log"
    failed+=("nocheck build in $out/second")
fi

step "tests/package/check_package.sh"
bash tests/package/check_package.sh "$out/first" || failed+=(check_package.sh)

step "the source package: dpkg-source -x, and debian/copyright against the REUSE data"
if dpkg-source --no-check -x "$out/first/calquin_$version.dsc" "$out/source" >/dev/null; then
    echo "ok    calquin_$version.dsc unpacks into $out/source"
    if report=$(/usr/bin/python3 tests/package/check_copyright.py "$out/source"); then
        echo "ok    debian/copyright gives each file its REUSE licence and holders ($report)"
    else
        echo "$report"
        failed+=("debian/copyright against the REUSE data")
    fi
else
    failed+=("dpkg-source -x")
fi

if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = true ]; then
    deb=$out/first/calquin_${version}_$arch.deb
    step "autopkgtest on the installed package"
    # The null runner installs the package and the tests' dependencies on this machine.
    if autopkgtest --quiet --output-dir "$out/autopkgtest" "$deb" "$out/source" -- null \
        >"$out/autopkgtest.log" 2>&1; then
        cat "$out/autopkgtest/summary"
    else
        cat "$out/autopkgtest.log"
        failed+=(autopkgtest)
    fi
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq calquin >/dev/null 2>&1
else
    echo "skip  autopkgtest installs the package on this machine: run as root with CI=true (a"
    echo "      throwaway machine) for it"
fi

if [ "$(id -u)" -eq 0 ]; then
    step "piuparts: install, remove and purge in a fresh chroot"
    # The chroot is bootstrapped from the mirror this machine's apt uses, for its release.
    codename=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
    mirror=$(apt-cache policy | awk -v suite="$codename/main" '$3 == suite { print $2; exit }')
    if [ -n "$mirror" ] && piuparts --distribution="$codename" --mirror="$mirror" \
        "$out/first/calquin_${version}_$arch.deb" >"$out/piuparts.log" 2>&1; then
        grep -E 'INFO: PASS' "$out/piuparts.log"
    else
        grep -E 'FAIL|ERROR' "$out/piuparts.log" | head -n 30
        echo "FAIL  piuparts (whole log: $out/piuparts.log)"
        failed+=(piuparts)
    fi
else
    echo "skip  piuparts needs root for its chroot"
fi

step "done"
if [ ${#failed[@]} -eq 0 ]; then
    echo "package: calquin_${version}_$arch.deb built, reproducible and checked"
else
    echo "package: FAILED: ${failed[*]}"
    exit 1
fi
