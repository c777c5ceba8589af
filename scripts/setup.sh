#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building, running and testing need on Debian 12, and nothing that is already there.
# Usage: scripts/setup.sh [run|test|full|bench|windows]   (default: test)
set -euo pipefail

purpose=${1:-test}

# qt6-l10n-tools compiles the translations into the program; qt6-translations-l10n gives the
# message box's button in the pupil's language; fonts-noto-ui-core draws the Arabic window (its
# Noto Sans Arabic UI), which the fit test measures in.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          fonts-liberation2 fonts-noto-ui-core qt6-l10n-tools qt6-translations-l10n)
case "$purpose" in
    run) ;;
    # The start-up benchmark also needs the xcb headers with DAMAGE to see the first paint.
    # --screen-reader also starts a session bus with the accessibility bus on it.
    bench) packages+=(libbenchmark-dev xvfb xauth libxcb1-dev libxcb-damage0-dev openbox
                      dbus-daemon dbus-bin at-spi2-core) ;;
    # The teacher's window's PDF is read back with pdftotext (poppler-utils) in both runs.
    test) packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth poppler-utils) ;;
    # The full run also checks the licence headers (reuse), the package (lintian, and
    # hardening-check from devscripts), the manual page (man-db), that the core builds for Windows
    # (mingw-w64), and the window's focus under a real window manager (openbox). The
    # screen-reader test runs Orca with speech-dispatcher playing into libao's null driver, on a
    # session bus (dbus-daemon) with the accessibility bus (at-spi2-core), in English and German.
    # The Debian package is built with debhelper from debian/control's build dependencies
    # (libjpeg-dev among them, for the pictures' test), checked against the REUSE data
    # (python3-debian), tested installed by autopkgtest (the window's test reads the list through
    # at-spi2-core and python3-pyatspi on its own session bus) and by piuparts in a chroot that
    # debootstrap makes. The share test serves the results folder with openssh-server and samba on
    # 127.0.0.1 and mounts it through FUSE with sshfs and smbnetfs. LibreOffice Calc
    # (libreoffice-calc-nogui) opens results files to count formula cells. The Windows build
    # needs what the windows purpose below installs.
    full) packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang
                     libclang-rt-14-dev dpkg-dev file desktop-file-utils appstream xdotool
                     reuse lintian devscripts man-db g++-mingw-w64-x86-64-posix openbox
                     orca speech-dispatcher libao4 dbus-daemon at-spi2-core locales
                     build-essential debhelper libjpeg-dev python3-debian autopkgtest
                     python3-pyatspi piuparts debootstrap openssh-server openssh-client sshfs
                     fuse3 samba smbnetfs libreoffice-calc-nogui poppler-utils wine wine64 wixl
                     msitools googletest imagemagick) ;;
    # The Windows build: the mingw-w64 posix compilers with the Qt for Windows in
    # ../shared/toolchains (its host tools are Debian's), wine to run its tests and the program,
    # wixl for the installer, GoogleTest's sources to compile for Windows.
    windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 wixl msitools googletest xvfb
                        xauth xdotool imagemagick) ;;
    *) echo "usage: $0 [run|test|full|bench|windows]" >&2; exit 2 ;;
esac

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Please run this as root, then run this script again:" >&2
        echo "  $*" >&2
        exit 1
    fi
}

# Orca speaks German in the screen-reader test only where the system has the German locale.
german_locale() {
    [ "$purpose" = full ] || return 0
    locale -a 2>/dev/null | grep -qx 'de_DE.utf8' && return 0
    echo "Generating the locale de_DE.UTF-8"
    as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && { german_locale; exit 0; }

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "Please install the missing packages as root, then run this again:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
fi
german_locale
