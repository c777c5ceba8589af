// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/scoring.h"

#include <cstdint>
#include <limits>

#include "engine/number_reading.h"
#include "engine/number_writing.h"

namespace calquin::engine {
namespace {

// The design's words with the number after them; the number goes where a translation puts %1.
constexpr Text kCorrectCaption = translatable("Scoring", "Correct Ans = %1");
constexpr Text kWrongCaption = translatable("Scoring", "Wrong Ans = %1");
constexpr Text kCorrectMessage = translatable("Scoring", "Correct!");
constexpr Text kWrongMessage = translatable("Scoring", "Wrong! Answer is %1");
constexpr Text kAverageTime = translatable("Scoring", "T/Q %1 S");

// No real test comes near the limit; a count that does can only come from a damaged state, and
// holding it there is better than wrapping around to a negative count.
void countOne(std::int64_t& counter) {
    if (counter < std::numeric_limits<std::int64_t>::max()) {
        ++counter;
    }
}

}  // namespace

Verdict judgeAnswer(TestState& state, std::string_view typed) {
    Verdict verdict;
    verdict.correct = readLeadingNumber(typed) == static_cast<double>(state.answer);
    if (verdict.correct) {
        countOne(state.correctCount);
        verdict.counterCaption = Phrase{kCorrectCaption, {plainDecimal(state.correctCount)}};
    } else {
        countOne(state.wrongCount);
        verdict.counterCaption = Phrase{kWrongCaption, {plainDecimal(state.wrongCount)}};
    }
    if (!state.summaryOnly) {
        verdict.message = verdict.correct ? Phrase{kCorrectMessage, {}}
                                          : Phrase{kWrongMessage, {plainDecimal(state.answer)}};
    }
    return verdict;
}

Phrase averageTimeCaption(const TestState& state) {
    // Added as doubles so that not even absurd counts can overflow.
    const double answered =
        static_cast<double>(state.correctCount) + static_cast<double>(state.wrongCount);
    const double ratio = answered > 0 ? static_cast<double>(state.elapsedSec) / answered : 0.0;
    return Phrase{kAverageTime, {formatRatio(ratio)}};
}

void tick(TestState& state) {
    countOne(state.elapsedSec);
}

void resetCounters(TestState& state) {
    state.elapsedSec = 0;
    state.correctCount = 0;
    state.wrongCount = 0;
}

}  // namespace calquin::engine
