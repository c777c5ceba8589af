// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/question_generator.h"

#include <cmath>

#include "engine/digit_counts.h"
#include "engine/item_choice.h"
#include "engine/number_writing.h"
#include "engine/operators.h"

namespace calquin::engine {

std::int64_t drawOperand(RandomSource& source, int digits) {
    const double r = unitInterval(source);
    if (digits < kMinDigits || digits > kMaxDigits) {
        return 0;
    }
    // Even with r just below 1, p * 9 * r rounds to a value at least one unit in the last place
    // below 9p, and 9p and 10p share their binary exponent for p up to 10^8, so the operand never
    // reaches 10p.
    const double p = static_cast<double>(powerOfTen(digits - 1));
    return static_cast<std::int64_t>(std::floor(p * 9.0 * r + p));
}

QuestionGenerator::QuestionGenerator(RandomSource& source) : source_(source) {}

std::string Question::caption() const {
    return plainDecimal(first) + " " + sign + " " + plainDecimal(second);
}

Question QuestionGenerator::NewQuestion(TestState& state) {
    source_.reseed();
    const int digits1 = state.digits1;
    const int digits2 = state.digits2;
    const std::string& sign = state.opSign;
    const Operator* op = findOperator(sign);

    // An item that chooseItem would refuse cannot reach here through the window; drawing nothing
    // for it keeps every other caller away from endless redraws and overflowing answers.
    std::int64_t a = 0;
    std::int64_t b = 0;
    if (!startRefusal(digits1, digits2, sign)) {
        std::int64_t answer = 0;
        const Operation operation = op->operation;
        if (operation == Operation::Addition || operation == Operation::Multiplication) {
            a = drawOperand(source_, digits1);
            b = drawOperand(source_, digits2);
            answer = operation == Operation::Addition ? a + b : a * b;
        } else if (operation == Operation::Subtraction) {
            // At least half of all pairs qualify, so this takes two tries on average.
            do {
                a = drawOperand(source_, digits1);
                b = drawOperand(source_, digits2);
            } while (a < b);
            answer = a - b;
        } else {
            const DivisionPair pair = divisionPairs(digits1, digits2).draw(source_);
            a = pair.dividend;
            b = pair.divisor;
            answer = a / b;
        }
        state.answer = static_cast<std::int32_t>(answer);
    }
    return Question{a, b, sign};
}

const DivisionPairs& QuestionGenerator::divisionPairs(int digits1, int digits2) {
    if (!divisionPairs_ || divisionPairs_->digits1() != digits1 ||
        divisionPairs_->digits2() != digits2) {
        divisionPairs_.emplace(digits1, digits2);
    }
    return *divisionPairs_;
}

}  // namespace calquin::engine
