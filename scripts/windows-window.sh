#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Opens the Windows build's window under Wine on a private Xvfb, with the bundled catalogue:
# checks that it opens with its title, saves a screenshot to build/windows/calquin-under-wine.png
# and reports the font the window was given. Run by scripts/test-windows.sh after the build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build/windows
title="'Calquin' Competency Test"
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"

pids=()
cleanup() {
    # The program first, then its Wine, then the display.
    for (( i=${#pids[@]}-1; i>=0; i-- )); do kill "${pids[$i]}" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

# A display number of its own, away from the low ones that servers choosing the first free one take.
display=$((300 + $$ % 500))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

(cd "$out/calquin/data" && exec wine ../calquin.exe) >"$out/window.log" 2>&1 &
pids+=($!)
window=$(timeout 60 xdotool search --sync --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
if [ -z "$window" ]; then
    echo "The window titled \"$title\" did not open under Wine; its output:" >&2
    cat "$out/window.log" >&2
    exit 1
fi
sleep 2  # the first paint
name=$(xdotool getwindowname "$window")
[ "$name" = "$title" ] || { echo "window title \"$name\", not \"$title\"" >&2; exit 1; }
import -window root "$out/calquin-under-wine.png"
echo "window \"$name\" opened under Wine; screenshot $out/calquin-under-wine.png"
