#!/usr/bin/env bash
# Checks the Debian package that CPack left in a build tree (scripts/package.sh makes it):
#   - its name, version, section and dependencies, and that it holds exactly the expected files;
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
# Usage: tests/package/check_package.sh [BUILD_TREE]    (default: build/package)
# Needs dpkg-dev, desktop-file-utils, appstream, xvfb, xauth, xdotool (scripts/setup.sh full).
# Runtime on 2 shared cores: about 13 s, most of it the waits that show the program stays up and
# the virtual X server's start; 18 s with the real install.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build/package}" && pwd) || exit 2

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
    (cd "$folder" && QT_QPA_PLATFORM=offscreen timeout -k 2 "$settle" "$program") >"$log" 2>&1
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

debs=("$build"/calquin_*.deb)
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
project_version=$(sed -n '/^project(/,/)/s/^ *VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
arch=$(dpkg --print-architecture)
if [ "$(field Package)" = calquin ] && [ "$(field Version)" = "$project_version" ] &&
    [ "$(field Architecture)" = "$arch" ] &&
    [ "$(basename "$deb")" = "calquin_${project_version}_${arch}.deb" ]; then
    pass "named calquin_${project_version}_${arch}.deb, the project's version"
else
    fail "package name, version and file name" \
        "file $(basename "$deb"), Package $(field Package), Version $(field Version)," \
        "Architecture $(field Architecture); expected version $project_version on $arch"
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
    ./usr/share/applications/calquin.desktop
    ./usr/share/calquin/index.txt
    ./usr/share/icons/hicolor/128x128/apps/calquin.png
    ./usr/share/icons/hicolor/16x16/apps/calquin.png
    ./usr/share/icons/hicolor/256x256/apps/calquin.png
    ./usr/share/icons/hicolor/32x32/apps/calquin.png
    ./usr/share/icons/hicolor/48x48/apps/calquin.png
    ./usr/share/icons/hicolor/64x64/apps/calquin.png
    ./usr/share/icons/hicolor/scalable/apps/calquin.svg
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

if ! readelf -S "$unpacked/usr/bin/calquin" | grep -q '\.symtab'; then
    pass "the program is stripped"
else
    fail "the program still has its symbol table"
fi

if cmp -s "$unpacked/usr/share/calquin/index.txt" "$root/data/index.txt"; then
    pass "the packaged catalogue is data/index.txt"
else
    fail "the packaged catalogue differs from data/index.txt"
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
    [ "$(entry_value "$entry" Exec)" = calquin ] && [ -x "$unpacked/usr/bin/calquin" ] &&
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
if cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 &&
    [ "$(entry_value "$prefix_entry" Path)" = "$prefix/share/calquin" ] &&
    [ -f "$prefix/share/calquin/index.txt" ]; then
    pass "cmake --install --prefix writes a Path= inside that prefix"
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
