#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build's windows under Wine on a private Xvfb, played through the X server with
# xdotool as a pupil and a teacher would:
# - the drill opens with its title on the bundled catalogue (screenshot calquin-under-wine.png);
# - a pupil chooses Division and its first item with the keyboard and answers until one answer was
#   right and one wrong, closing the message after each, as the window shows one. The window's
#   texts cannot be read from outside Wine, so the pupil answers 2, which is right for half of the
#   questions of one-digit division; the rows the drill records in a results folder of this run
#   tell right from wrong exactly, and must match the answers typed (screenshots
#   calquin-drill-message-under-wine.png with the message of a wrong answer open, and
#   calquin-drill-under-wine.png after it was closed);
# - `calquin.exe --results-window` on that folder, with two more pupils' rows, starts the
#   teacher's window (screenshot calquin-class-results-under-wine.png).
# Run by scripts/test-windows.sh after the build; the screenshots go to build/windows/.
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

fail() {
    echo "$*" >&2
    exit 1
}
# The one visible window titled $1, waited for; empty when none came within $2 seconds.
window_titled() {
    timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

results=$out/drill-results
rm -rf "$results"
mkdir -p "$results"
(cd "$out/calquin/data" && exec wine ../calquin.exe --results-folder "$(windows_path "$results")") \
    >"$out/window.log" 2>&1 &
pids+=($!)
window=$(window_titled "$title" 60)
if [ -z "$window" ]; then
    echo "The window titled \"$title\" did not open under Wine; its output:" >&2
    cat "$out/window.log" >&2
    exit 1
fi
sleep 2  # the first paint
name=$(xdotool getwindowname "$window")
[ "$name" = "$title" ] || fail "window title \"$name\", not \"$title\""
import -window root "$out/calquin-under-wine.png"
echo "window \"$name\" opened under Wine; screenshot $out/calquin-under-wine.png"

# No window manager gives the focus here; a pupil's click would.
xdotool windowfocus --sync "$window"
# From Addition, three options to the right is Division; back to the list, whose first item,
# one-digit division, starts the test.
xdotool key --delay 150 Right Right Right shift+Tab Down
sleep 1

rows() { cat "$results"/*.csv 2>/dev/null | tr -d '\r' | tail -n +2 | grep -c . || true; }
# The last row's question and whether it was right (1) or wrong (0).
last_row() {
    python3 -c 'import csv,glob,sys
rows=[r for f in glob.glob(sys.argv[1]+"/*.csv") for r in csv.DictReader(open(f,newline="",encoding="utf-8"))]
last=rows[-1]
print(last["question"] + " = " + last["answer"], last["correct"], last["item"], sep="|")' "$results"
}
right=0 wrong=0
for attempt in $(seq 24); do
    xdotool type --delay 80 2
    xdotool key Return
    message=$(window_titled "Counting Amounts" 20)
    [ -n "$message" ] || fail "no message \"Counting Amounts\" after answer $attempt"
    for _ in $(seq 100); do [ "$(rows)" -ge "$attempt" ] && break; sleep 0.1; done
    [ "$(rows)" -eq "$attempt" ] || fail "$(rows) rows recorded after $attempt answers"
    IFS='|' read -r asked verdict item <<<"$(last_row)"
    [ "$item" = "1-digit divided by 1-digit" ] || fail "answered in the item \"$item\""
    case $verdict in
        1) right=$((right + 1)) ;;
        0) wrong=$((wrong + 1))
           [ "$wrong" -gt 1 ] || import -window root "$out/calquin-drill-message-under-wine.png" ;;
        *) fail "row of answer $attempt says correct=\"$verdict\"" ;;
    esac
    echo "answer $attempt: $asked, $([ "$verdict" = 1 ] && echo right || echo wrong)"
    # The message's OK, as a pupil presses it; the drill's window comes back for the next answer.
    xdotool windowfocus --sync "$message" key Return
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^Counting Amounts$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    ! xdotool search --onlyvisible --name '^Counting Amounts$' >/dev/null 2>&1 ||
        fail "the message of answer $attempt stayed open after OK"
    xdotool windowfocus --sync "$window"
    [ $right -gt 0 ] && [ $wrong -gt 0 ] && break
done
if [ $right -eq 0 ] || [ $wrong -eq 0 ]; then
    fail "after $attempt answers of 2, $right right and $wrong wrong: expected both"
fi
sleep 1
import -window root "$out/calquin-drill-under-wine.png"
echo "drill under Wine: $right right, $wrong wrong, each message closed;" \
    "screenshots $out/calquin-drill-message-under-wine.png, $out/calquin-drill-under-wine.png"
kill "${pids[-1]}" 2>/dev/null || true
wait "${pids[-1]}" 2>/dev/null || true
unset 'pids[-1]'

# The teacher's window on that folder, with two more pupils of today.
today=$(date +%Y-%m-%d)
# One-digit facts, so that the grids show them.
header='time,pupil,computer,item,question,answer,correct,seconds'
printf '%s\r\n' "$header" \
    "${today}T09:00:00+00:00,anna,pc2,1-digit plus 1-digit,7 + 5,12,1,1.20" \
    "${today}T09:00:10+00:00,anna,pc2,1-digit plus 1-digit,3 + 4,7,1,2.00" \
    "${today}T09:00:20+00:00,anna,pc2,1-digit plus 1-digit,8 + 6,15,0,4.00" >"$results/anna@pc2.csv"
printf '%s\r\n' "$header" \
    "${today}T09:05:00+00:00,ben,pc3,1-digit plus 1-digit,7 + 5,12,1,5.20" \
    "${today}T09:05:09+00:00,ben,pc3,1-digit times 1-digit,7 * 8,56,1,2.50" >"$results/ben@pc3.csv"
teacher="Calquin class results"
(cd "$out/calquin" && exec wine ./calquin.exe --results-window "$(windows_path "$results")") \
    >"$out/class-results.log" 2>&1 &
pids+=($!)
class=$(window_titled "$teacher" 60)
if [ -z "$class" ]; then
    echo "calquin.exe --results-window opened no window titled \"$teacher\"; its output:" >&2
    cat "$out/class-results.log" >&2
    exit 1
fi
sleep 3  # the folder read and the first paint
import -window root "$out/calquin-class-results-under-wine.png"
echo "teacher's window \"$teacher\" opened by calquin.exe --results-window under Wine;" \
    "screenshot $out/calquin-class-results-under-wine.png"
