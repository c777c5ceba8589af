// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <string>

#include "engine/number_reading.h"
#include "engine/scoring.h"
#include "state/test_state.h"

namespace {

using calquin::TestState;
using namespace calquin::engine;

// Everything one Enter produces: the verdict with its counter caption and message, and the
// average-time caption.
void BM_JudgeAnswer(benchmark::State& bench, const std::string& typed) {
    TestState state;
    state.answer = 4321;
    state.elapsedSec = 600;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(judgeAnswer(state, typed));
        benchmark::DoNotOptimize(averageTimeCaption(state));
    }
}

BENCHMARK_CAPTURE(BM_JudgeAnswer, correct, "4321");
BENCHMARK_CAPTURE(BM_JudgeAnswer, wrong, "4312");

// A pasted answer of n bytes: digits only, and digits with a blank after each.
void BM_ReadPastedAnswer(benchmark::State& bench, bool blanks) {
    std::string text;
    while (text.size() < static_cast<std::size_t>(bench.range(0))) {
        text += blanks ? "7 " : "7";
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(readLeadingNumber(text));
    }
    bench.SetBytesProcessed(bench.iterations() * bench.range(0));
    bench.SetComplexityN(bench.range(0));
}

BENCHMARK_CAPTURE(BM_ReadPastedAnswer, digits, false)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_ReadPastedAnswer, digits_and_blanks, true)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace
