#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program, the bare Qt window it is compared with and the start-up harness, then times
# both on a private Xvfb: launch to first paint, and resident memory once shown. A third window,
# the bare one with a line of text, is measured beside them to show what any text costs.
# Usage: scripts/bench-startup.sh [--screen-reader] [harness options]
#   e.g. --runs 15, --display :1, --compare old=PATH; see --help for the harness's own.
#   --screen-reader  measures both programs as on the desktop of a pupil who uses a screen
#                    reader: a private session bus with the accessibility bus running
#                    (at-spi-bus-launcher) and Qt's bridge to it active.
# Exit status: 0 when both targets are met, 1 when one is missed, 2 when the run itself failed.
#
# Its own build tree (build/bench, RelWithDebInfo like the default preset, tests off), so it never
# reconfigures the tree that the tests use. Runtime on 2 shared cores: about 10 s once built; the
# first build takes a few minutes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${BENCH_BUILD_DIR:-build/bench}

bash scripts/setup.sh bench

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCALQUIN_BUILD_TESTS=OFF -DCALQUIN_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j 2 --target startup_bench

# Measured alongside, for what any window that shows text pays; the verdict is on the bare one.
text_window=$(cd "$build" && pwd)/bench/startup/text_window

if [ "${1:-}" = --screen-reader ]; then
    shift
    # Everything started here lives in this script's session bus and goes with it.
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    bus_pid=${bus##*$'\n'}
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher_pid=$!
    trap 'kill $launcher_pid $bus_pid 2>/dev/null' EXIT
    # Wait for the accessibility bus, then start its registry, as a desktop with a screen
    # reader has both running before any program starts; otherwise a program would measure
    # their start.
    a11y=
    for _ in $(seq 50); do
        a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>/dev/null) && break
        sleep 0.1
    done
    a11y=$(echo "$a11y" | tr -d ' ')
    [ -n "$a11y" ] || { echo "bench-startup: the accessibility bus did not start" >&2; exit 2; }
    dbus-send --bus="$a11y" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
        org.freedesktop.DBus.Peer.Ping >/dev/null
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    echo "Screen reader's bus: at-spi-bus-launcher on a private session bus, Qt's bridge on"
    "$build/bench/startup/startup_bench" --compare "text_window=$text_window" "$@"
    exit $?
fi
exec "$build/bench/startup/startup_bench" --compare "text_window=$text_window" "$@"
