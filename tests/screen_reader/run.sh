#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a blind pupil hears: Orca, the desktop's screen reader, listens while a scripted pupil runs
# a drill, once with a message after each answer and once with only the summary, in English and
# in German. Fails when Orca leaves out the test type, a question or a verdict, says one of them
# twice, or reads the back button's hint anywhere but on the back button.
#
# Usage: tests/screen_reader/run.sh [PROGRAM]      (default: build/default/calquin)
# Needs orca, speech-dispatcher, xvfb, openbox, xdotool and the de_DE.UTF-8 locale
# (scripts/setup.sh full). Everything runs on a private X server, session bus and accessibility
# bus, with speech going to libao's null driver, so it needs no sound card and leaves the
# desktop it is started from alone. Keeps its logs in build/screen_reader.
# Runtime on 2 shared cores: about 65 s for the four runs.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
program=$(realpath "${1:-$root/build/default/calquin}")
here="$root/tests/screen_reader"
work="$root/build/screen_reader"
rm -rf "$work"
mkdir -p "$work"
python=/usr/bin/python3  # Orca's and pyatspi's Python, whatever else is first on the PATH

pids=()
# shellcheck disable=SC2317  # called by the trap
stop() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    wait 2>/dev/null
}
trap stop EXIT

# A home of its own: Orca's settings, speech-dispatcher's configuration and libao's choice of
# driver are read from there, never from the user's.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "default_driver=null" >"$HOME/.libao"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
EOF

# A display number of its own, away from the low ones that servers choosing the first free number
# take: two such servers started at once can both take the same one.
display=$((200 + $$ % 500))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "screen reader: Xvfb did not start" >&2; exit 1; }
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
    read -r address && read -r pid && echo "DBUS_SESSION_BUS_ADDRESS='$address' bus_pid=$pid"
})"
export DBUS_SESSION_BUS_ADDRESS
pids+=("$bus_pid")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
# A server that has just started can still turn a first client away; openbox then gives up at
# once, so it is given a few tries.
for attempt in 1 2 3 4 5; do
    openbox >>"$work/openbox.log" 2>&1 &
    wm=$!
    sleep 0.5
    kill -0 "$wm" 2>/dev/null && break
    [ "$attempt" -lt 5 ] || { echo "screen reader: openbox did not start" >&2; exit 1; }
    sleep 0.5
done
pids+=("$wm")
speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" -L "$work" \
    >"$work/speech-dispatcher.log" 2>&1 &
pids+=($!)

# The drill's catalogue: an addition item first, a multiplication item first among the
# multiplications.
catalogue="$work/catalogue"
mkdir -p "$catalogue"
{
    for i in $(seq 10); do echo "\"2-digit plus 1-digit $i\",2,1,+"; done
    for i in $(seq 10); do echo "\"2-digit minus 1-digit $i\",2,1,-"; done
    for i in $(seq 10); do echo "\"1-digit times 1-digit $i\",1,1,*"; done
} >"$catalogue/index.txt"

failed=0
for language in en de; do
    case $language in
        en) locale=C.UTF-8 ;;
        de) locale=de_DE.UTF-8 ;;
    esac
    for mode in message summary; do
        run="$work/$language-$mode"
        LANG=$locale LANGUAGE='' LC_ALL='' $python /usr/bin/orca --debug-file="$run.orca.log" \
            >"$run.orca.out" 2>&1 &
        orca=$!
        (cd "$catalogue" && LANG=$locale LANGUAGE='' LC_ALL='' QT_QPA_PLATFORM=xcb \
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
            $python "$here/drill.py" drive "$mode" "$language" "$program" "$run.actions.json") \
            >"$run.drill.log" 2>&1
        drove=$?
        [ "$drove" -eq 0 ] || cat "$run.drill.log"
        # Orca writes its log in blocks; it is whole only once Orca has shut down.
        kill "$orca" 2>/dev/null
        for _ in $(seq 100); do kill -0 "$orca" 2>/dev/null || break; sleep 0.05; done
        kill -9 "$orca" 2>/dev/null
        wait "$orca" 2>/dev/null
        if [ "$drove" -ne 0 ] || ! $python "$here/drill.py" check "$run.actions.json" \
            "$run.orca.log"; then
            echo "screen reader: $language, $mode mode FAILED (logs: $run.*)"
            failed=$((failed + 1))
        fi
    done
done
[ "$failed" -eq 0 ] && echo "screen reader: 4 runs passed"
exit $((failed > 0))
