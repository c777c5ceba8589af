#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets in fuzz/ (the fuzz preset: clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each one twice:
#   1. once over every input of its committed corpus in fuzz/corpus/<target>/, so anything that
#      ever failed keeps being checked;
#   2. for FUZZ_SECONDS seconds (default 60) on a copy of that corpus in build/fuzz/corpus/, so the
#      committed corpus never grows by itself. FUZZ_JOBS (1 or 2, default 2) targets run at once.
# Fails if any input crashes, leaks, breaks an invariant, trips UBSan, needs more than 2 GiB or takes
# more than a second. The failing input is kept in build/fuzz/artifacts/; once the fault is fixed,
# copy it into fuzz/corpus/<target>/ under a name that says what it was.
#
# Installs nothing: needs clang and libclang-rt-14-dev (scripts/setup.sh full).
# Runtime on 2 shared cores with the defaults: about 3.5 minutes (build from scratch 25 s, corpus
# check a few seconds, then five targets of 60 s, two at a time).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-2}
[ "$jobs" -ge 1 ] && [ "$jobs" -le 2 ] || { echo "FUZZ_JOBS must be 1 or 2" >&2; exit 2; }
targets=(catalogue_reader number_reading number_writing question results_reader)
build=build/fuzz
# -timeout=1: an input that takes over a second counts as a hang.
limits=(-timeout=1 -rss_limit_mb=2048)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

failed=()
for target in "${targets[@]}"; do
    if ! "$build/fuzz/${target}_fuzzer" "${limits[@]}" "fuzz/corpus/$target"/* \
            >"$build/$target-corpus.log" 2>&1; then
        echo "FAILED on the committed corpus: $target (log: $build/$target-corpus.log)" >&2
        tail -n 30 "$build/$target-corpus.log" >&2
        failed+=("$target")
    fi
done
echo "Committed corpora: $((${#targets[@]} - ${#failed[@]})) of ${#targets[@]} targets pass."

fuzz_one() {
    local target=$1
    local corpus="$build/corpus/$target"
    local extra=()
    mkdir -p "$corpus" "$build/artifacts"
    cp "fuzz/corpus/$target"/* "$corpus"/
    [ -f "fuzz/$target.dict" ] && extra+=("-dict=fuzz/$target.dict")
    "$build/fuzz/${target}_fuzzer" "${limits[@]}" "${extra[@]}" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "$corpus" \
        >"$build/$target-fuzz.log" 2>&1
}

rm -f "$build"/*.status
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    echo "Fuzzing $target for $seconds s"
    ( if fuzz_one "$target"; then echo 0; else echo 1; fi >"$build/$target.status" ) &
done
wait

for target in "${targets[@]}"; do
    if [ "$(cat "$build/$target.status")" != 0 ]; then
        echo "FAILED while fuzzing: $target (log: $build/$target-fuzz.log)" >&2
        tail -n 40 "$build/$target-fuzz.log" >&2
        failed+=("$target")
    else
        runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/$target-fuzz.log" |
               grep -o '[0-9]*$' || echo "?")
        echo "$target: $runs inputs, no failure"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing failed: ${failed[*]}; inputs in $build/artifacts/" >&2
    exit 1
fi
