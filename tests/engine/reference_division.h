// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/division_pairs.h"
#include "engine/question_generator.h"

namespace calquin::engine::testing {

// The plain rule for division questions: draw a pair, and throw it away whole while the division
// is not exact, the divisor is 1 or both operands are equal. Far too slow for large operands, but
// obviously right, so the fast draw is checked against it.
inline DivisionPair referenceDivision(RandomSource& source, int digits1, int digits2) {
    for (;;) {
        const std::int64_t a = drawOperand(source, digits1);
        const std::int64_t b = drawOperand(source, digits2);
        if (b != 0 && a % b == 0 && b != 1 && a != b) {
            return {a, b};
        }
    }
}

}  // namespace calquin::engine::testing
