#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian packages that scripts/package.sh built with dpkg-buildpackage in a folder
# (the .changes, .dsc and .debs, beside the clone calquin-<version>/ they were built in):
#   - the binary package's name, version, section and dependencies, and that it holds exactly the
#     expected files;
#   - lintian --pedantic on the .changes (source and binary packages) finds nothing but the tags
#     the packages' overrides explain, and hardening-check finds every hardening feature in the
#     program;
#   - the manual page renders without a warning; the copyright file is debian/copyright, in the
#     machine-readable format; the changelogs are debian/changelog, whose latest entry is the
#     project's version, and CHANGELOG.md;
#   - the desktop entry is valid and its Path= is the folder the catalogue is packaged in, since
#     the program reads "index.txt" from the folder it starts in;
#   - the unpacked program keeps running from that folder, and from an empty folder refuses with
#     the catalogue's path and exits 1 once its error box is closed;
#   - `cmake --install --prefix` writes a Path= that follows the prefix;
#   - as root with CI=true (a throwaway machine) it installs the package with apt-get, starts the
#     installed program the way the desktop menu does, then removes the package; elsewhere it only
#     asks apt-get to simulate the install, to show the dependencies resolve.
# Every check runs even after one fails; the last line is the verdict, and the exit status is
# non-zero if anything failed.
#
# Usage: tests/package/check_package.sh [FOLDER]    (default: build/package/first)
# Needs dpkg-dev, desktop-file-utils, appstream, xvfb, xauth, xdotool, lintian, devscripts,
# and man-db (scripts/setup.sh full).
# Runtime on 2 shared cores: about 15 s, most of it lintian, the waits that show the program
# stays up and the virtual X server's start; 20 s with the real install.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build/package/first}" && pwd) || exit 2

passed=0
failed=0
pass() {
    passed=$((passed + 1))
    echo "ok    $1"
}
fail() {
    failed=$((failed + 1))
    echo "FAIL  $1"
    shift
    local detail
    for detail in "$@"; do
        echo "      $detail"
    done
}
verdict() {
    echo "package: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

work=$(mktemp -d)
cleanup() {
    rm -rf "$work"
}
trap cleanup EXIT

# Seconds a program must stay up to count as having found its catalogue and opened its window:
# a refused catalogue is reported on stderr at once, well before this.
settle=3

# Starts the program in a folder on the offscreen platform; succeeds if it is still running after
# $settle seconds and never complained about its catalogue. A missing catalogue also keeps it
# running (its error box waits for a click), so stderr is what tells the two apart.
stays_up_in() {
    local folder=$1 program=$2 log=$3 status
    # shellcheck disable=SC2086  # a desktop entry's Exec= is words: the starter and its arguments
    (cd "$folder" && QT_QPA_PLATFORM=offscreen timeout -k 2 "$settle" $program) >"$log" 2>&1
    status=$?
    [ "$status" -eq 124 ] && ! grep -q 'index.txt' "$log"
}

# Starts the program in a folder without a catalogue on a virtual X server, presses Enter on the
# error box as a pupil would, and returns the program's exit status (9x: the box never showed, or
# closing it did not end the program). Its stderr goes to the given file.
status_after_refusal_in() {
    local folder=$1 program=$2 log=$3
    # shellcheck disable=SC2016  # the inner script expands its own arguments
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
        folder=$1 program=$2 log=$3
        cd "$folder" || exit 90
        env -u QT_QPA_PLATFORM "$program" 2>"$log" &
        pid=$!
        window=$(timeout 10 xdotool search --sync --onlyvisible --name Calquin 2>/dev/null |
                 head -n 1)
        if [ -z "$window" ]; then kill "$pid"; wait "$pid"; exit 91; fi
        xdotool windowfocus --sync "$window" key Return
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null; then kill "$pid"; wait "$pid"; exit 92; fi
        wait "$pid"
    ' _ "$folder" "$program" "$log"
}

# Value of a key in the [Desktop Entry] group of a desktop file.
entry_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1
}

# --- The package file ------------------------------------------------------------------------

