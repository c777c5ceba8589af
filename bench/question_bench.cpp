// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "engine/division_pairs.h"
#include "engine/number_writing.h"
#include "engine/question_generator.h"
#include "engine/random_source.h"
#include "reference_division.h"
#include "state/test_state.h"

namespace {

using calquin::TestState;
using namespace calquin::engine;

// One question as the window asks for it: reseed from the clock, draw, store, write the caption.
void BM_NewQuestion(benchmark::State& bench, const std::string& op, int digits1, int digits2) {
    ClockSeededRandom random;
    QuestionGenerator generator(random);
    TestState state;
    state.opSign = op;
    state.digits1 = static_cast<std::int16_t>(digits1);
    state.digits2 = static_cast<std::int16_t>(digits2);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(generator.NewQuestion(state));
    }
}

BENCHMARK_CAPTURE(BM_NewQuestion, add_1x1, "+", 1, 1);
BENCHMARK_CAPTURE(BM_NewQuestion, add_5x3, "+", 5, 3);
BENCHMARK_CAPTURE(BM_NewQuestion, add_9x9, "+", 9, 9);
BENCHMARK_CAPTURE(BM_NewQuestion, subtract_1x1, "-", 1, 1);
BENCHMARK_CAPTURE(BM_NewQuestion, subtract_5x5, "-", 5, 5);
BENCHMARK_CAPTURE(BM_NewQuestion, subtract_9x9, "-", 9, 9);
BENCHMARK_CAPTURE(BM_NewQuestion, multiply_1x1, "*", 1, 1);
BENCHMARK_CAPTURE(BM_NewQuestion, multiply_3x2, "*", 3, 2);
BENCHMARK_CAPTURE(BM_NewQuestion, multiply_5x4, "*", 5, 4);
BENCHMARK_CAPTURE(BM_NewQuestion, multiply_8x1, "*", 8, 1);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_1x1, "/", 1, 1);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_2x2, "/", 2, 2);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_3x3, "/", 3, 3);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_4x4, "/", 4, 4);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_5x5, "/", 5, 5);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_6x6, "/", 6, 6);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_9x1, "/", 9, 1);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_9x5, "/", 9, 5);
BENCHMARK_CAPTURE(BM_NewQuestion, divide_9x9, "/", 9, 9);

// The plain rule of drawing pairs and throwing them away, with the same reseed and caption, for
// the division items where it still finishes.
void BM_DrawAndReject(benchmark::State& bench, int digits1, int digits2) {
    ClockSeededRandom random;
    for (auto _ : bench) {
        random.reseed();
        const DivisionPair pair =
            calquin::engine::testing::referenceDivision(random, digits1, digits2);
        benchmark::DoNotOptimize(plainDecimal(pair.dividend) + " / " + plainDecimal(pair.divisor));
    }
}

BENCHMARK_CAPTURE(BM_DrawAndReject, divide_1x1, 1, 1);
BENCHMARK_CAPTURE(BM_DrawAndReject, divide_2x2, 2, 2);
BENCHMARK_CAPTURE(BM_DrawAndReject, divide_3x3, 3, 3);
BENCHMARK_CAPTURE(BM_DrawAndReject, divide_4x4, 4, 4);
BENCHMARK_CAPTURE(BM_DrawAndReject, divide_5x5, 5, 5);
BENCHMARK_CAPTURE(BM_DrawAndReject, divide_6x6, 6, 6)->Unit(benchmark::kMillisecond);

// The one-off cost of the first division question of an item: numbering its pairs.
void BM_DivisionTable(benchmark::State& bench) {
    const auto digits1 = static_cast<int>(bench.range(0));
    const auto digits2 = static_cast<int>(bench.range(1));
    for (auto _ : bench) {
        benchmark::DoNotOptimize(DivisionPairs(digits1, digits2).count());
    }
}

BENCHMARK(BM_DivisionTable)->Args({9, 9})->Args({9, 5})->Args({9, 1})->Args({6, 6});

// Every startable division item, to find the slowest: the cost grows with the table size.
void BM_EveryDivisionItem(benchmark::State& bench) {
    BM_NewQuestion(bench, "/", static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1)));
}

BENCHMARK(BM_EveryDivisionItem)
    ->Apply([](benchmark::internal::Benchmark* family) {
        for (int digits1 = 1; digits1 <= 9; ++digits1) {
            for (int digits2 = 1; digits2 <= digits1; ++digits2) {
                family->Args({digits1, digits2});
            }
        }
    })
    ->MinTime(0.05);

}  // namespace
