# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the Windows scripts: Wine in the build's own prefix, quiet, without Mono and Gecko
# (nothing needs them, and their installers would ask) and without winemenubuilder, which would
# copy the installer's Start-menu entries into the host user's own menu.
export WINEPREFIX=${WINEPREFIX:-$root/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