debs=("$build"/calquin_*_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "exactly one calquin_*.deb in $build" "found: ${debs[*]}"
    verdict
    exit 1
fi
deb=${debs[0]}
echo "Checking $deb"

field() {
    dpkg-deb --field "$deb" "$1"
}
# The sources the packages were built from: what they hold is compared with these, not with the
# working tree, which may have changed since.
trees=("$build"/calquin-*/)
tree=${trees[0]%/}
project_version=$(sed -n '/^project(/,/)/s/^ *VERSION \([0-9.]*\).*/\1/p' "$tree/CMakeLists.txt")
arch=$(dpkg --print-architecture)
version=$(field Version)
if [ "$(field Package)" = calquin ] && [[ $version =~ ^$project_version-[0-9]+$ ]] &&
    [ "$(field Architecture)" = "$arch" ] &&
    [ "$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)" = "$version" ] &&
    [ "$(basename "$deb")" = "calquin_${version}_${arch}.deb" ]; then
    pass "named calquin_${version}_${arch}.deb: the project's version, debian/changelog's revision"
else
    fail "package name, version and file name" \
        "file $(basename "$deb"), Package $(field Package), Version $version," \
        "Architecture $(field Architecture); expected version $project_version-N on $arch"
fi

if [ "$(field Section)" = education ] && [ -n "$(field Maintainer)" ]; then
    pass "section education, maintainer $(field Maintainer)"
else
    fail "section and maintainer" "Section $(field Section), Maintainer $(field Maintainer)"
fi

# fonts-liberation2 is the explicit one; the Qt libraries can only come from dpkg-shlibdeps.
depends=$(field Depends)
if grep -qw 'fonts-liberation2' <<<"$depends" && grep -qw 'libqt6widgets6' <<<"$depends" &&
    grep -qw 'libc6' <<<"$depends"; then
    pass "depends on fonts-liberation2 and the Qt libraries it links"
else
    fail "dependencies" "Depends: $depends"
fi

expected_files=(
    ./usr/bin/calquin
    ./usr/bin/calquin-class-results
    ./usr/share/applications/calquin-class-results.desktop
    ./usr/share/applications/calquin.desktop
    ./usr/libexec/calquin/start-calquin
    ./usr/share/calquin/index.txt
    ./usr/share/calquin/ar/index.txt
    ./usr/share/calquin/de/index.txt
    ./usr/share/calquin/es/index.txt
    ./usr/share/calquin/fr/index.txt
    ./usr/share/calquin/it/index.txt
    ./usr/share/calquin/nl/index.txt
    ./usr/share/calquin/pl/index.txt
    ./usr/share/calquin/pt_BR/index.txt
    ./usr/share/doc/calquin/changelog.Debian.gz
    ./usr/share/doc/calquin/changelog.gz
    ./usr/share/doc/calquin/copyright
    ./usr/share/icons/hicolor/128x128/apps/calquin.png
    ./usr/share/icons/hicolor/16x16/apps/calquin.png
    ./usr/share/icons/hicolor/256x256/apps/calquin.png
    ./usr/share/icons/hicolor/32x32/apps/calquin.png
    ./usr/share/icons/hicolor/48x48/apps/calquin.png
    ./usr/share/icons/hicolor/64x64/apps/calquin.png
    ./usr/share/icons/hicolor/scalable/apps/calquin.svg
    ./usr/share/lintian/overrides/calquin
    ./usr/share/man/man1/calquin-class-results.1.gz
    ./usr/share/man/man1/calquin.1.gz
    ./usr/share/metainfo/com.example.Calquin.metainfo.xml
)
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
expected=$(printf '%s\n' "${expected_files[@]}" | sort)
if [ "$actual" = "$expected" ]; then
    pass "holds exactly the ${#expected_files[@]} expected files"
else
    mapfile -t difference < <(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]')
    fail "file list ('<' missing, '>' unexpected)" "${difference[@]}"
fi

unpacked=$work/unpacked
mkdir -p "$unpacked"
if ! dpkg-deb -x "$deb" "$unpacked"; then
    fail "dpkg-deb -x"
    verdict
    exit 1
fi

if ! readelf -S "$unpacked/usr/bin/calquin" | grep -qE '\.symtab|\.comment'; then
    pass "the program is stripped, .comment too"
else
    fail "the program still has its symbol table"
fi

if cmp -s "$unpacked/usr/share/calquin/index.txt" "$tree/data/index.txt"; then
    pass "the packaged catalogue is data/index.txt"
else
    fail "the packaged catalogue differs from data/index.txt"
fi

# --- What Debian's tools say ------------------------------------------------------------------

# Every tag lintian can show, pedantic and informational ones included: an E: or W: fails, and so
# does an I: or P: that the package's overrides do not explain. Overridden tags show as O:.
# lintian warns when run as root; that note goes to stderr and is not a finding.
changes=$build/calquin_${version}_${arch}.changes
report=$(lintian --pedantic --display-info --tag-display-limit 0 "$changes" 2>"$work/lintian.err")
status=$?
tags=$(grep -E '^[EWIPX]: ' <<<"$report")
if [ "$status" -eq 0 ] && [ -z "$tags" ] && ! grep -qvi 'running with root privileges' \
    "$work/lintian.err"; then
    pass "lintian --pedantic --display-info on the .changes: no tag beyond the overrides"
else
    mapfile -t lines < <(echo "$report"; cat "$work/lintian.err")
    fail "lintian --pedantic --display-info (exit status $status)" "${lines[@]}"
fi

# Control-flow protection is left to the next check: Debian 12 builds neither glibc's start files
# (Scrt1.o, crti.o, crtn.o) nor libc, libstdc++ or Qt with it, so the linker cannot mark any
# program of this release as protected, /usr/bin/ls included. Forcing the mark (-z ibt -z shstk)
# would claim that for start-up code that lacks it.
program=$unpacked/usr/bin/calquin
if report=$(hardening-check --nocfprotection "$program" 2>&1); then
    pass "hardening-check: PIE, stack protector, fortify, relro, bindnow"
else
    mapfile -t lines <<<"$report"
    fail "hardening-check --nocfprotection" "${lines[@]}"
fi

# The program's debugging symbols (the -dbgsym package) name the flags each of its sources was
# compiled with. With two programs in the package, dwz moves the strings they share, these among
# them, into a file of its own under .dwz, which the programs' files only point into.
mkdir -p "$work/dbgsym"
dpkg-deb -x "$build/calquin-dbgsym_${version}_${arch}.deb" "$work/dbgsym" 2>/dev/null
producers=$({
    find "$work/dbgsym/usr/lib/debug" -name '*.debug' -not -path '*/.dwz/*' \
        -exec readelf --debug-dump=info {} + | grep 'DW_AT_producer' | grep -v 'alt indirect string'
    find "$work/dbgsym/usr/lib/debug" -path '*/.dwz/*' -type f \
        -exec readelf -z -p .debug_str {} + | grep -e 'GNU C'
} 2>/dev/null)
unprotected=$({
    grep -v -e '-fstack-clash-protection' <<<"$producers"
    grep -v -e '-fcf-protection' <<<"$producers"
} | head -n 3)
if [ -n "$producers" ] && [ -z "$unprotected" ]; then
    pass "every source of the program compiled with -fstack-clash-protection and -fcf-protection"
else
    fail "sources compiled without stack-clash or control-flow protection" "$unprotected"
fi

# Shown the way man shows it: any warning of groff's or man's is a fault in the page.
report=$(man --warnings -l "$unpacked/usr/share/man/man1/calquin.1.gz" 2>&1 >/dev/null)
if [ -z "$report" ] && zcat "$unpacked/usr/share/man/man1/calquin.1.gz" |
    grep -q '^\.SH "EXIT STATUS"'; then
    pass "the manual page calquin(1) renders without a warning"
else
    mapfile -t lines <<<"$report"
    fail "man --warnings -l calquin.1.gz" "${lines[@]}"
fi

copyright=$unpacked/usr/share/doc/calquin/copyright
if head -n 1 "$copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' &&
    cmp -s "$copyright" "$tree/debian/copyright"; then
    pass "the copyright file is debian/copyright, machine-readable"
else
    fail "copyright file $copyright is not debian/copyright in the DEP-5 format"
fi

changelog=$unpacked/usr/share/doc/calquin/changelog.Debian.gz
latest=$(zcat "$changelog" >"$work/changelog" &&
    dpkg-parsechangelog -l "$work/changelog" -S Version 2>&1)
if [ "$latest" = "$version" ] &&
    zcat "$unpacked/usr/share/doc/calquin/changelog.gz" | cmp -s - "$tree/CHANGELOG.md" &&
    grep -q "^## $project_version - " "$tree/CHANGELOG.md"; then
    pass "changelog.Debian.gz's latest entry is $version; changelog.gz is CHANGELOG.md"
else
    fail "changelogs" "changelog.Debian.gz: $latest; package version $version" \
        "changelog.gz must be CHANGELOG.md, with a '## $project_version - ...' heading"
fi

# --- Desktop entry and metainfo --------------------------------------------------------------

entry=$unpacked/usr/share/applications/calquin.desktop
if report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ]; then
    pass "desktop-file-validate accepts the desktop entry"
