// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/division_pairs.h"
#include "engine/random_source.h"
#include "state/test_state.h"

namespace calquin::engine {

// One operand with `digits` decimal digits (1 to 9), from 10^(digits-1) to 10^digits - 1, each
// value about equally likely: floor(p * 9 * r + p) with p = 10^(digits-1) and one uniform r in
// [0, 1). Uses exactly one draw. Other digit counts give 0.
std::int64_t drawOperand(RandomSource& source, int digits);

// One drawn question: its two numbers and the item's operator sign as the catalogue gives it.
struct Question {
    std::int64_t first = 0;
    std::int64_t second = 0;
    std::string sign;

    // The caption in the catalogue's own signs, e.g. "37 + 8".
    std::string caption() const;

    friend bool operator==(const Question&, const Question&) = default;
};

// Draws the questions of a running test. The generator keeps the table of division pairs for the
// last "/" item between questions; nothing else survives a question.
class QuestionGenerator {
public:
    explicit QuestionGenerator(RandomSource& source);

    // Reseeds the source, draws the next question for the state's digit counts and operator,
    // stores its answer and returns the question, e.g. 37 + 8.
    //
    // "+" and "*" draw the first operand and then the second; "-" draws pairs until the first is
    // not below the second; "/" picks an exact division with divisor and quotient at least 2, every
    // such pair equally likely. For an item that cannot be started (an unknown operator, digit
    // counts outside 1 to 9, ...) nothing is drawn, the answer is left as it was and both
    // operands are 0, e.g. "0 x 0".
    Question NewQuestion(TestState& state);

private:
    const DivisionPairs& divisionPairs(int digits1, int digits2);

    RandomSource& source_;
    std::optional<DivisionPairs> divisionPairs_;
};

}  // namespace calquin::engine