else
    mapfile -t lines <<<"$report"
    fail "desktop-file-validate" "${lines[@]}"
fi

path=$(entry_value "$entry" Path)
if [ "$path" = /usr/share/calquin ] && [ -f "$unpacked$path/index.txt" ] &&
    [ "$(entry_value "$entry" Exec)" = \
        "/usr/libexec/calquin/start-calquin /usr/share/calquin /usr/bin/calquin" ] &&
    [ -x "$unpacked/usr/bin/calquin" ] && [ -x "$unpacked/usr/libexec/calquin/start-calquin" ] &&
    [ "$(entry_value "$entry" Icon)" = calquin ]; then
    pass "the desktop entry starts calquin in $path, where the catalogue is packaged"
else
    fail "desktop entry Path/Exec/Icon" "Path=$path Exec=$(entry_value "$entry" Exec)" \
        "Icon=$(entry_value "$entry" Icon)"
fi

metainfo=$unpacked/usr/share/metainfo/com.example.Calquin.metainfo.xml
if report=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    pass "appstreamcli accepts the metainfo"
else
    mapfile -t lines <<<"$report"
    fail "appstreamcli validate" "${lines[@]}"
fi

# --- The unpacked program --------------------------------------------------------------------

log=$work/unpacked-run.log
if stays_up_in "$unpacked$path" "$unpacked/usr/bin/calquin" "$log"; then
    pass "the unpacked program runs from the packaged catalogue's folder"
else
    mapfile -t lines <"$log"
    fail "the unpacked program did not stay up in $unpacked$path" "${lines[@]}"
fi

empty=$work/no-catalogue
mkdir -p "$empty"
log=$work/refusal.log
started=$SECONDS
status_after_refusal_in "$empty" "$unpacked/usr/bin/calquin" "$log"
status=$?
if [ "$status" -eq 1 ] && grep -qF "$empty/index.txt" "$log"; then
    pass "from an empty folder it names $empty/index.txt and exits 1 ($((SECONDS - started)) s)"
else
    mapfile -t lines <"$log"
    fail "from an empty folder: exit status $status (1 expected, 9x: error box trouble)" \
        "${lines[@]}"
fi

# --- cmake --install to another prefix -------------------------------------------------------

prefix=$work/prefix
prefix_entry=$prefix/share/applications/calquin.desktop
objects=$tree/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)
if cmake --install "$objects" --prefix "$prefix" >"$work/install.log" 2>&1 &&
    [ "$(entry_value "$prefix_entry" Path)" = "$prefix/share/calquin" ] &&
    [ -f "$prefix/share/calquin/index.txt" ] && [ -f "$prefix/share/man/man1/calquin.1" ]; then
    pass "cmake --install --prefix writes a Path= inside that prefix, and the manual page"
else
    mapfile -t lines <"$work/install.log"
    fail "cmake --install --prefix $prefix" "Path=$(entry_value "$prefix_entry" Path 2>&1)" \
        "${lines[@]}"
fi

# --- Installing it ---------------------------------------------------------------------------

if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = true ]; then
    export DEBIAN_FRONTEND=noninteractive
    remove_package() {
        if dpkg-query -W calquin >/dev/null 2>&1; then
            apt-get remove -y -qq calquin >/dev/null 2>&1
        fi
    }
    trap 'remove_package; cleanup' EXIT
    # A run stopped half-way may have left it installed.
    remove_package
    if apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 && [ -x /usr/bin/calquin ] &&
        [ -f /usr/share/calquin/index.txt ]; then
        pass "apt-get install puts /usr/bin/calquin and /usr/share/calquin/index.txt in place"
    else
        mapfile -t lines <"$work/apt.log"
        fail "apt-get install $deb" "${lines[@]}"
    fi

    # As the desktop menu does: Exec= looked up on PATH, started in Path=.
    installed_entry=/usr/share/applications/calquin.desktop
    installed_path=$(entry_value "$installed_entry" Path 2>/dev/null)
    log=$work/installed-run.log
    if [ -n "$installed_path" ] &&
        stays_up_in "$installed_path" "$(entry_value "$installed_entry" Exec)" "$log"; then
        pass "the installed program runs from its desktop entry's Path=$installed_path"
    else
        mapfile -t lines <"$log" 2>/dev/null
        fail "the installed program did not stay up in '$installed_path'" "${lines[@]}"
    fi

    if apt-get remove -y -qq calquin >"$work/apt.log" 2>&1 && [ ! -e /usr/bin/calquin ] &&
        [ ! -e /usr/share/calquin ]; then
        pass "apt-get remove takes it away again"
    else
        mapfile -t lines <"$work/apt.log"
        fail "apt-get remove calquin" "${lines[@]}"
    fi
else
    if apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 &&
        grep -q '^Inst calquin ' "$work/apt.log"; then
        pass "apt-get would install it with the dependencies at hand (simulated; CI installs it)"
    else
        mapfile -t lines <"$work/apt.log"
        fail "apt-get install --simulate $deb" "${lines[@]}"
    fi
fi

verdict
